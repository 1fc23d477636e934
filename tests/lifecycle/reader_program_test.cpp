// The reader program as a user runs it under Wine, with the real plug-in:
// two PDFs opened through the Open dialog (and a damaged one refused with
// the reason), a page turned, File > Quit; Vellora.ini then lists both. At
// the next start the plug-in reopens them as they were.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <optional>

#include "standin/interface/di_path.h"
#include "standin/interface/reader_commands.h"
#include "standin/reader/reader_process.h"
#include "standin/reader/wine_path.h"
#include "tests/support/checks.h"

namespace {

using namespace support;
using standin::TextOf;

constexpr char kDefault[] = "CURRENT OPENED FILES";

constexpr int kOpenDialogNameBox = 1148, kOpenDialogOldNameBox = 1152;  // cmb13, edt1
constexpr int kMessageBoxText = 0xFFFF;

using standin::WaitUntil;

// The reader program, started by the test with the plug-in.
struct ReaderProcess : standin::ReaderProcess {
  explicit ReaderProcess(const std::string& arguments)
      : standin::ReaderProcess(standin::WinePathFromLinux(VELLORA_READER_PATH), PlugInDllPath(), arguments) {
    EXPECT_NE(Frame(), nullptr) << "no window";
  }
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
  DWORD QuitNow() {
    const std::optional<DWORD> code = Quit();
    EXPECT_TRUE(code.has_value()) << "the reader did not quit";
    return code.value_or(STILL_ACTIVE);
  }
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
    EXPECT_EQ(reader.QuitNow(), 0u);
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
            std::string::npos)
      << state;
  EXPECT_NE(state.find("Document 2 (in front): " + b + "\n  reader b.pdf, 5 pages\n  Page 3 of 5\n"), std::string::npos)
      << state;
  // The plug-in's button, after the reader's own three, opens its window
  // over the reader: a picture of both, then Cancel.
  again.Command(standin::kCommandToolButton + 3);
  HWND sheet = nullptr;
  ASSERT_TRUE(
      WaitUntil([&] { return (sheet = again.Window("#32770")) != nullptr && TextOf(sheet) == "Vellora v1.51"; }));
  Sleep(500);  // the lists are filled and drawn
  std::string problem;
  EXPECT_TRUE(Screenshot(again.Frame(), "reader", problem)) << problem;
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); })) << "the window did not close";
  // "1 reader a.pdf" of the "Window" menu, after its three window commands
  // and the separator, brings a.pdf to the front: the plug-in finds it there.
  again.Command(standin::kCommandWindowItem + 4);
  EXPECT_EQ(again.QuitNow(), 0u);
  EXPECT_EQ(Profile(kDefault, "ActiveArticleIndex"), "0");
}

// The reader killed while the user works, then while its start-up restore
// is under way: what the next start finds is what was open at the user's
// last pause, with the document in front then.
TEST(ReaderProgram, KilledAtWorkOrWhileRestoringItComesBackAsAtTheLastPause) {
  const TempFolder folder;
  const std::string a = folder.Pdf("kill a.pdf", 9), b = folder.Pdf("kill b.pdf", 9), c = folder.Pdf("kill c.pdf", 9);
  std::string atThePause;
  {
    ReaderProcess reader("\"" + a + "\" \"" + b + "\" \"" + c + "\"");
    EXPECT_TRUE(WaitUntil([&] { return reader.DocumentTitles().size() == 3; }));
    reader.Command(standin::kCommandNextPage);        // in c.pdf, in front
    reader.Command(standin::kCommandWindowItem + 4);  // "1 kill a.pdf", after the window commands
    for (int i = 0; i < 3; ++i) reader.Command(standin::kCommandNextPage);
    EXPECT_TRUE(WaitUntil([&] {
      return Profile(kDefault, "0").find("&PAGE=3&") != std::string::npos &&
             Profile(kDefault, "ActiveArticleIndex") == "0";
    })) << "saved while the user pauses";
    atThePause = ReadFile(ProjectFile());
    // One more page, the window opened, and the reader gone while it is open.
    reader.Command(standin::kCommandNextPage);
    reader.Command(standin::kCommandToolButton + 3);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(reader.Window("#32770")) == "Vellora v1.51"; }));
    Sleep(2500);
    reader.Kill();
  }
  EXPECT_EQ(ReadFile(ProjectFile()), atThePause) << "as before the window opened";
  {
    ReaderProcess slow("--open-delay 1000");
    EXPECT_TRUE(WaitUntil([&] { return !slow.DocumentTitles().empty(); }));
    slow.Kill();
    EXPECT_LT(slow.DocumentTitles().size(), 3u) << "killed while restoring";
  }
  EXPECT_EQ(ReadFile(ProjectFile()), atThePause) << "whole";

  const std::string stateFile = folder.Path("kill state.txt");
  ReaderProcess again("--state-file \"" + stateFile + "\"");
  std::string state;
  EXPECT_TRUE(WaitUntil([&] { return !(state = ReadFile(stateFile)).empty(); }));
  EXPECT_NE(state.find("Documents open: 3\nDocument 1 (in front): " + a + "\n  kill a.pdf, 9 pages\n  Page 4 of 9\n"),
            std::string::npos)
      << state;
  EXPECT_NE(state.find("Document 3: " + c + "\n  kill c.pdf, 9 pages\n  Page 2 of 9\n"), std::string::npos) << state;
  EXPECT_EQ(again.QuitNow(), 0u);
}

}  // namespace
