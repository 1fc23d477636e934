#include "projects/whole_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "host/scoped_handle.h"

namespace {

constexpr std::size_t kWritePart = 1 << 20;

std::function<bool(std::size_t)>& WriteHook() {
  static std::function<bool(std::size_t)> hook;
  return hook;
}

enum class WriteResult { kDone, kFailed, kStopped };

// Writes all bytes in parts.
WriteResult WriteAll(HANDLE file, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const auto part = static_cast<DWORD>(std::min(kWritePart, bytes.size() - written));
    DWORD done = 0;
    if (!WriteFile(file, bytes.data() + written, part, &done, nullptr) || done != part) return WriteResult::kFailed;
    written += done;
    if (WriteHook() && !WriteHook()(written)) return WriteResult::kStopped;
  }
  return WriteResult::kDone;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return std::nullopt;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const auto part = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - got, 1u << 30));
    DWORD done = 0;
    if (!ReadFile(file.get(), bytes.data() + got, part, &done, nullptr)) return std::nullopt;
    if (done == 0) break;  // shorter than it was a moment ago
    got += done;
  }
  bytes.resize(got);
  return bytes;
}

bool ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".tmp";
  FileHandle file(
      CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  switch (WriteAll(file.get(), bytes)) {
    case WriteResult::kDone:
      break;
    case WriteResult::kStopped:  // a simulated crash leaves everything as it is
      return false;
    case WriteResult::kFailed:
      file.reset();
      DeleteFileA(temporary.c_str());
      return false;
  }
  const bool flushed = FlushFileBuffers(file.get());
  file.reset();
  if (!flushed || !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  return true;
}

void SetWholeFileWriteHook(std::function<bool(std::size_t)> hook) { WriteHook() = std::move(hook); }
