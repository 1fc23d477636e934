// The character rules of INI text as the platform's profile functions apply
// them: what counts as whitespace and as a line break, how names are trimmed
// (and compared: without regard to ASCII letter case, projects/ascii_text.h).
// Shared by the whole-file engine and the section reader, so
// both read a file the same way.
#pragma once

#include <cstddef>
#include <string_view>

#include "projects/ascii_text.h"

namespace ini_text {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

inline bool IsIniSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A';
}

inline bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

inline std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsIniSpace(s.front())) s.remove_prefix(1);
  return s;
}

inline std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsIniSpace(s.back())) s.remove_suffix(1);
  return s;
}

inline std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

}  // namespace ini_text
