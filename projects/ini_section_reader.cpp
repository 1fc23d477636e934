// Finding the first section of a name without parsing the whole text: only
// header lines matter, recognized and named as IniDocument recognizes them.
#include <cstddef>
#include <optional>
#include <string_view>

#include "projects/ini_document.h"
#include "projects/ini_text_rules.h"

namespace {

using ini_text::IsIniSpace;
using ini_text::IsLineBreak;
using ini_text::kUtf8Bom;
using ini_text::Trim;

std::string_view CutAtNul(std::string_view s) {
  const std::size_t nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}


// The name of the section a line starts: it begins with "[" (after leading
// whitespace) and holds a "]"; the name runs to the last "]", trimmed and cut
// at a NUL byte.
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return CutAtNul(Trim(line.substr(1, close - 1)));
}

}  // namespace

std::optional<std::string_view> FirstSectionText(std::string_view text, std::string_view section) {
  const std::string_view wanted = Trim(CutAtNul(section));
  constexpr std::size_t kNotFound = std::string_view::npos;
  // The unnamed first section always exists and wins for the empty name.
  std::size_t start = wanted.empty() ? 0 : kNotFound;
  std::size_t pos = text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    // Only a line that starts with "[" can be a header: other lines are
    // skipped without looking further than their line break.
    while (end < text.size() && IsIniSpace(text[end]) && !IsLineBreak(text[end])) ++end;
    const bool bracket = end < text.size() && text[end] == '[';
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
    if (bracket) {
      if (const auto name = HeaderName(text.substr(pos, end - pos))) {
        if (start != kNotFound) return text.substr(start, pos - start);
        if (EqualIgnoringAsciiCase(*name, wanted)) start = pos;
      }
    }
    pos = end;
    while (pos < text.size() && IsLineBreak(text[pos])) ++pos;
  }
  if (start == kNotFound) return std::nullopt;
  return text.substr(start);
}
