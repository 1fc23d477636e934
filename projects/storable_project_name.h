#pragma once
// Which project names survive a trip through the project file: written as a
// value of [PROJECT_NAME] and as a section header, and read back as the same
// name that finds the same section.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class ProjectStore;

// The reader takes names into a 256-byte buffer.
inline constexpr std::size_t kMaxProjectNameLength = 255;

// False for: the empty name; names longer than kMaxProjectNameLength; names
// holding "]" (a header ends at it); "PROJECT_NAME" in any letter case (the
// section of the project list); names with whitespace at either end, a line
// break, or enclosed in a pair of the same quotes (they read back changed).
bool IsStorableProjectName(std::string_view name);

// The name a project comes back with from the file. A name is written as a
// value, which loses the blanks at either end and a pair of enclosing quotes:
// "abc   " and "'abc'" both come back as abc. Nothing when what comes back
// is not storable: the project would be left out of the file.
std::optional<std::string> ProjectNameAsRead(std::string_view name);

// Position of the first project whose name comes back from the file as the
// same name as `name` does, letter case ignored; -1 for none. Two such
// projects would share one section.
std::int32_t FindProjectAsRead(const ProjectStore& store, std::string_view name);
