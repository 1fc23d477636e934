#include "projects/project_file_format.h"

#include "projects/ascii_text.h"
#include "projects/ini_document.h"
#include "projects/ini_text_rules.h"

namespace project_file {

std::optional<std::string_view> ProjectNameAsRead(std::string_view name, bool keepQuotes) {
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return std::nullopt;
  const std::string value = ProjectNameValue(name, keepQuotes);
  const std::string_view read = IniValueAsRead(value, kProjectNameBuffer);
  if (read != IniValueAsRead(value, value.size() + 2)) return std::nullopt;  // cut by the buffer
  const std::string_view section = ProjectSection(read);
  if (section.empty() || EqualIgnoringAsciiCase(section, kProjectListSection)) return std::nullopt;
  // The same text in the name itself: the value is the name less its blanks,
  // after the added quote when there is one.
  const std::size_t at = static_cast<std::size_t>(read.data() - value.data()) - (keepQuotes ? 1 : 0);
  return ini_text::Trim(name).substr(at, read.size());
}

bool ReadsBackEmpty(std::string_view name) {
  return ProjectSection(IniValueAsRead(ProjectNameValue(name, false), kProjectNameBuffer)).empty();
}

std::string ProjectNameValue(std::string_view name, bool keepQuotes) {
  // A value is written without its leading blanks and read without its
  // trailing ones.
  const std::string_view stored = ini_text::Trim(name);
  return keepQuotes ? '"' + std::string(stored) + '"' : std::string(stored);
}

std::string_view ProjectSection(std::string_view nameAsRead) { return ini_text::Trim(nameAsRead); }

bool ShareASection(std::string_view a, std::string_view b) {
  return EqualIgnoringAsciiCase(ProjectSection(ProjectNameAsRead(a).value_or(a)),
                                ProjectSection(ProjectNameAsRead(b).value_or(b)));
}

std::optional<std::string_view> FileValueThatFits(std::string_view value) {
  constexpr std::size_t kLimit = kFileValueBuffer - 1;
  if (value.size() <= kLimit) return value;
  const std::size_t separator = value.substr(0, kLimit).find(kPathStateSeparator);
  if (separator == std::string_view::npos) return std::nullopt;
  // An "&" at kLimit itself still ends an item that fits.
  const std::size_t boundary = value.substr(0, kLimit + 1).rfind('&');
  return value.substr(0, boundary == std::string_view::npos || boundary < separator ? separator + 1 : boundary);
}

}  // namespace project_file
