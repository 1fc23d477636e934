// The reader program as a user runs it under Wine, with the real plug-in:
// two PDFs opened through the Open dialog (and a damaged one refused with
// the reason), a page turned, File > Quit; Vellora.ini then lists both. At
// the next start the plug-in reopens them as they were.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <thread>

#include "standin/di_path.h"
#include "standin/document_window.h"
#include "standin/main_window.h"
#include "standin/reader_commands.h"
#include "standin/wine_path.h"
#include "tests/support/checks.h"

namespace {

using namespace support;

constexpr char kDefault[] = "CURRENT OPENED FILES";

constexpr int kOpenDialogNameBox = 1148, kOpenDialogOldNameBox = 1152;  // cmb13, edt1
constexpr int kMessageBoxText = 0xFFFF;

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

// The reader program running in a process of its own.
class ReaderProcess {
 public:
  explicit ReaderProcess(const std::string& arguments) {
    std::string command = "\"" + standin::WinePathFromLinux(VELLORA_READER_PATH) + "\" --reader \"" +
                          PlugInDllPath() + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    EXPECT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_));
    EXPECT_TRUE(WaitUntil([&] { return (frame_ = Window(standin::kMainWindowClass)) != nullptr; })) << "no window";
  }
  ~ReaderProcess() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  // A shown top-level window of the program of that class, one with the
  // child `control` if given.
  HWND Window(const char* className, int control = 0) {
    Search search{process_.dwProcessId, className, control, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  std::vector<std::string> DocumentTitles() {
    std::vector<std::string> titles;
    const HWND client = FindWindowExA(frame_, nullptr, "MDICLIENT", nullptr);
    for (HWND document = FindWindowExA(client, nullptr, standin::kDocumentWindowClass, nullptr); document;
         document = FindWindowExA(client, document, standin::kDocumentWindowClass, nullptr))
      titles.push_back(TextOf(document));
    std::sort(titles.begin(), titles.end());
    return titles;
  }
  HWND Frame() const { return frame_; }
  void Command(int command) { PostMessageA(frame_, WM_COMMAND, command, 0); }
  // File > Open, the path typed into the Open dialog, OK.
  void Open(const std::string& path) {
    Command(standin::kCommandOpen);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      return (dialog = Window("#32770", kOpenDialogNameBox)) || (dialog = Window("#32770", kOpenDialogOldNameBox));
    })) << "no Open dialog";
    HWND name = GetDlgItem(dialog, kOpenDialogNameBox) ? GetDlgItem(dialog, kOpenDialogNameBox)
                                                      : GetDlgItem(dialog, kOpenDialogOldNameBox);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) << "Open dialog stays";
  }
  // The text of the message box the program shows, which is then closed.
  std::string MessageBoxText() {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = Window("#32770", kMessageBoxText)) != nullptr; })) return "(no message box)";
    const std::string text = TextOf(GetDlgItem(box, kMessageBoxText));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return text;
  }
  DWORD Quit() {
    Command(standin::kCommandQuit);
    DWORD code = STILL_ACTIVE;
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, 60000), WAIT_OBJECT_0) << "the reader did not quit";
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND frame_ = nullptr;
};

TEST(ReaderProgram, OpenReadQuitThenStartAgain) {
  const TempFolder folder;
  const std::string a = folder.Pdf("reader a.pdf", 3), b = folder.Pdf("reader b.pdf", 5);
  const std::string bad = folder.Path("reader bad.pdf");
  WriteFile(bad, "%PDF-1.4\nthis file was cut short");
  {
    ReaderProcess reader("");
    reader.Open(a);
    reader.Open(bad);
    EXPECT_NE(reader.MessageBoxText().find("cut short"), std::string::npos);
    reader.Open(b);
    EXPECT_TRUE(WaitUntil([&] { return reader.DocumentTitles().size() == 2; }));
    EXPECT_EQ(reader.DocumentTitles(), (std::vector<std::string>{"reader a.pdf", "reader b.pdf"}));
    reader.Command(standin::kCommandNextPage);  // in b.pdf, in front
    reader.Command(standin::kCommandNextPage);
    EXPECT_EQ(reader.Quit(), 0u);
  }
  ExpectProfile({{kDefault, "OpenNum", "2"}, {kDefault, "ActiveArticleIndex", "1"}});
  EXPECT_EQ(Profile(kDefault, "0").rfind(standin::DIPathFromWindowsPath(a) + "?ALLSTATE=", 0), 0u);
  const std::string second = Profile(kDefault, "1");
  EXPECT_EQ(second.rfind(standin::DIPathFromWindowsPath(b) + "?ALLSTATE=", 0), 0u) << second;
  EXPECT_NE(second.find("&PAGE=2&"), std::string::npos) << second;

  const std::string stateFile = folder.Path("reader state.txt");
  DeleteFileA(stateFile.c_str());
  ReaderProcess again("--state-file \"" + stateFile + "\"");
  std::string state;
  EXPECT_TRUE(WaitUntil([&] { return !(state = ReadFile(stateFile)).empty(); }));
  EXPECT_EQ(again.DocumentTitles(), (std::vector<std::string>{"reader a.pdf", "reader b.pdf"}));
  EXPECT_NE(state.find("Documents open: 2\nDocument 1: " + a + "\n  reader a.pdf, 3 pages\n  Page 1 of 3\n"),
            std::string::npos) << state;
  EXPECT_NE(state.find("Document 2 (in front): " + b + "\n  reader b.pdf, 5 pages\n  Page 3 of 5\n"),
            std::string::npos) << state;
  // The plug-in's button, after the reader's own three, opens its window
  // over the reader: a picture of both, then Cancel.
  again.Command(standin::kCommandToolButton + 3);
  HWND sheet = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (sheet = again.Window("#32770")) != nullptr && TextOf(sheet) == "Vellora v1.51"; }));
  Sleep(500);  // the lists are filled and drawn
  std::string problem;
  EXPECT_TRUE(Screenshot(again.Frame(), "reader", problem)) << problem;
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); })) << "the window did not close";
  // "1 reader a.pdf" of the "Window" menu, after its three window commands
  // and the separator, brings a.pdf to the front: the plug-in finds it there.
  again.Command(standin::kCommandWindowItem + 4);
  EXPECT_EQ(again.Quit(), 0u);
  EXPECT_EQ(Profile(kDefault, "ActiveArticleIndex"), "0");
}

}  // namespace
