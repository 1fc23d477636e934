// Memory the host hands to the plug-in (path text), given back with ASfree.
// Outstanding blocks are counted so tests can find leaks.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace standin {

class HostMemory {
 public:
  // A NUL-terminated copy of `text` owned by the host until freed.
  char* CopyText(const std::string& text);
  // False for a block the host did not hand out (or already took back).
  bool Free(void* block);
  std::size_t Outstanding() const { return blocks_.size(); }

 private:
  std::map<void*, std::unique_ptr<char[]>> blocks_;
};

}  // namespace standin
