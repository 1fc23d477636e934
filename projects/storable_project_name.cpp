#include "projects/storable_project_name.h"

#include "projects/ini_document.h"

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
