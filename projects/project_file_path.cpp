#include "projects/project_file_path.h"

#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include <array>
#include <cstddef>

#include "host/scoped_handle.h"

namespace {

constexpr std::size_t kSystemDirectoryBufferSize = 1024;

std::string SystemDirectory() {
  std::array<char, kSystemDirectoryBufferSize> directory{};
  const UINT length = GetSystemDirectoryA(directory.data(), static_cast<UINT>(directory.size()));
  // 0 is a failure; a length at or above the buffer size is the size needed.
  if (length == 0 || length >= directory.size()) return {};
  return std::string(directory.data(), length);
}

// A wide path in the ANSI code page the file calls take; empty when one of
// its characters has no spelling there.
std::string AnsiPath(const wchar_t* path) {
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, 0, path, -1, nullptr, 0, nullptr, &lossy);
  if (size <= 1 || lossy) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, path, -1, text.data(), size, nullptr, nullptr);
  text.resize(static_cast<std::size_t>(size - 1));
  return text;
}

// The roaming application-data folder, asked of the shell; its short form
// when the long one cannot be spelt in the ANSI code page.
std::string RoamingAppData() {
  PWSTR found = nullptr;
  const HRESULT result = SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &found);
  const CoTaskMemory owned(found);
  if (FAILED(result) || found == nullptr) return {};
  std::string path = AnsiPath(found);
  if (!path.empty()) return path;
  std::array<wchar_t, MAX_PATH> shortPath{};
  const DWORD length = GetShortPathNameW(found, shortPath.data(), static_cast<DWORD>(shortPath.size()));
  return length == 0 || length >= shortPath.size() ? std::string() : AnsiPath(shortPath.data());
}

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder.empty() ? std::string() : folder + '\\' + name;
}

}  // namespace

ProjectFilePlaces FindProjectFilePlaces() {
  return {InFolder(SystemDirectory(), kProjectFileName),
          InFolder(InFolder(RoamingAppData(), kUserProjectFolder), kProjectFileName)};
}

std::string FileToRead(const ProjectFilePlaces& places) {
  const DWORD user = places.user.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(places.user.c_str());
  return user != INVALID_FILE_ATTRIBUTES && (user & FILE_ATTRIBUTE_DIRECTORY) == 0 ? places.user : places.system;
}

std::string ProjectFilePath() { return FileToRead(FindProjectFilePlaces()); }
