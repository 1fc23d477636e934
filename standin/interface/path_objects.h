// Path objects (ASPathName) and the default file system. A path object is
// its maker's until given back with ASFileSysReleasePath; the host counts
// those not given back so tests can find leaks. Handles are never reused, so
// a second release of one is always recognised.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "host/host_interface.h"

namespace standin {

struct PathRecord {
  std::string windowsPath;
  bool hasText = true;  // false for a document never saved: the host gives no path text
};

class PathObjects {
 public:
  ASPathName Make(const std::string& windowsPath, bool hasText = true);
  // None for a path that was never made or was released.
  const PathRecord* Find(ASPathName path) const;
  // False for a path that was never made or was released already.
  bool Release(ASPathName path) { return paths_.erase(reinterpret_cast<std::uintptr_t>(path)) == 1; }
  std::size_t Outstanding() const { return paths_.size(); }
  ASFileSys DefaultFileSys() { return reinterpret_cast<ASFileSys>(&fileSys_); }

 private:
  std::map<std::uintptr_t, PathRecord> paths_;
  std::uintptr_t lastHandle_ = 0;
  int fileSys_ = 0;  // its address is the default file system
};

}  // namespace standin
