#include "projects/storable_project_name.h"

#include "projects/ini_document.h"
#include "projects/ini_text_rules.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"

namespace {

constexpr std::string_view kProjectListSection = "PROJECT_NAME";

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

bool IsStorableProjectName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxProjectNameLength && name.find(']') == std::string_view::npos &&
         !EqualsIgnoringAsciiCase(name, kProjectListSection) && ValueReadsBackUnchanged(name);
}

std::optional<std::string> ProjectNameAsRead(std::string_view name) {
  // A line break would end the value and the header where it stands.
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return std::nullopt;
  std::string_view read = ini_text::Trim(name);
  if (read.size() >= 2 && (read.front() == '"' || read.front() == '\'') && read.back() == read.front())
    read = read.substr(1, read.size() - 2);
  if (!IsStorableProjectName(read)) return std::nullopt;
  return std::string(read);
}

std::int32_t FindProjectAsRead(const ProjectStore& store, std::string_view name) {
  const std::string read = ProjectNameAsRead(name).value_or(std::string(name));
  for (std::int32_t i = 0; i < store.ProjectCount(); ++i) {
    if (EqualsIgnoringAsciiCase(ProjectNameAsRead(store.Name(i)).value_or(store.Name(i)), read)) return i;
  }
  return kNoIndex;
}
