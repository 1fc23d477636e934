#pragma once
// The project file's format, declared once.
//
// [PROJECT_NAME] holds "PROJECT_NUM" and the project names under the keys
// "0", "1", ...; each project has a section named by its name with
// "ActiveArticleIndex", "OpenNum" and one key "0", "1", ... per file, whose
// value is "<path>?<view-state string>". Key "0" of [PROJECT_NAME] is always
// the default project, whose section is [CURRENT OPENED FILES]
// (kDefaultProjectName).
//
// Values are read as GetPrivateProfileStringA reads them into buffers of the
// sizes below (terminator included): a longer value is cut to the size minus
// one, except file values, which FileValueThatFits cuts.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace project_file {

inline constexpr std::string_view kProjectListSection = "PROJECT_NAME";
inline constexpr std::string_view kProjectCountKey = "PROJECT_NUM";
inline constexpr std::string_view kActiveIndexKey = "ActiveArticleIndex";
inline constexpr std::string_view kFileCountKey = "OpenNum";
inline constexpr char kPathStateSeparator = '?';

inline constexpr std::size_t kProjectCountBuffer = 10;
inline constexpr std::size_t kProjectNameBuffer = 256;
inline constexpr std::size_t kNumberBuffer = 8;          // "ActiveArticleIndex", "OpenNum" when loading
inline constexpr std::size_t kStartupNumberBuffer = 10;  // the same two keys read at start-up
inline constexpr std::size_t kFileValueBuffer = 1024;
// Numbers are written in a buffer of kNumberBuffer bytes too.
inline constexpr std::size_t kLongestNumber = kNumberBuffer - 1;

// The name a project comes back with when its name is written as a value of
// [PROJECT_NAME] (ProjectNameValue): without the blanks around it and a pair
// of enclosing quotes, or, written with `keepQuotes`, with its own quotes.
// Nothing when it cannot come back whole and find its section: a line break
// or NUL byte, more than the reader's buffer takes, nothing but blanks, or
// "PROJECT_NAME" (the project list's own section).
std::optional<std::string_view> ProjectNameAsRead(std::string_view name, bool keepQuotes = false);

// True when the name comes back as nothing but blanks (as "" or '  ' do).
bool ReadsBackEmpty(std::string_view name);

// The value a project's name is written as: the name without the blanks at
// either end; with `keepQuotes`, in a pair of quotes as well, which the
// reader takes away instead of the name's own.
std::string ProjectNameValue(std::string_view name, bool keepQuotes);

// True when the two names would find the same section once read back from
// the file (letter case ignored): two such projects cannot both be kept.
// A name that cannot come back is compared as it stands.
bool ShareASection(std::string_view a, std::string_view b);

// The section of a project, for its name as read: lookups ignore the blanks
// at either end of a section name, and so does the section written.
std::string_view ProjectSection(std::string_view nameAsRead);

// The part of a file value (as read without a limit) that is kept: all of it
// when it fits the reader's buffer. A longer one keeps its path whenever the
// path is whole inside the buffer, with the view-state string cut after its
// last item that fits (never inside an item: a cut "PAGE=12" would read as
// page 1); nothing when the path does not fit.
std::optional<std::string_view> FileValueThatFits(std::string_view value);

}  // namespace project_file
