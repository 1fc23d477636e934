#include "standin/interface/host_memory.h"

#include <cstring>

namespace standin {

char* HostMemory::CopyText(const std::string& text) {
  auto block = std::make_unique<char[]>(text.size() + 1);
  std::memcpy(block.get(), text.c_str(), text.size() + 1);
  char* pointer = block.get();
  blocks_.emplace(pointer, std::move(block));
  return pointer;
}

bool HostMemory::Free(void* block) { return blocks_.erase(block) != 0; }

}  // namespace standin
