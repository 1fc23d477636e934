#include "standin/reader/wine_path.h"

namespace standin {

std::string WinePathFromLinux(const std::string& path) {
  if (path.empty() || path.front() != '/') return path;
  std::string result = "Z:";
  for (const char c : path) result.push_back(c == '/' ? '\\' : c);
  return result;
}

}  // namespace standin
