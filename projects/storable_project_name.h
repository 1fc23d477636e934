#pragma once
// Which project names survive a trip through the project file: written as a
// value of [PROJECT_NAME] and as a section header, and read back as the same
// name that finds the same section.
#include <cstddef>
#include <string_view>

// The reader takes names into a 256-byte buffer.
inline constexpr std::size_t kMaxProjectNameLength = 255;

// False for: the empty name; names longer than kMaxProjectNameLength; names
// holding "]" (a header ends at it); "PROJECT_NAME" in any letter case (the
// section of the project list); names with whitespace at either end, a line
// break, or enclosed in a pair of the same quotes (they read back changed).
bool IsStorableProjectName(std::string_view name);
