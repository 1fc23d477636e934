// The "Quendle" window as a user meets it, through the real DLL in the
// stand-in host: opened from the tool button, driven by the kit, looked at.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/link_label.h"
#include "host/scoped_handle.h"
#include "res/resource_ids.h"
#include "standin/di_path.h"
#include "standin/wine_path.h"
#include "tests/support/checks.h"
#include "ui/help_control_probe.h"
#include "ui/ui_kit.h"

namespace {

using namespace support;
using standin::HostStory;

constexpr char kSheet[] = "Vellora v1.51";
constexpr int kApplyButton = 0x3021;
constexpr ASErrorCode kInjected = 0x4000F00D;
constexpr char kInstallKey[] = "Software\\Vellora";
constexpr char kHelpClassKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kInstallFolder[] = "C:\\Program Files\\Vellora";
constexpr char kWineOverrides[] = "Software\\Wine\\DllOverrides";
constexpr char kWineBrowser[] = "Software\\Wine\\WineBrowser";

// The pixels of a bitmap, to tell the plug-in's two folder bitmaps apart.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap) {
  BITMAP size{};
  GetObjectA(bitmap, sizeof size, &size);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.bmWidth, size.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.bmWidth) * size.bmHeight);
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  GetDIBits(dc.get(), bitmap, 0, size.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
  return pixels;
}

// "open" or "closed": the folder bitmap a project list entry carries.
std::string Folder(HostStory& story, HWND projectList, int row) {
  const auto shown = reinterpret_cast<HBITMAP>(kit::ListData(projectList, row));
  for (const auto& [id, name] : {std::pair{IDB_OPEN_FOLDER, "open"}, std::pair{IDB_CLOSED_FOLDER, "closed"}}) {
    const BitmapHandle resource(LoadBitmapA(story.Host().PlugInModule(), MAKEINTRESOURCEA(id)));
    if (Pixels(resource.get()) == Pixels(shown)) return name;
  }
  return "neither";
}

std::vector<std::string> Entries(HWND projectList) {
  std::vector<std::string> entries;
  for (int i = 0; i < kit::ListCount(projectList); ++i) entries.push_back(kit::ListText(projectList, i));
  return entries;
}

// Each row of the file list: name, folder and the image shown.
std::vector<std::string> Rows(HWND fileList) {
  std::vector<std::string> rows;
  for (int i = 0; i < kit::RowCount(fileList); ++i)
    rows.push_back(kit::RowText(fileList, i, 0) + " | " + kit::RowText(fileList, i, 1) +
                   (kit::RowImage(fileList, i) == 1 ? " | active" : ""));
  return rows;
}

struct Page {
  HWND sheet;
  HWND page;
  HWND projects;
  HWND files;
};

Page WaitForSheet() {
  const HWND sheet = kit::WaitForWindow(kSheet);
  const HWND projects = kit::Find(sheet, IDC_PROJECT_LIST);
  return {sheet, GetParent(projects), projects, kit::Find(sheet, IDC_FILE_LIST)};
}

void OpenWindow(HostStory& story, const std::function<void(const Page&)>& script) {
  kit::Drive([&] { EXPECT_TRUE(story.ClickToolButton("Vellora:FavoritePDFConfig")); },
             [&] { script(WaitForSheet()); });
}

class Window : public ::testing::Test {
 protected:
  void TearDown() override {
    RemoveProjectFile();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kInstallKey);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kHelpClassKey);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kWineOverrides, "hhctrl.ocx");
    RegDeleteTreeA(HKEY_CURRENT_USER, kWineBrowser);
  }
  void Start(HostStory& story) { ASSERT_EQ(story.Start(PlugInDllPath()).initialized, true); }

  TempFolder pdfs_;
};

// Reports: three files in three folders, the second active; a name with its
// own parenthesis; an empty project.
constexpr char kProjectFile[] =
    "[PROJECT_NAME]\r\nPROJECT_NUM=4\r\n0=CURRENT OPENED FILES\r\n1=Reports\r\n2=Notes (old)\r\n3=Empty\r\n"
    "[CURRENT OPENED FILES]\r\nActiveArticleIndex=0\r\nOpenNum=0\r\n"
    "[Reports]\r\nActiveArticleIndex=1\r\nOpenNum=3\r\n0=/C/work/b/zeta.pdf?PAGE=2\r\n"
    "1=/C/work/a/alpha.pdf?PAGE=5\r\n2=/server/share/dir/mid.pdf?PAGE=1\r\n"
    "[Notes (old)]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/D/root.pdf?\r\n"
    "[Empty]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n";

TEST_F(Window, ShowsTheProjectsAndTheirFilesSortsByColumnAndSavesOnlyOnOk) {
  HostStory story;
  Start(story);

  // Nothing open and no project file: the default project alone.
  OpenWindow(story, [&](const Page& w) {
    EXPECT_EQ(kit::Style(w.sheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0) << "no context-help button";
    EXPECT_FALSE(GetDlgItem(w.sheet, kApplyButton) != nullptr && kit::Visible(GetDlgItem(w.sheet, kApplyButton)));
    for (const int button : {IDOK, IDCANCEL, IDHELP}) EXPECT_TRUE(kit::Visible(kit::Find(w.sheet, button)));
    EXPECT_EQ(Entries(w.projects), std::vector<std::string>{"CURRENT OPENED FILES (0)"});
    EXPECT_EQ(kit::ListSelection(w.projects), 0);
    EXPECT_EQ(Folder(story, w.projects, 0), "open");
    EXPECT_EQ(kit::Text(kit::Find(w.page, IDC_PROJECT_COUNT)), "Favorite Projects (0)");
    EXPECT_FALSE(kit::Enabled(kit::Find(w.page, IDC_DELETE_PROJECT)));
    EXPECT_EQ(kit::RowCount(w.files), 0);
    EXPECT_EQ(kit::ColumnTitle(w.files, 0) + "/" + kit::ColumnTitle(w.files, 1), "PDF File Name/Path");
    EXPECT_EQ(kit::ColumnWidth(w.files, 0) * 1000 + kit::ColumnWidth(w.files, 1), 128300);
    kit::Screenshot(w.sheet, "quendle_empty");
    kit::EndSheet(w.sheet, IDCANCEL);
  });
  EXPECT_EQ(GetFileAttributesA(ProjectFile().c_str()), INVALID_FILE_ATTRIBUTES) << "Cancel wrote a file";
  EXPECT_FALSE(story.LastFailedCall().has_value());

  // Two documents open, the second in front, and projects in the file.
  WriteFile(ProjectFile(), kProjectFile);
  const std::string first = pdfs_.Pdf("first.pdf", 3);
  const std::string second = pdfs_.Pdf("second.pdf", 4);
  story.OpenFile(first);
  story.BringToFront(story.OpenFile(second));
  const std::string folder = first.substr(0, first.rfind('\\'));
  OpenWindow(story, [&](const Page& w) {
    EXPECT_EQ(Entries(w.projects), (std::vector<std::string>{"CURRENT OPENED FILES (2)", "Reports (3)",
                                                             "Notes (old) (1)", "Empty (0)"}));
    EXPECT_EQ(kit::Text(kit::Find(w.page, IDC_PROJECT_COUNT)), "Favorite Projects (3)");
    EXPECT_EQ(Rows(w.files), (std::vector<std::string>{"first.pdf | " + folder, "second.pdf | " + folder + " | active"}));
    kit::Screenshot(w.sheet, "quendle_projects");

    struct Step {
      int select;
      std::vector<std::string> rows;
    };
    const Step steps[] = {
        {1, {"zeta.pdf | C:\\work\\b", "alpha.pdf | C:\\work\\a | active", "mid.pdf | \\\\server\\share\\dir"}},
        {2, {"root.pdf | D: | active"}},
        {3, {}},
        {1, {"zeta.pdf | C:\\work\\b", "alpha.pdf | C:\\work\\a | active", "mid.pdf | \\\\server\\share\\dir"}},
    };
    for (const Step& step : steps) {
      SCOPED_TRACE("selecting project " + std::to_string(step.select));
      kit::ClickListRow(w.projects, step.select);
      EXPECT_EQ(kit::ListSelection(w.projects), step.select);
      for (int row = 0; row < kit::ListCount(w.projects); ++row)
        EXPECT_EQ(Folder(story, w.projects, row), row == step.select ? "open" : "closed") << "entry " << row;
      EXPECT_TRUE(kit::Enabled(kit::Find(w.page, IDC_DELETE_PROJECT)));
      EXPECT_EQ(Rows(w.files), step.rows);
    }
    kit::Screenshot(w.sheet, "quendle_reports");

    // Sorting "Reports" with zeta.pdf selected: it stays selected wherever it goes.
    kit::SelectRows(w.files, {0});
    struct Sort {
      int column;
      std::vector<std::string> names;
      int zetaRow;
    };
    const Sort sorts[] = {
        {1, {"alpha.pdf", "zeta.pdf", "mid.pdf"}, 1},  // by folder, ascending
        {1, {"mid.pdf", "zeta.pdf", "alpha.pdf"}, 1},  // the same column again: descending
        {0, {"alpha.pdf", "mid.pdf", "zeta.pdf"}, 2},  // by name, ascending
    };
    for (std::size_t i = 0; i < std::size(sorts); ++i) {
      SCOPED_TRACE("sort " + std::to_string(i + 1));
      kit::ClickColumn(w.files, sorts[i].column);
      std::vector<std::string> names;
      for (int row = 0; row < kit::RowCount(w.files); ++row) {
        names.push_back(kit::RowText(w.files, row, 0));
        EXPECT_EQ(kit::RowImage(w.files, row), names.back() == "alpha.pdf" ? 1 : 0) << "the active file's icon";
      }
      EXPECT_EQ(names, sorts[i].names);
      EXPECT_EQ(kit::SelectedRows(w.files), std::vector<int>{sorts[i].zetaRow});
    }
    kit::ClickListRow(w.projects, 0);
    EXPECT_FALSE(kit::Enabled(kit::Find(w.page, IDC_DELETE_PROJECT)));
    kit::EndSheet(w.sheet, IDCANCEL);
  });
  EXPECT_EQ(ReadFile(ProjectFile()), kProjectFile) << "Cancel after sorting changed the file";

  // A sort of another project: OK saves it, and offers no reload.
  OpenWindow(story, [&](const Page& w) {
    kit::ClickListRow(w.projects, 1);
    kit::ClickColumn(w.files, 0);
    kit::EndSheet(w.sheet, IDOK);
  });
  EXPECT_EQ(Profile("Reports", "0"), "/C/work/a/alpha.pdf?PAGE=5");
  EXPECT_EQ(Profile("Reports", "2"), "/C/work/b/zeta.pdf?PAGE=2");
  EXPECT_EQ(Profile("Reports", "ActiveArticleIndex"), "0") << "the active file moves with its entry";
  EXPECT_EQ(Profile("CURRENT OPENED FILES", "OpenNum"), "2");

  // A sort of the default project: OK saves, then offers to reload it in its
  // new order; Yes closes the documents and opens them in that order.
  OpenWindow(story, [&](const Page& w) {
    // The last click of the last opening was an ascending one on this column.
    kit::ClickColumn(w.files, 0);
    EXPECT_EQ(kit::RowText(w.files, 0, 0), "second.pdf");
    kit::Click(w.sheet, IDOK);
    kit::AnswerBox("Load project",
                   "You have changed the default project [CURRENT OPENED FILES],\nDo you wish to close the current "
                   "open files, then load the new list?",
                   IDI_EXCLAMATION, IDYES);
    kit::WaitUntilGone(w.sheet);
  });
  EXPECT_EQ(Profile("CURRENT OPENED FILES", "0").rfind(standin::DIPathFromWindowsPath(second) + "?", 0), 0u);
  std::vector<std::string> open;
  for (const AVDoc doc : story.OpenDocuments()) open.push_back(story.State(doc).path);
  EXPECT_EQ(open, (std::vector<std::string>{second, first}));
  ExpectHostClean(story);
}

void SetRegistryText(HKEY root, const char* key, const char* name, const std::string& value) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr), ERROR_SUCCESS);
  const RegistryKey owner(opened);
  RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

// The calls recorded by the help control loaded as `module` (a path or a
// name); none when it is not loaded.
std::vector<HelpProbeCall> HelpCalls(const std::string& module) {
  const HMODULE probe = GetModuleHandleA(module.c_str());
  if (probe == nullptr) return {};
  const auto calls = reinterpret_cast<HelpProbeCallsProc>(reinterpret_cast<void*>(GetProcAddress(probe, "HelpProbeCalls")));
  if (calls == nullptr) {
    ADD_FAILURE() << module << " is not the test's help control";
    return {};
  }
  const HelpProbeCall* recorded = nullptr;
  const int count = calls(&recorded);
  return {recorded, recorded + std::min(count, kHelpProbeCallLimit)};
}

// How Wine loads "hhctrl.ocx" by name: "native" finds the copy beside the
// tests, "" refuses it, none leaves its own.
void LoadHelpControlAs(const char* order) {
  if (order == nullptr) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kWineOverrides, "hhctrl.ocx");
    RegDeleteTreeA(HKEY_CURRENT_USER, kWineBrowser);
  } else {
    SetRegistryText(HKEY_CURRENT_USER, kWineOverrides, "hhctrl.ocx", order);
  }
}

std::string SystemText(DWORD code) {
  char* text = nullptr;
  FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<LPSTR>(&text), 0, nullptr);
  const LocalMemory owner(text);
  return text != nullptr ? text : "";
}

TEST_F(Window, HelpFindsTheFolderAndTheControlAndGivesUpOnAControlThatCannotBeLoaded) {
  const std::string probe = standin::WinePathFromLinux(VELLORA_HELP_CONTROL);
  {
    // No install key; the registered control and "hhctrl.ocx" cannot be loaded.
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kInstallKey);
    SetRegistryText(HKEY_CLASSES_ROOT, kHelpClassKey, nullptr, "C:\\nowhere\\hhctrl.ocx");
    LoadHelpControlAs("");
    HostStory story;
    Start(story);
    OpenWindow(story, [&](const Page& w) {
      for (int press = 0; press < 2; ++press) {
        kit::Click(w.sheet, IDHELP);
        kit::AnswerBox("Error", SystemText(ERROR_FILE_NOT_FOUND), IDI_INFORMATION, IDOK);
      }
      // Now all is in place, but a control that failed is not tried again.
      SetRegistryText(HKEY_LOCAL_MACHINE, kInstallKey, "InstallPath", kInstallFolder);
      SetRegistryText(HKEY_CLASSES_ROOT, kHelpClassKey, nullptr, probe);
      LoadHelpControlAs(nullptr);
      kit::Click(w.sheet, IDHELP);
      EXPECT_FALSE(kit::WindowShown("Error"));
      kit::EndSheet(w.sheet, IDCANCEL);
    });
    EXPECT_TRUE(HelpCalls(probe).empty());
  }
  {
    // The next run of the reader: the registered control; each page asks for
    // its own topic.
    HostStory story;
    Start(story);
    HWND pages[2] = {};
    OpenWindow(story, [&](const Page& w) {
      pages[0] = w.page;
      kit::Click(w.sheet, IDHELP);
      kit::ShowPage(w.sheet, 1);
      pages[1] = reinterpret_cast<HWND>(SendMessageA(w.sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
      kit::Screenshot(w.sheet, "quendle_about");
      kit::Click(w.sheet, IDHELP);
      // A folder too long for the help path: refused, not cut.
      SetRegistryText(HKEY_LOCAL_MACHINE, kInstallKey, "InstallPath", "C:\\" + std::string(230, 'f'));
      kit::Click(w.sheet, IDHELP);
      kit::AnswerBox("Error", SystemText(ERROR_FILENAME_EXCED_RANGE), IDI_INFORMATION, IDOK);
      kit::EndSheet(w.sheet, IDCANCEL);
    });
    const std::vector<HelpProbeCall> calls = HelpCalls(probe);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_STREQ(calls[2].path, "");
    const char* topics[] = {"HTML/UsingVellora/Work.htm", "HTML/Welcome/Introduction.htm"};
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(calls[i].owner, pages[i]) << "page " << i;
      EXPECT_EQ(calls[i].path, std::string(kInstallFolder) + "\\VELLORA.CHM::" + topics[i]);
      EXPECT_EQ(calls[i].command, 0u);
      EXPECT_EQ(calls[i].data, 0u);
    }
  }
  {
    // No class registration: "hhctrl.ocx" by name. No install key: the
    // system's text, then the control with an empty path.
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kHelpClassKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kInstallKey);
    LoadHelpControlAs("native");
    HostStory story;
    Start(story);
    OpenWindow(story, [&](const Page& w) {
      kit::Click(w.sheet, IDHELP);
      kit::AnswerBox("Error", SystemText(ERROR_FILE_NOT_FOUND), IDI_INFORMATION, IDOK);
      kit::EndSheet(w.sheet, IDCANCEL);
    });
    const std::vector<HelpProbeCall> calls = HelpCalls("hhctrl.ocx");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_STREQ(calls[0].path, "");
  }
}

TEST_F(Window, AHostErrorWhileOpeningClosesTheWindowAndReachesTheHost) {
  HostStory story;
  Start(story);
  story.OpenFile(pdfs_.Pdf("first.pdf", 2));
  story.Faults().RaiseOnCall("AVAppEnumDocs", 1, kInjected);
  kit::Drive([&] { story.ClickToolButton("Vellora:FavoritePDFConfig"); }, [] {});
  ASSERT_TRUE(story.LastFailedCall().has_value());
  EXPECT_EQ(story.LastFailedCall()->code, kInjected);
  EXPECT_FALSE(kit::WindowShown(kSheet));
  EXPECT_EQ(GetFileAttributesA(ProjectFile().c_str()), INVALID_FILE_ATTRIBUTES);
  ExpectHostClean(story);
}

// Wine's browser and mail launcher hand every address to the recorder from
// now on, which appends it to an emptied log.
void RecordOpenedAddresses() {
  DeleteFileA(standin::WinePathFromLinux(VELLORA_OPENED_LOG).c_str());
  const std::string recorder = "\"/bin/sh\" \"" VELLORA_OPENED_RECORDER "\" \"" VELLORA_OPENED_LOG "\"";
  for (const char* launcher : {"Browsers", "Mailers"}) SetRegistryText(HKEY_CURRENT_USER, kWineBrowser, launcher, recorder);
}

// The addresses recorded so far, once at least `count` have come (they come
// from other processes) or the wait is over. The launcher writes the spaces
// of a mail's subject as %20: given back as spaces.
std::vector<std::string> Opened(std::size_t count) {
  std::vector<std::string> opened;
  for (int waited = 0; waited < 200; ++waited) {
    std::string log = ReadFile(standin::WinePathFromLinux(VELLORA_OPENED_LOG));
    for (std::size_t space; (space = log.find("%20")) != std::string::npos;) log.replace(space, 3, " ");
    opened.clear();
    for (std::size_t start = 0, end; (end = log.find('\n', start)) != std::string::npos; start = end + 1)
      opened.push_back(log.substr(start, end - start));
    if (opened.size() >= count) break;
    Sleep(100);
  }
  return opened;
}

// The longest run of the link colour in one row of the picture.
int LongestLinkRun(const kit::Picture& picture) {
  int longest = 0;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0, run = 0; x < picture.width; ++x) {
      run = picture.pixels[static_cast<std::size_t>(y) * picture.width + x] == 0xFF0000FFu ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  return longest;
}

constexpr char kHomePage[] = "http://www.example.com/vellora";
constexpr char kSupportMail[] = "mailto:support@example.com?subject=[Vellora Support] your title add here";
constexpr char kIdeasMail[] = "mailto:ideas@example.com?subject=[Vellora Ideas] your title add here";

TEST_F(Window, TheAboutPageLinksOpenTheirTargetsAtEveryOpeningAndOkThereStillSaves) {
  RecordOpenedAddresses();
  HostStory story;
  Start(story);
  story.OpenFile(pdfs_.Pdf("first.pdf", 2));
  const HCURSOR hand = LoadCursorA(story.Host().PlugInModule(), MAKEINTRESOURCEA(IDC_LINK_HAND));
  std::vector<std::string> expected;
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE("opening " + std::to_string(opening));
    RemoveProjectFile();
    OpenWindow(story, [&](const Page& w) {
      kit::ShowPage(w.sheet, 1);
      const auto about = reinterpret_cast<HWND>(SendMessageA(w.sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
      const HWND home = kit::Find(about, IDC_HOME_PAGE_LINK);
      const HWND support = kit::Find(about, IDC_SUPPORT_LINK);
      const HWND ideas = kit::Find(about, IDC_IDEAS_LINK);
      EXPECT_EQ(kit::Text(home) + " " + kit::Text(support) + " " + kit::Text(ideas),
                "http://www.example.com/vellora/index.htm support@example.com ideas@example.com");
      kit::Mouse(home, WM_MOUSEMOVE);
      EXPECT_EQ(kit::Cursor(), hand) << "the hand over a link";

      // A left press opens nothing until its release; a right press opens at once.
      kit::Mouse(home, WM_LBUTTONDOWN);
      kit::Mouse(support, WM_RBUTTONDOWN);
      expected.push_back(kSupportMail);
      EXPECT_EQ(Opened(expected.size()), expected);
      kit::Mouse(home, WM_LBUTTONUP);
      expected.push_back(kHomePage);
      EXPECT_EQ(Opened(expected.size()), expected);
      kit::Mouse(ideas, WM_LBUTTONDOWN);
      kit::Mouse(ideas, WM_LBUTTONUP);
      expected.push_back(kIdeasMail);
      EXPECT_EQ(Opened(expected.size()), expected);

      if (opening == 1) {
        // Blue, underlined from the first letter to the last.
        SIZE extent{};
        const WindowDc dc = GetWindowDc(home);
        const Selection font = Select(dc.get().dc, reinterpret_cast<HGDIOBJ>(SendMessageA(home, WM_GETFONT, 0, 0)));
        const std::string text = kit::Text(home);
        GetTextExtentPoint32A(dc.get().dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const kit::Picture shown = kit::Capture(home);
        EXPECT_GE(LongestLinkRun(shown), extent.cx - 1) << "the underline";
        // Without a font of its own the link is painted with the page's.
        SendMessageA(home, WM_SETFONT, 0, FALSE);
        EXPECT_TRUE(kit::Capture(home) == shown) << "painted with another font than the page's";
        // At most 49 characters are painted.
        const auto painted = [&](int characters) {
          SetWindowTextA(home, std::string(static_cast<std::size_t>(characters), 'i').c_str());
          return kit::Capture(home);
        };
        const kit::Picture first48 = painted(48);
        const kit::Picture first49 = painted(49);
        EXPECT_FALSE(first48 == first49);
        EXPECT_TRUE(painted(60) == first49) << "more than 49 characters painted";
      }
      kit::EndSheet(w.sheet, IDOK);
    });
    EXPECT_EQ(Profile("CURRENT OPENED FILES", "OpenNum"), "1") << "OK on the About page saved nothing";
  }
  Sleep(2000);
  EXPECT_EQ(Opened(expected.size()), expected) << "each address opened once a click";
  ExpectHostClean(story);
}

// The platform gives the handle of a destroyed window to later windows: a
// destroyed control leaves the registry with its last message, so that the
// next window with its handle reaches its own object, never the old one.
TEST_F(Window, ASubclassedControlLeavesTheRegistryWhenDestroyedAndALinkRefusesAnOverlongTarget) {
  RecordOpenedAddresses();
  struct Probe : SubclassedWindow {
    std::vector<UINT> seen;
    int HandleMessage(HWND, UINT message, WPARAM, LPARAM) override {
      seen.push_back(message);
      return message == WM_APP;
    }
  };
  const WindowHandle dialog(CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 50, nullptr, nullptr, nullptr, nullptr));
  const auto control = [&](int id) {
    return CreateWindowA("STATIC", "text", WS_CHILD, 0, 0, 200, 20, dialog.get(), reinterpret_cast<HMENU>(id), nullptr,
                         nullptr);
  };
  const HWND first = control(1);
  Probe probe;
  Probe other;
  ASSERT_TRUE(probe.Subclass(first));
  EXPECT_FALSE(other.Subclass(first)) << "subclassed twice, it would pass its messages to itself";
  EXPECT_EQ(SendMessageA(first, WM_APP, 0, 0), 0) << "handled";
  EXPECT_EQ(SendMessageA(first, WM_GETTEXTLENGTH, 0, 0), 4) << "passed on to the control's own procedure";
  DestroyWindow(first);
  EXPECT_EQ(probe.seen.back(), static_cast<UINT>(WM_NCDESTROY));
  EXPECT_EQ(TheSubclassRegistry().Find(first), nullptr) << "a destroyed control's node stays";

  const std::string longest = "http://www.example.com/" + std::string(kLinkTargetSize - 24, 'a');
  const HWND second = control(2);
  LinkLabel link;
  struct Row {
    int id;
    std::string target;
    bool attached;
  };
  const Row rows[] = {{2, longest, true}, {2, longest + "b", false}, {3, longest, false}, {2, longest, true}};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(link.Attach(dialog.get(), rows[i].id, rows[i].target.c_str()), rows[i].attached) << "row " << i + 1;
    EXPECT_EQ(GetWindowLongPtrA(second, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SharedWindowProc), rows[i].attached)
        << "row " << i + 1;
  }
  SendMessageA(second, WM_RBUTTONDOWN, MK_RBUTTON, 0);
  EXPECT_EQ(Opened(1), std::vector<std::string>{longest}) << "a target of 259 characters opened whole";
}

}  // namespace
