#include "standin/reader/reader_process.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

#include "standin/interface/main_window.h"
#include "standin/interface/reader_commands.h"
#include "standin/reader/document_window.h"

namespace standin {
namespace {

constexpr DWORD kQuitWait = 60000;

struct Search {
  DWORD process;
  const char* className;
  int control;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  std::array<char, 64> name{};
  GetClassNameA(window, name.data(), static_cast<int>(name.size()));
  if (process == search.process && IsWindowVisible(window) && std::string(name.data()) == search.className &&
      (search.control == 0 || GetDlgItem(window, search.control) != nullptr))
    search.found = window;
  return search.found == nullptr;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done) {
  for (int tries = 0; tries < 600; ++tries, std::this_thread::sleep_for(std::chrono::milliseconds(50)))
    if (done()) return true;
  return false;
}

std::string TextOf(HWND window) {
  std::array<char, 1024> text{};
  GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}

ReaderProcess::ReaderProcess(const std::string& program, const std::string& plugIn, const std::string& arguments) {
  std::string command = "\"" + program + "\" --reader \"" + plugIn + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
    return;
  WaitUntil([&] { return (frame_ = Window(kMainWindowClass)) != nullptr; });
}

ReaderProcess::~ReaderProcess() {
  if (process_.hProcess == nullptr) return;
  Kill();
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND ReaderProcess::Window(const char* className, int control) const {
  Search search{process_.dwProcessId, className, control, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::string> ReaderProcess::DocumentTitles() const {
  std::vector<std::string> titles;
  const HWND client = FindWindowExA(frame_, nullptr, "MDICLIENT", nullptr);
  for (HWND document = FindWindowExA(client, nullptr, kDocumentWindowClass, nullptr); document;
       document = FindWindowExA(client, document, kDocumentWindowClass, nullptr))
    titles.push_back(TextOf(document));
  std::sort(titles.begin(), titles.end());
  return titles;
}

void ReaderProcess::Command(int command) const { PostMessageA(frame_, WM_COMMAND, command, 0); }

std::optional<DWORD> ReaderProcess::Quit() {
  Command(kCommandQuit);
  return WaitForEnd();
}

std::optional<DWORD> ReaderProcess::WaitForEnd() {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process_.hProcess, kQuitWait) != WAIT_OBJECT_0) return std::nullopt;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

void ReaderProcess::Kill() {
  if (WaitForSingleObject(process_.hProcess, 0) != WAIT_TIMEOUT) return;
  TerminateProcess(process_.hProcess, 99);
  WaitForSingleObject(process_.hProcess, INFINITE);
}

}  // namespace standin
