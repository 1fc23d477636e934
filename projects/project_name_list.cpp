#include "projects/project_name_list.h"

#include "projects/ascii_text.h"
#include "projects/project_limits.h"

const std::string& ProjectNameList::Name(std::int32_t index) const {
  static const std::string kNoName;
  return (index >= 0 && index < Count()) ? names_[static_cast<std::size_t>(index)] : kNoName;
}

std::int32_t ProjectNameList::Find(std::string_view name) const {
  for (std::int32_t i = 0; i < Count(); ++i) {
    if (EqualIgnoringAsciiCase(names_[static_cast<std::size_t>(i)], name)) return i;
  }
  return kNoIndex;
}

void ProjectNameList::Replace(std::int32_t index, std::string_view name) {
  if (index >= 0 && index < Count()) names_[static_cast<std::size_t>(index)] = name;
}

void ProjectNameList::Remove(std::int32_t index) {
  if (index >= 0 && index < Count()) names_.erase(names_.begin() + index);
}
