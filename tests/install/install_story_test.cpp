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

#include "host/scoped_handle.h"
#include "projects/whole_file.h"
#include "standin/wine_path.h"

namespace {

constexpr char kSettingsKey[] = "Software\\Vellora";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vellora";
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

}  // namespace

TEST(Installer, InstallsMovesAndUninstallsKeepingTheProjectFile) {
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
