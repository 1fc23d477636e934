// Path objects (ASPathName) and the default file system. Path objects live
// as long as the host: the interface has no operation that gives one back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/host_interface.h"

namespace standin {

struct PathRecord {
  std::string windowsPath;
  bool hasText = true;  // false for a document never saved: the host gives no path text
};

class PathObjects {
 public:
  ASPathName Make(const std::string& windowsPath, bool hasText = true);
  const PathRecord* Find(ASPathName path) const;
  ASFileSys DefaultFileSys() { return reinterpret_cast<ASFileSys>(&fileSys_); }

 private:
  std::vector<std::unique_ptr<PathRecord>> paths_;
  int fileSys_ = 0;  // its address is the default file system
};

}  // namespace standin
