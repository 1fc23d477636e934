#include "projects/project_file_path.h"

#include <windows.h>

#include <array>
#include <cstddef>

namespace {
constexpr std::size_t kSystemDirectoryBufferSize = 1024;
}  // namespace

std::string ProjectFilePath() {
  std::array<char, kSystemDirectoryBufferSize> directory{};
  const UINT length = GetSystemDirectoryA(directory.data(), static_cast<UINT>(directory.size()));
  // 0 is a failure; a length at or above the buffer size is the size needed.
  if (length == 0 || length >= directory.size()) return {};
  return std::string(directory.data(), length) + '\\' + kProjectFileName;
}
