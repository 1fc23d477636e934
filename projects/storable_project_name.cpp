#include "projects/storable_project_name.h"

#include "projects/ascii_text.h"
#include "projects/ini_document.h"

namespace {

constexpr std::string_view kProjectListSection = "PROJECT_NAME";

}  // namespace

bool IsStorableProjectName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxProjectNameLength && name.find(']') == std::string_view::npos &&
         !EqualIgnoringAsciiCase(name, kProjectListSection) && ValueReadsBackUnchanged(name);
}
