// Plain ASCII text rules, each in one place: letter case is folded for the
// ASCII letters only (so that no result depends on the locale or the code
// page), and a decimal number is read the way the C library's atoi reads it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

inline char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

// Reads a decimal integer: leading blanks are skipped, then an optional sign,
// then digits up to the first other character ("98304.000000" reads 98304).
// No digits read as 0. A number outside the signed 32-bit range gives nothing.
std::optional<std::int32_t> ReadInteger(std::string_view text);
