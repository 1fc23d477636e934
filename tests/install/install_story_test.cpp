// The installer under Wine, run silently as an administrator would: install,
// install again into another plug-ins folder, uninstall through the command
// that Add/Remove Programs runs. The registry is read the way the plug-in
// reads it (this program has the plug-in's architecture, so it sees the same
// registry view).
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "controls/help_launcher.h"
#include "host/scoped_handle.h"
#include "projects/whole_file.h"
#include "standin/reader/wine_path.h"
#include "ui/help_control_probe.h"

// The system's reader of compiled help files (itss.dll), as far as it is used.
// Outside the unnamed namespace: there the compiler would take the only
// class it can see, this abstract one, for the object's type.
struct IITStorage : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD, IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD, IStorage**) = 0;
};

namespace {

constexpr char kSettingsKey[] = "Software\\Vellora";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vellora";
constexpr char kHelpClassKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kMissing[] = "(missing)";
constexpr DWORD kRunTimeoutMs = 120000;

// A string value under HKEY_LOCAL_MACHINE, opened with KEY_READ as the
// plug-in opens its settings; kMissing when the key or the value is absent.
std::string MachineValue(const char* key, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return kMissing;
  std::array<char, MAX_PATH> value{};
  DWORD size = value.size() - 1;
  const LONG read = RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &size);
  RegCloseKey(opened);
  return read == ERROR_SUCCESS ? std::string(value.data()) : kMissing;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Contents(const std::string& path) { return ReadWholeFile(path).value_or(kMissing); }

// Runs the command line and waits until it and every process it started have
// ended (the uninstaller hands its work to a copy of itself and returns at
// once). Gives the first process's exit code; ~0 when it did not run to end.
DWORD RunToEnd(std::string commandLine) {
  const KernelHandle job(CreateJobObjectA(nullptr, nullptr));
  const KernelHandle port(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
  JOBOBJECT_ASSOCIATE_COMPLETION_PORT link{job.get(), port.get()};
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!SetInformationJobObject(job.get(), JobObjectAssociateCompletionPortInformation, &link, sizeof link) ||
      !CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                      &startup, &started))
    return ~DWORD{0};
  const KernelHandle process(started.hProcess), thread(started.hThread);
  AssignProcessToJobObject(job.get(), process.get());
  ResumeThread(thread.get());
  DWORD message = 0;
  ULONG_PTR key = 0;
  LPOVERLAPPED detail = nullptr;
  while (GetQueuedCompletionStatus(port.get(), &message, &key, &detail, kRunTimeoutMs))
    if (message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) {
      DWORD code = ~DWORD{0};
      GetExitCodeProcess(process.get(), &code);
      return code;
    }
  return ~DWORD{0};
}

// Each path with whether it must be there; the failure names the path.
void ExpectPresence(const std::vector<std::pair<std::string, bool>>& expected) {
  for (const auto& [path, present] : expected) EXPECT_EQ(Exists(path), present) << path;
}


constexpr CLSID kItStorageClass = {0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
constexpr IID kItStorageInterface = {0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(length > 0 ? length - 1 : 0);
  return wide;
}

// Whether the help path "<file>::<topic>" names a page the compiled help
// file holds, as the system's reader finds it (folders of the topic are
// storages, the page a stream).
bool HelpPathFound(const std::string& helpPath) {
  const std::size_t split = helpPath.find("::");
  if (split == std::string::npos) return false;
  IITStorage* reader = nullptr;
  if (FAILED(CoCreateInstance(kItStorageClass, nullptr, CLSCTX_INPROC_SERVER, kItStorageInterface,
                              reinterpret_cast<void**>(&reader))))
    return false;
  const ComObject<IITStorage> readerOwner(reader);
  IStorage* opened = nullptr;
  if (FAILED(reader->StgOpenStorage(Wide(helpPath.substr(0, split)).c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE,
                                    nullptr, 0, &opened)))
    return false;
  ComObject<IStorage> folder(opened);
  std::string rest = helpPath.substr(split + 2);
  for (std::size_t slash; (slash = rest.find('/')) != std::string::npos; rest.erase(0, slash + 1)) {
    IStorage* inner = nullptr;
    if (FAILED(folder.get()->OpenStorage(Wide(rest.substr(0, slash)).c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE,
                                         nullptr, 0, &inner)))
      return false;
    folder.reset(inner);
  }
  IStream* page = nullptr;
  if (FAILED(folder.get()->OpenStream(Wide(rest).c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &page)))
    return false;
  page->Release();
  return true;
}

// Help through the installed registry value, with the test's help control
// registered in place of the real one: each page's request names a page of
// the installed help file.
void ExpectHelpFindsTheInstalledFile(const std::string& installPath) {
  const std::string probe = standin::WinePathFromLinux(VELLORA_HELP_CONTROL);
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, kHelpClassKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(probe.c_str()),
                 static_cast<DWORD>(probe.size() + 1));
  RegCloseKey(opened);
  for (const char* topic : {kProjectsPageTopic, kAboutPageTopic}) ShowPageHelp(nullptr, topic);
  RegDeleteTreeA(HKEY_CLASSES_ROOT, kHelpClassKey);

  const HMODULE control = GetModuleHandleA(probe.c_str());
  ASSERT_NE(control, nullptr) << "the registered help control was not loaded";
  const auto calls = reinterpret_cast<HelpProbeCallsProc>(reinterpret_cast<void*>(GetProcAddress(control, "HelpProbeCalls")));
  const HelpProbeCall* recorded = nullptr;
  ASSERT_EQ(calls(&recorded), 2);
  const char* topics[] = {kProjectsPageTopic, kAboutPageTopic};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(std::string(recorded[i].path), installPath + "\\VELLORA.CHM::" + topics[i]);
    EXPECT_TRUE(HelpPathFound(recorded[i].path)) << recorded[i].path;
  }
}

}  // namespace

TEST(Installer, InstallsMovesAndUninstallsKeepingTheProjectFile) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::string setup = '"' + standin::WinePathFromLinux(VELLORA_INSTALLER) + "\" /S /D=";
  // Start from a machine without Vellora, whatever a failed run left.
  if (const std::string left = MachineValue(kUninstallKey, "UninstallString"); left != kMissing) RunToEnd(left + " /S");
  const std::string root = "C:\\vellora install test";
  CreateDirectoryA(root.c_str(), nullptr);
  const std::string first = root + "\\first plug_ins", second = root + "\\plug_ins";
  for (const std::string& folder : {first, second}) {
    DeleteFileA((folder + "\\Vellora.api").c_str());
    RemoveDirectoryA(folder.c_str());
  }

  std::array<char, MAX_PATH> system{};
  GetSystemDirectoryA(system.data(), system.size());
  const std::string projectFile = std::string(system.data()) + "\\Vellora.ini";
  const std::string projects = "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n0=CURRENT OPENED FILES\r\n1=Kept\r\n";
  ASSERT_TRUE(ReplaceWholeFile(projectFile, projects));

  ASSERT_EQ(RunToEnd(setup + first), 0u);
  const std::string installPath = MachineValue(kSettingsKey, "InstallPath");
  ASSERT_NE(installPath, kMissing);
  EXPECT_EQ(MachineValue(kUninstallKey, "DisplayName"), "Vellora v1.51");
  EXPECT_EQ(Contents(installPath + "\\VELLORA.CHM"), Contents(standin::WinePathFromLinux(VELLORA_HELP_FILE)));
  EXPECT_EQ(Contents(first + "\\Vellora.api"), Contents(standin::WinePathFromLinux(VELLORA_RELEASE_PLUGIN)));
  ExpectHelpFindsTheInstalledFile(installPath);

  // Installed again into another folder: the plug-in leaves the first one,
  // which the installer had made, or the host would load two copies.
  ASSERT_EQ(RunToEnd(setup + second), 0u);
  ExpectPresence({{first, false}, {second + "\\Vellora.api", true}});
  EXPECT_EQ(MachineValue(kSettingsKey, "InstallPath"), installPath);

  ASSERT_EQ(RunToEnd(MachineValue(kUninstallKey, "UninstallString") + " /S"), 0u);
  ExpectPresence({{second, false}, {installPath, false}, {root, true}});
  EXPECT_EQ(MachineValue(kSettingsKey, "InstallPath"), kMissing);
  EXPECT_EQ(MachineValue(kUninstallKey, "DisplayName"), kMissing);
  EXPECT_EQ(Contents(projectFile), projects);

  DeleteFileA(projectFile.c_str());
  RemoveDirectoryA(root.c_str());
}
