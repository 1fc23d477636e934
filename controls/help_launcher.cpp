#include "controls/help_launcher.h"

#include <cstdio>

#include "host/scoped_handle.h"
#include "host/system_error_text.h"

namespace {

constexpr char kInstallKey[] = "Software\\Vellora";
constexpr char kInstallValue[] = "InstallPath";
constexpr char kHelpFileName[] = "VELLORA.CHM";
constexpr char kHelpControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kHelpControlFile[] = "hhctrl.ocx";
constexpr WORD kHtmlHelpOrdinal = 14;

using HtmlHelpProc = HWND(WINAPI*)(HWND owner, LPCSTR path, UINT command, DWORD_PTR data);

// Kept for the rest of the run: the library is never freed (freeing it while
// this DLL unloads would run its code under the loader's lock).
HMODULE helpControl = nullptr;
HtmlHelpProc htmlHelp = nullptr;
bool helpControlFailed = false;  // once set, nothing is loaded again

// A registry string into a zeroed buffer that always keeps its terminating
// zero; the system's error code, or ERROR_SUCCESS.
LSTATUS ReadRegistryText(HKEY root, const char* keyName, const char* valueName,
                         std::array<char, kHelpPathSize>& text) {
  HKEY opened = nullptr;
  // Reading is all Help needs; asking for more is refused to users who are
  // not administrators.
  LSTATUS status = RegOpenKeyExA(root, keyName, 0, KEY_READ, &opened);
  if (status != ERROR_SUCCESS) return status;
  const RegistryKey key(opened);
  text.fill('\0');
  DWORD size = static_cast<DWORD>(text.size() - 1);
  return RegQueryValueExA(key.get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &size);
}

}  // namespace

std::string BuildHelpPath(const char* topic) {
  std::array<char, kHelpPathSize> folder{};
  if (const LSTATUS status = ReadRegistryText(HKEY_LOCAL_MACHINE, kInstallKey, kInstallValue, folder);
      status != ERROR_SUCCESS) {
    ShowSystemError(static_cast<DWORD>(status));
    return {};
  }
  std::array<char, kHelpPathSize> path{};
  const int length = std::snprintf(path.data(), path.size(), "%s\\%s::%s", folder.data(), kHelpFileName, topic);
  if (length < 0 || static_cast<std::size_t>(length) >= path.size()) {
    ShowSystemError(ERROR_FILENAME_EXCED_RANGE);
    return {};
  }
  return path.data();
}

HWND ShowHelpTopic(HWND owner, const char* path, UINT command, DWORD_PTR data) {
  if (helpControlFailed) return nullptr;
  if (helpControl == nullptr) {
    std::array<char, kHelpPathSize> file{};
    if (FindHelpControl(file)) helpControl = LoadLibraryA(file.data());
    if (helpControl == nullptr) helpControl = LoadLibraryA(kHelpControlFile);
    if (helpControl == nullptr) {
      helpControlFailed = true;
      return nullptr;
    }
  }
  if (htmlHelp == nullptr) {
    htmlHelp = reinterpret_cast<HtmlHelpProc>(
        reinterpret_cast<void*>(GetProcAddress(helpControl, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    if (htmlHelp == nullptr) {
      helpControlFailed = true;
      return nullptr;
    }
  }
  return htmlHelp(owner, path, command, data);
}

void ShowSystemError(DWORD code) {
  MessageBoxA(nullptr, SystemErrorText(code).c_str(), "Error", MB_ICONINFORMATION | MB_OK);
}

bool FindHelpControl(std::array<char, kHelpPathSize>& file) {
  return ReadRegistryText(HKEY_CLASSES_ROOT, kHelpControlKey, nullptr, file) == ERROR_SUCCESS;
}

void ShowPageHelp(HWND page, const char* topic) {
  const std::string path = BuildHelpPath(topic);
  ShowHelpTopic(page, path.c_str(), kHtmlHelpDisplayTopic, 0);
}
