#include "projects/project_name_list.h"

#include "projects/project_limits.h"

namespace {

// Letter case folded for ASCII only, so that the result does not depend on
// the locale or the code page.
char FoldAsciiCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameProjectName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i])) return false;
  }
  return true;
}

const std::string& ProjectNameList::Name(std::int32_t index) const {
  static const std::string kNoName;
  return (index >= 0 && index < Count()) ? names_[static_cast<std::size_t>(index)] : kNoName;
}

std::int32_t ProjectNameList::Find(std::string_view name) const {
  for (std::int32_t i = 0; i < Count(); ++i) {
    if (SameProjectName(names_[static_cast<std::size_t>(i)], name)) return i;
  }
  return kNoIndex;
}

void ProjectNameList::Replace(std::int32_t index, std::string_view name) {
  if (index >= 0 && index < Count()) names_[static_cast<std::size_t>(index)] = name;
}

void ProjectNameList::Remove(std::int32_t index) {
  if (index >= 0 && index < Count()) names_.erase(names_.begin() + index);
}
