#include "standin/path_objects.h"

namespace standin {

ASPathName PathObjects::Make(const std::string& windowsPath, bool hasText) {
  paths_.push_back(std::make_unique<PathRecord>(PathRecord{windowsPath, hasText}));
  return reinterpret_cast<ASPathName>(paths_.back().get());
}

const PathRecord* PathObjects::Find(ASPathName path) const {
  for (const auto& record : paths_)
    if (reinterpret_cast<ASPathName>(record.get()) == path) return record.get();
  return nullptr;
}

}  // namespace standin
