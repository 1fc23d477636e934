#include "standin/interface/path_objects.h"

namespace standin {

ASPathName PathObjects::Make(const std::string& windowsPath, bool hasText) {
  paths_.emplace(++lastHandle_, PathRecord{windowsPath, hasText});
  return reinterpret_cast<ASPathName>(lastHandle_);
}

const PathRecord* PathObjects::Find(ASPathName path) const {
  const auto it = paths_.find(reinterpret_cast<std::uintptr_t>(path));
  return it == paths_.end() ? nullptr : &it->second;
}

}  // namespace standin
