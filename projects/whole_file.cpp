#include "projects/whole_file.h"

#include <windows.h>
// After windows.h, which it needs.
#include <aclapi.h>

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

// Writes over the file itself: what is left when no file can be made beside
// it (a folder the user may not create files in). A crash on the way leaves
// a part of the new text, but the save is not lost.
bool WriteInPlace(const std::string& path, std::string_view bytes) {
  const FileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() && WriteAll(file.get(), bytes) == WriteResult::kDone && SetEndOfFile(file.get()) &&
         FlushFileBuffers(file.get());
}

// The file's access rules (its DACL) as a security descriptor for a new file;
// none when the file is absent or they cannot be read, and the new file then
// takes its folder's rules as any new file does.
LocalMemory AccessRulesOf(const std::string& path) {
  PSECURITY_DESCRIPTOR rules = nullptr;
  PACL dacl = nullptr;
  if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                            nullptr, &rules) != ERROR_SUCCESS) {
    return LocalMemory();
  }
  return LocalMemory(rules);
}

// Removes what is left of a failed write, keeping the error that made it fail.
void RemoveLeftover(FileHandle& file, const std::string& temporary) {
  const DWORD error = GetLastError();
  file.reset();
  DeleteFileA(temporary.c_str());
  SetLastError(error);
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
  // The new file takes the old one's attributes and access rules from the
  // start, so that a file an administrator opened to every user stays open to
  // them; a read-only file was refused before.
  const DWORD old = GetFileAttributesA(path.c_str());
  const DWORD kept = old == INVALID_FILE_ATTRIBUTES
                         ? 0
                         : old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
  const LocalMemory rules = old == INVALID_FILE_ATTRIBUTES ? LocalMemory() : AccessRulesOf(path);
  SECURITY_ATTRIBUTES security{sizeof(security), rules.get(), FALSE};
  FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, rules ? &security : nullptr, CREATE_ALWAYS,
                              kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return WriteInPlace(path, bytes);
  switch (WriteAll(file.get(), bytes)) {
    case WriteResult::kDone:
      break;
    case WriteResult::kStopped:  // a simulated crash leaves everything as it is
      return false;
    case WriteResult::kFailed:
      RemoveLeftover(file, temporary);
      return false;
  }
  const bool flushed = FlushFileBuffers(file.get());
  file.reset();
  const bool replaced =
      flushed && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!replaced) RemoveLeftover(file, temporary);
  return replaced;
}

void SetWholeFileWriteHook(std::function<bool(std::size_t)> hook) { WriteHook() = std::move(hook); }
