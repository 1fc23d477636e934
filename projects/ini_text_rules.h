// The character rules of INI text as the platform's profile functions apply
// them: what counts as whitespace and as a line break, how names are trimmed
// and compared. Shared by the whole-file engine and the section reader, so
// both read a file the same way.
#pragma once

#include <cstddef>
#include <string_view>

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

// Letter case is ignored for ASCII letters only.
inline char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool EqualFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

}  // namespace ini_text
