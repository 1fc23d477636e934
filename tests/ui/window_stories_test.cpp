// The "Quendle" window as a user meets it, through the real DLL in the
// stand-in host: opened from the tool button, driven by the kit, looked at.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "controls/link_label.h"
#include "host/scoped_handle.h"
#include "host/system_error_text.h"
#include "res/resource_ids.h"
#include "standin/interface/di_path.h"
#include "standin/interface/documents.h"
#include "standin/interface/main_window.h"
#include "standin/pdf/sample_pdf.h"
#include "standin/reader/wine_path.h"
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

// f(i) for each i from 0 to count - 1.
template <typename F>
auto Each(std::size_t count, F f) {
  std::vector<decltype(f(0))> all;
  for (std::size_t i = 0; i < count; ++i) all.push_back(f(static_cast<int>(i)));
  return all;
}

std::vector<std::string> Entries(HWND list) {
  return Each(kit::ListCount(list), [&](int i) { return kit::ListText(list, i); });
}

// How many pixels of `colour` the project list's entry `entry` shows right of
// its folder, in a picture of the list.
int EntryPixels(const kit::Picture& list, int entry, std::uint32_t colour) {
  constexpr int kEntryHeight = 16, kTextLeft = 20;
  int count = 0;
  for (int y = entry * kEntryHeight; y < std::min(list.height, (entry + 1) * kEntryHeight); ++y)
    for (int x = kTextLeft; x < list.width; ++x) count += list.pixels[static_cast<std::size_t>(y) * list.width + x] == colour;
  return count;
}

// Each row of the file list: name, folder and the image shown.
std::vector<std::string> Rows(HWND list) {
  return Each(kit::RowCount(list), [&](int i) {
    const std::string active = kit::RowImage(list, i) == 1 ? " | active" : "";
    return kit::RowText(list, i, 0) + " | " + kit::RowText(list, i, 1) + active;
  });
}

struct Page {
  HWND sheet, page, projects, files;
};

Page WaitForSheet() {
  const HWND sheet = kit::WaitForWindow(kSheet);
  const HWND projects = kit::Find(sheet, IDC_PROJECT_LIST);
  return {sheet, GetParent(projects), projects, kit::Find(sheet, IDC_FILE_LIST)};
}

constexpr int kScriptCloses = 0;  // the script itself closes the window

// Opens the window from the tool button and runs the script on it; then ends
// the window with the button `end`.
void OpenWindow(HostStory& story, int end, const std::function<void(const Page&)>& script) {
  kit::Drive([&] { EXPECT_TRUE(story.ClickToolButton("Vellora:FavoritePDFConfig")); }, [&] {
    const Page page = WaitForSheet();
    script(page);
    if (end != kScriptCloses) kit::EndSheet(page.sheet, end);
  });
}

// OK after the default project changed: the offer to reload it, answered.
void PressOkAndAnswerReload(const Page& w, int button) {
  kit::Click(w.sheet, IDOK);
  kit::AnswerBox("Load project",
                 "You have changed the default project [CURRENT OPENED FILES],\nDo you wish to close the current "
                 "open files, then load the new list?",
                 IDI_EXCLAMATION, button);
  kit::WaitUntilGone(w.sheet);
}

// The project list as shown: its entries, the one selected (its folder open,
// the others' closed), the count of projects, and Delete Project on for any
// but the default one. A command goes on updating the list after its dialog
// has closed: the list is waited for.
void ExpectProjects(HostStory& story, const Page& w, const std::vector<std::string>& entries, int selected,
                    Where where = Where::current()) {
  const testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()), "the project list");
  for (int wait = 0; wait < 50 && (Entries(w.projects) != entries || kit::ListSelection(w.projects) != selected);
       ++wait)
    Sleep(100);
  EXPECT_EQ(Entries(w.projects), entries);
  EXPECT_EQ(kit::ListSelection(w.projects), selected);
  for (int row = 0; row < kit::ListCount(w.projects); ++row)
    EXPECT_EQ(Folder(story, w.projects, row), row == selected ? "open" : "closed") << "entry " << row;
  EXPECT_EQ(kit::Text(kit::Find(w.page, IDC_PROJECT_COUNT)),
            "Favorite Projects (" + std::to_string(entries.size() - 1) + ")");
  EXPECT_EQ(kit::Enabled(kit::Find(w.page, IDC_DELETE_PROJECT)), selected != 0);
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
  OpenWindow(story, IDCANCEL, [&](const Page& w) {
    EXPECT_EQ(kit::Style(w.sheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0) << "no context-help button";
    EXPECT_FALSE(GetDlgItem(w.sheet, kApplyButton) != nullptr && kit::Visible(GetDlgItem(w.sheet, kApplyButton)));
    for (const int button : {IDOK, IDCANCEL, IDHELP}) EXPECT_TRUE(kit::Visible(kit::Find(w.sheet, button)));
    ExpectProjects(story, w, {"CURRENT OPENED FILES (0)"}, 0);
    EXPECT_EQ(kit::RowCount(w.files), 0);
    EXPECT_EQ(kit::ColumnTitle(w.files, 0) + "/" + kit::ColumnTitle(w.files, 1), "PDF File Name/Path");
    EXPECT_EQ(kit::ColumnWidth(w.files, 0) * 1000 + kit::ColumnWidth(w.files, 1), 128300);
    RECT sheet{}, owner{};
    GetWindowRect(w.sheet, &sheet);
    GetWindowRect(story.Host().MainWindowHandle(), &owner);
    EXPECT_LE(std::abs(sheet.left + sheet.right - owner.left - owner.right), 1) << "centred across the reader";
    EXPECT_LE(std::abs(sheet.top + sheet.bottom - owner.top - owner.bottom), 1) << "centred down the reader";
    kit::Screenshot(w.sheet, "quendle_empty");
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
  OpenWindow(story, IDCANCEL, [&](const Page& w) {
    const std::vector<std::string> entries = {"CURRENT OPENED FILES (2)", "Reports (3)", "Notes (old) (1)",
                                              "Empty (0)"};
    ExpectProjects(story, w, entries, 0);
    EXPECT_EQ(Rows(w.files), (std::vector<std::string>{"first.pdf | " + folder, "second.pdf | " + folder + " | active"}));
    kit::Screenshot(w.sheet, "quendle_projects");
    // The current entry white on teal; the others in the name colour on
    // white with a grey count.
    EXPECT_EQ(SendMessageA(w.projects, LB_GETITEMHEIGHT, 0, 0), 16);
    const kit::Picture list = kit::Capture(w.projects);
    constexpr std::uint32_t kTeal = 0xFF008080, kGrey = 0xFF808080, kName = 0xFF004080;
    const struct {
      int entry;
      std::uint32_t colour;
      bool shown;
    } looks[] = {{0, kTeal, true}, {0, kGrey, false}, {1, kTeal, false}, {1, kGrey, true}, {1, kName, true}};
    for (std::size_t i = 0; i < std::size(looks); ++i)
      EXPECT_EQ(EntryPixels(list, looks[i].entry, looks[i].colour) > 0, looks[i].shown) << "look " << i + 1;

    // Each project chosen in turn, "Reports" again last: its rows.
    const std::vector<std::string> reports = {"zeta.pdf | C:\\work\\b", "alpha.pdf | C:\\work\\a | active",
                                              "mid.pdf | \\\\server\\share\\dir"};
    const std::pair<int, std::vector<std::string>> steps[] = {
        {1, reports}, {2, {"root.pdf | D: | active"}}, {3, {}}, {1, reports}};
    for (const auto& [select, rows] : steps) {
      SCOPED_TRACE("selecting project " + std::to_string(select));
      kit::ClickListRow(w.projects, select);
      ExpectProjects(story, w, entries, select);
      EXPECT_EQ(Rows(w.files), rows);
    }
    kit::Screenshot(w.sheet, "quendle_reports");

    // Sorting "Reports" with zeta.pdf selected: it stays selected wherever it goes.
    const auto names = [&] {
      return Each(kit::RowCount(w.files), [&](int row) {
        const std::string name = kit::RowText(w.files, row, 0);
        EXPECT_EQ(kit::RowImage(w.files, row), name == "alpha.pdf" ? 1 : 0) << "the active file's icon";
        return name;
      });
    };
    const std::vector<std::string> byFolder = {"alpha.pdf", "zeta.pdf", "mid.pdf"};
    const std::vector<std::string> byName = {"alpha.pdf", "mid.pdf", "zeta.pdf"};
    const auto reversed = [](std::vector<std::string> v) { return std::vector<std::string>(v.rbegin(), v.rend()); };
    enum Before { kNothing, kOtherProject, kSameProject };  // chosen before the click, then "Reports"
    const struct {
      Before before;
      int column;
      std::vector<std::string> names;
    } sorts[] = {
        {kNothing, 1, byFolder},            // 1: ascending
        {kNothing, 1, reversed(byFolder)},  // 2: the same column again: descending
        {kNothing, 1, byFolder},            // 3: and again: ascending
        {kNothing, 0, byName},              // 4: another column: ascending
        {kOtherProject, 0, byName},         // 5: after another project, ascending whatever came before
        {kNothing, 0, reversed(byName)},    // 6
        {kNothing, 0, byName},              // 7
        {kSameProject, 0, reversed(byName)},  // 8: "Reports" chosen again changes nothing
    };
    kit::SelectRows(w.files, {0});
    for (std::size_t i = 0; i < std::size(sorts); ++i) {
      SCOPED_TRACE("sort " + std::to_string(i + 1));
      if (sorts[i].before == kSameProject) kit::ClickListRow(w.projects, 1);
      if (sorts[i].before == kOtherProject) {
        kit::ClickListRow(w.projects, 2);
        kit::ClickListRow(w.projects, 1);
        const std::vector<std::string> before = names();
        kit::SelectRows(w.files,
                        {static_cast<int>(std::find(before.begin(), before.end(), "zeta.pdf") - before.begin())});
      }
      kit::ClickColumn(w.files, sorts[i].column);
      EXPECT_EQ(names(), sorts[i].names);
      const auto zeta = std::find(sorts[i].names.begin(), sorts[i].names.end(), "zeta.pdf") - sorts[i].names.begin();
      EXPECT_EQ(kit::SelectedRows(w.files), std::vector<int>{static_cast<int>(zeta)});
    }
    kit::ClickListRow(w.projects, 0);
    ExpectProjects(story, w, entries, 0);
  });
  EXPECT_EQ(ReadFile(ProjectFile()), kProjectFile) << "Cancel after sorting changed the file";

  // A sort of another project: OK saves it, and offers no reload.
  OpenWindow(story, IDOK, [&](const Page& w) {
    kit::ClickListRow(w.projects, 1);
    kit::ClickColumn(w.files, 0);
  });
  EXPECT_EQ(Profile("Reports", "0"), "/C/work/a/alpha.pdf?PAGE=5");
  EXPECT_EQ(Profile("Reports", "2"), "/C/work/b/zeta.pdf?PAGE=2");
  EXPECT_EQ(Profile("Reports", "ActiveArticleIndex"), "0") << "the active file moves with its entry";
  EXPECT_EQ(Profile("CURRENT OPENED FILES", "OpenNum"), "2");

  // A sort of the default project: OK saves, then offers to reload it in its
  // new order; Yes closes the documents and opens them in that order.
  OpenWindow(story, kScriptCloses, [&](const Page& w) {
    // The last click of the last opening was an ascending one on this column.
    kit::ClickColumn(w.files, 0);
    EXPECT_EQ(kit::RowText(w.files, 0, 0), "second.pdf");
    PressOkAndAnswerReload(w, IDYES);
  });
  EXPECT_EQ(Profile("CURRENT OPENED FILES", "0").rfind(standin::DIPathFromWindowsPath(second) + "?", 0), 0u);
  const std::vector<AVDoc> docs = story.OpenDocuments();
  const auto path = [&](int i) { return story.State(docs[i]).path; };
  EXPECT_EQ(Each(docs.size(), path), (std::vector<std::string>{second, first}));
  ExpectHostClean(story);
}

// The name dialog titled `caption`, checked to propose `proposed` with all of it selected.
HWND WaitForNameDialog(const std::string& caption, const std::string& proposed) {
  const HWND dialog = kit::WaitForWindow(caption, "#32770");
  const HWND edit = kit::Find(dialog, IDC_PROJECT_NAME);
  EXPECT_EQ(kit::Text(edit), proposed);
  DWORD from = 1, to = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(std::to_string(from) + "-" + std::to_string(to), "0-" + std::to_string(proposed.size())) << "selected";
  return dialog;
}

void TypeName(HWND dialog, const std::string& name) {
  SetWindowTextA(kit::Find(dialog, IDC_PROJECT_NAME), name.c_str());
  kit::Click(dialog, IDOK);
}

// The name New Project proposes: the date in UTC and the number of projects.
std::string ProposedName(int projects) {
  SYSTEMTIME now{};
  GetSystemTime(&now);
  return std::to_string(now.wMonth) + "/" + std::to_string(now.wDay) + "/" + std::to_string(now.wYear) + " Project" +
         std::to_string(projects);
}

// A project's section of the project file, with files "<dir>/<name><i>.pdf?PAGE=<i>".
std::string Section(const std::string& name, int active, const std::string& dir, int files) {
  std::string text = "[" + name + "]\r\nActiveArticleIndex=" + std::to_string(active) + "\r\nOpenNum=" +
                     std::to_string(files) + "\r\n";
  for (int i = 0; i < files; ++i)
    text += std::to_string(i) + "=" + dir + std::to_string(i) + ".pdf?PAGE=" + std::to_string(i) + "\r\n";
  return text;
}

std::string ProjectList(const std::vector<std::string>& names) {
  std::string text = "[PROJECT_NAME]\r\nPROJECT_NUM=" + std::to_string(names.size()) + "\r\n";
  for (std::size_t i = 0; i < names.size(); ++i) text += std::to_string(i) + "=" + names[i] + "\r\n";
  return text;
}

bool LastRowShown(HWND fileList) {
  const auto top = SendMessageA(fileList, LVM_GETTOPINDEX, 0, 0);
  return top + SendMessageA(fileList, LVM_GETCOUNTPERPAGE, 0, 0) >= kit::RowCount(fileList);
}

constexpr char kDeleteQuestion[] = "This project's PDF infomation will be lost!\nAre you sure?";

TEST_F(Window, ProjectCommandsNameMoveAndRemoveProjects) {
  HostStory story;
  Start(story);
  // A: two files, the second active. B: fifteen, more than the list shows,
  // two of them also in A.
  WriteFile(ProjectFile(),
             ProjectList({"CURRENT OPENED FILES", "A", "B"}) + Section("A", 1, "/C/a/", 2) + Section("B", 0, "/C/a/", 15));
  story.OpenFile(pdfs_.Pdf("first.pdf", 2));
  story.OpenFile(pdfs_.Pdf("second.pdf", 2));
  const std::string n254(254, 'n');
  OpenWindow(story, kScriptCloses, [&](const Page& w) {
    std::vector<std::string> entries;
    const auto click = [&](int project, int button) {
      kit::ClickListRow(w.projects, project);
      kit::Click(w.page, button);
    };
    const auto newProject = [&](int projects) {
      kit::Click(w.page, IDC_NEW_PROJECT);
      return WaitForNameDialog("New Project", ProposedName(projects));
    };
    const auto rename = [&](int project, const std::string& from, const std::string& to) {
      kit::ClickListRow(w.projects, project, true);
      TypeName(WaitForNameDialog("Rename Project", from), to);
    };
    // Only spaces: the field is cleared and the dialog stays; leading spaces
    // go, trailing ones stay; 300 characters give 254.
    HWND dialog = newProject(3);
    TypeName(dialog, "   ");
    EXPECT_EQ(kit::Text(kit::Find(dialog, IDC_PROJECT_NAME)), "");
    TypeName(dialog, "   abc");
    kit::WaitUntilGone(dialog);
    TypeName(newProject(4), "xyz   ");
    entries = {"CURRENT OPENED FILES (2)", "A (2)", "B (15)", "abc (0)", "xyz    (0)"};
    ExpectProjects(story, w, entries, 4);
    rename(3, "abc", std::string(300, 'n'));
    entries[3] = n254 + " (0)";
    ExpectProjects(story, w, entries, 3);

    // Refused: a name a project has (in other letter case, or once the file
    // has read away blanks and quotes), and names the file cannot bring back,
    // for which the dialog stays open until Escape.
    const char kExists[] = "The project name has existed, please choose another!";
    const char kCannotSave[] =
        "The project name cannot be saved, please choose another!\nA name cannot hold \"]\" or a line break, nor be "
        "PROJECT_NAME.";
    const char kEmpty[] = "The project name is empty without its quotes and blanks, please choose another!";
    const std::pair<std::string, const char*> refused[] = {{"b", kExists},          {"'XYZ'", kExists},
                                                           {"a]b", kCannotSave},   {"Project_Name", kCannotSave},
                                                           {"two\r\nlines", kCannotSave}, {"\"\"", kEmpty}};
    for (std::size_t row = 0; row < std::size(refused); ++row) {
      SCOPED_TRACE("refused name " + std::to_string(row));
      dialog = newProject(5);
      TypeName(dialog, refused[row].first);
      kit::AnswerBox("Warning", refused[row].second, IDI_EXCLAMATION, IDOK);
      if (refused[row].second != kExists) {
        ASSERT_TRUE(IsWindow(dialog) && kit::Visible(dialog)) << "the dialog stays open";
        PostMessageA(kit::Find(dialog, IDC_PROJECT_NAME), WM_KEYDOWN, VK_ESCAPE, 0);
      }
      kit::WaitUntilGone(dialog);
    }
    // Rename: never the default project; not to its own name in other case.
    kit::ClickListRow(w.projects, 0, true);
    EXPECT_FALSE(kit::WindowShown("Rename Project"));
    rename(1, "A", "a");
    kit::AnswerBox("Warning", kExists, IDI_EXCLAMATION, IDOK);
    ExpectProjects(story, w, entries, 1);
    rename(1, "A", "Notes (old)");
    entries[1] = "Notes (old) (2)";
    ExpectProjects(story, w, entries, 1);

    // Paste with nothing cut or copied: nothing. The default project cut: its
    // rows look cut; pasted into project 1, all of them move.
    kit::Click(w.page, IDC_PASTE_PROJECT);
    click(0, IDC_CUT_PROJECT);
    for (int row = 0; row < 2; ++row) EXPECT_EQ(kit::RowState(w.files, row, LVIS_CUT), LVIS_CUT) << row;
    click(1, IDC_PASTE_PROJECT);
    entries[0] = "CURRENT OPENED FILES (0)";
    entries[1] = "Notes (old) (4)";
    ExpectProjects(story, w, entries, 1);
    EXPECT_EQ(kit::SelectedRows(w.files), (std::vector<int>{2, 3}));
    EXPECT_EQ(kit::RowState(w.files, 3, LVIS_CUT), 0u);

    // Project 1 copied: not into itself; into B only what B lacks, the
    // pasted rows selected and shown; a second time nothing; the file list's
    // Paste does the same.
    kit::Click(w.page, IDC_COPY_PROJECT);
    kit::Click(w.page, IDC_PASTE_PROJECT);
    kit::AnswerBox("Warning", "Cannot paste to the same project!", IDI_INFORMATION, IDOK);
    const struct {
      int project, button, rows;
      std::vector<int> selected;
    } pastes[] = {{2, IDC_PASTE_PROJECT, 17, {15, 16}}, {2, IDC_PASTE_PROJECT, 17, {}},
                  {3, IDC_PASTE_FILES, 4, {0, 1, 2, 3}}, {0, IDC_PASTE_PROJECT, 4, {0, 1, 2, 3}}};
    for (const auto& paste : pastes) {
      SCOPED_TRACE("paste into project " + std::to_string(paste.project));
      click(paste.project, paste.button);
      EXPECT_EQ(kit::RowCount(w.files), paste.rows);
      EXPECT_EQ(kit::SelectedRows(w.files), paste.selected);
      EXPECT_TRUE(LastRowShown(w.files));
    }
    entries = {"CURRENT OPENED FILES (4)", "Notes (old) (4)", "B (17)", n254 + " (4)", "xyz    (0)"};
    ExpectProjects(story, w, entries, 0);

    // Deleting project 2 of five, with files, after copying project 3:
    // Cancel keeps it; OK deletes it, the project that moves in is selected,
    // and the copy still pastes from it.
    click(3, IDC_COPY_PROJECT);
    click(2, IDC_DELETE_PROJECT);
    kit::AnswerBox("Warning", kDeleteQuestion, IDI_EXCLAMATION, IDCANCEL);
    ExpectProjects(story, w, entries, 2);
    kit::Click(w.page, IDC_DELETE_PROJECT);
    kit::AnswerBox("Warning", kDeleteQuestion, IDI_EXCLAMATION, IDOK);
    entries.erase(entries.begin() + 2);
    ExpectProjects(story, w, entries, 2);
    EXPECT_EQ(kit::RowCount(w.files), 4);
    click(3, IDC_PASTE_PROJECT);
    entries[3] = "xyz    (4)";

    // Deleting the last of five, copied and empty: no question, the new last
    // is current, a sort sorts it; a paste then finds nothing to take.
    // Being the widest, it lets the list scroll further until it goes.
    const auto extent = [&] { return SendMessageA(w.projects, LB_GETHORIZONTALEXTENT, 0, 0); };
    const LRESULT before = extent();
    TypeName(newProject(4), std::string(250, 'W'));
    EXPECT_GT(extent(), before);
    click(4, IDC_COPY_PROJECT);
    kit::Click(w.page, IDC_DELETE_PROJECT);
    ExpectProjects(story, w, entries, 3);
    EXPECT_EQ(extent(), before);
    kit::ClickColumn(w.files, 0);
    const std::string folder = pdfs_.Path("").substr(0, pdfs_.Path("").size() - 1);
    EXPECT_EQ(Rows(w.files), (std::vector<std::string>{"0.pdf | C:\\a", "1.pdf | C:\\a | active",
                                                        "first.pdf | " + folder, "second.pdf | " + folder}));
    click(1, IDC_PASTE_PROJECT);
    EXPECT_EQ(kit::ListText(w.projects, 1), "Notes (old) (4)");
    // The default project: its button is off, the command itself is refused.
    kit::ClickListRow(w.projects, 0);
    PostMessageA(w.page, WM_COMMAND, IDC_DELETE_PROJECT, 0);
    kit::AnswerBox("Warning", "Default project cannot be removed!", IDI_HAND, IDOK);
    ExpectProjects(story, w, entries, 0);
    kit::ClickListRow(w.projects, 3);
    kit::Screenshot(w.sheet, "quendle_project_commands");

    // The paste into the default project makes OK offer its reload.
    PressOkAndAnswerReload(w, IDCANCEL);
  });
  EXPECT_EQ(Profile("PROJECT_NAME", "PROJECT_NUM") + " " + Profile("PROJECT_NAME", "3"), "4 xyz");
  EXPECT_EQ(Profile("xyz", "1"), "/C/a/1.pdf?PAGE=1") << "view states kept";
  EXPECT_EQ(story.OpenDocuments().size(), 2u);

  // "xyz   " comes back as xyz. On a full store New Project says so.
  OpenWindow(story, IDCANCEL, [&](const Page& w) {
    EXPECT_EQ(kit::ListText(w.projects, 3), "xyz (4)");
    // Every other project deleted: the default one is left, its button off.
    for (int project = 3; project > 0; --project) {
      kit::ClickListRow(w.projects, project);
      kit::Click(w.page, IDC_DELETE_PROJECT);
      kit::AnswerBox("Warning", kDeleteQuestion, IDI_EXCLAMATION, IDOK);
    }
    ExpectProjects(story, w, {"CURRENT OPENED FILES (2)"}, 0);
  });
  std::vector<std::string> names = {"CURRENT OPENED FILES"};
  for (int i = 1; i < 256; ++i) names.push_back("P" + std::to_string(i));
  WriteFile(ProjectFile(), ProjectList(names));
  OpenWindow(story, IDCANCEL, [&](const Page& w) {
    kit::Click(w.page, IDC_NEW_PROJECT);
    kit::AnswerBox("Warning", "The project list is full (256 projects), please delete a project first!", IDI_HAND,
                   IDOK);
    EXPECT_EQ(kit::ListCount(w.projects), 256);
  });
  ExpectHostClean(story);
}

std::vector<UINT> CutLooks(HWND list) {
  return Each(kit::RowCount(list), [&](int row) { return UINT{kit::RowState(list, row, LVIS_CUT) != 0}; });
}

TEST_F(Window, FileCommandsAddRemoveAndMarkFiles) {
  HostStory story;
  Start(story);
  WriteFile(ProjectFile(), ProjectList({"CURRENT OPENED FILES", "Files", "Full"}) + "[Files]\r\nOpenNum=0\r\n" +
                                Section("Full", -1, "/C/full/", 255));
  const std::string folder = pdfs_.Path("").substr(0, pdfs_.Path("").size() - 1);
  for (const char* name : {"one.pdf", "two.pdf", "three.pdf", "four.pdf", "five.pdf", "six.pdf"}) pdfs_.Pdf(name, 1);
  // Many long names: more than the Open dialog's buffer holds.
  std::string tooMany;
  for (int i = 0; i < 40; ++i) tooMany += "\"" + pdfs_.Pdf(std::string(100, 'l') + std::to_string(i) + ".pdf", 1).substr(folder.size() + 1) + "\" ";
  const std::string root[] = {"C:\\vellora-root-a.pdf", "C:\\vellora-root-b.pdf"};
  for (const std::string& path : root) ASSERT_TRUE(standin::WriteSamplePdf(path, 1));
  OpenWindow(story, IDOK, [&](const Page& w) {
    const auto add = [&](const std::string& in, const std::string& names) {
      kit::Click(w.page, IDC_ADD_FILES);
      kit::FillOpenDialog("Open File", names, in);
    };
    // The rows shown, those selected, and the project's count.
    const auto expectRows = [&](const std::vector<std::string>& rows, const std::vector<int>& selected,
                                Where where = Where::current()) {
      const testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()), "the file list");
      EXPECT_EQ(Rows(w.files), rows);
      EXPECT_EQ(kit::SelectedRows(w.files), selected);
      EXPECT_EQ(kit::ListText(w.projects, kit::ListSelection(w.projects)),
                (kit::ListSelection(w.projects) == 1 ? "Files (" : "Full (") + std::to_string(rows.size()) + ")");
    };
    const auto row = [&](const std::string& name) { return name + " | " + folder; };
    // One file, then three of which one is there; two of the root folder.
    kit::ClickListRow(w.projects, 1);
    add("", pdfs_.Path("one.pdf"));
    expectRows({row("one.pdf")}, {0});
    add(folder, "\"one.pdf\" \"two.pdf\" \"three.pdf\"");
    expectRows({row("one.pdf"), row("two.pdf"), row("three.pdf")}, {1, 2});
    add("C:\\", "\"vellora-root-a.pdf\" \"vellora-root-b.pdf\"");
    const std::string rootA = "vellora-root-a.pdf | C:", rootB = "vellora-root-b.pdf | C:";
    expectRows({row("one.pdf"), row("two.pdf"), row("three.pdf"), rootA, rootB}, {3, 4});
    // Rows 1 and 3 of five deleted; a name in other letter case added.
    kit::SelectRows(w.files, {1, 3});
    kit::Click(w.page, IDC_DELETE_FILES);
    expectRows({row("one.pdf"), row("three.pdf"), rootB}, {});
    add(folder, "\"ONE.PDF\"");
    expectRows({row("one.pdf"), row("three.pdf"), rootB, row("ONE.PDF")}, {3});

    // Sorted by "Path", Delete PDFs removes the file its row shows.
    kit::ClickColumn(w.files, 1);
    std::vector<std::string> sorted = Rows(w.files);
    const auto three = std::find(sorted.begin(), sorted.end(), row("three.pdf"));
    ASSERT_NE(three, sorted.end());
    EXPECT_EQ(sorted.front(), rootB);
    kit::SelectRows(w.files, {static_cast<int>(three - sorted.begin())});
    kit::Click(w.page, IDC_DELETE_FILES);
    sorted.erase(three);
    expectRows(sorted, {});

    // Cut rows 0 and 2, then row 1 alone: only row 1 looks cut. A copy of
    // no rows leaves nothing to paste.
    // Rows chosen and a command on them: then which rows look cut.
    const auto mark = [&](const std::vector<int>& rows, int button, const std::vector<UINT>& looks,
                          Where where = Where::current()) {
      kit::SelectRows(w.files, rows);
      kit::Click(w.page, button);
      EXPECT_EQ(CutLooks(w.files), looks) << "line " << where.line();
    };
    mark({0, 2}, IDC_CUT_FILES, {1, 0, 1});
    mark({1}, IDC_CUT_FILES, {0, 1, 0});
    kit::SelectRows(w.files, {});
    kit::Screenshot(w.sheet, "quendle_cut_look");
    // A copy, of the project or of rows, has no look; rows cut before lose theirs.
    mark({}, IDC_COPY_PROJECT, {0, 0, 0});
    mark({2}, IDC_COPY_FILES, {0, 0, 0});
    mark({}, IDC_COPY_FILES, {0, 0, 0});
    kit::ClickListRow(w.projects, 2);
    kit::Click(w.page, IDC_PASTE_FILES);
    // A full project takes what fits and says what was left out; a choice
    // the dialog's buffer cannot hold adds nothing and says so.
    add(folder, "\"four.pdf\" \"five.pdf\" \"six.pdf\" \"" + std::string("one.pdf") + "\"");
    kit::AnswerBox("Warning", "A project holds at most 256 PDF files: 3 of the chosen files were not added!", IDI_HAND, IDOK);
    EXPECT_EQ(kit::ListText(w.projects, 2), "Full (256)");
    EXPECT_EQ(kit::SelectedRows(w.files), std::vector<int>{255});
    kit::ClickListRow(w.projects, 1);
    add(folder, tooMany);
    kit::AnswerBox("Warning", "Too many PDF files were chosen at once, please add them in smaller groups!", IDI_HAND, IDOK);
    EXPECT_EQ(kit::RowCount(w.files), 3);
    // Two rows cut and pasted into the full project with room for one: one
    // moves, the other stays marked, and the paste says so.
    mark({0, 1}, IDC_CUT_FILES, {1, 1, 0});
    kit::ClickListRow(w.projects, 2);
    kit::SelectRows(w.files, {0});
    kit::Click(w.page, IDC_DELETE_FILES);
    kit::Click(w.page, IDC_PASTE_FILES);
    kit::AnswerBox("Warning", "A project holds at most 256 PDF files: 1 of the files were not pasted!", IDI_HAND, IDOK);
    EXPECT_EQ(kit::ListText(w.projects, 2), "Full (256)");
    kit::ClickListRow(w.projects, 1);
    EXPECT_EQ(CutLooks(w.files), (std::vector<UINT>{1, 0}));
    // The default project's files are not cut.
    kit::ClickListRow(w.projects, 0);
    kit::Click(w.page, IDC_CUT_FILES);
    kit::AnswerBox("Warning", "Default project cannot be cut!", IDI_HAND, IDOK);
    // Pasting into other projects than the default one: no offer to reload it.
  });
  EXPECT_EQ(Profile("Files", "OpenNum") + " " + Profile("Full", "255"), "2 /C/vellora-root-b.pdf?");
  for (const std::string& path : root) DeleteFileA(path.c_str());
  ExpectHostClean(story);
}

// The open documents' file names, in "Window" menu order, the front one marked.
std::string OpenNames(HostStory& story) {
  std::string names;
  for (const AVDoc doc : story.OpenDocuments()) {
    const standin::DocumentState state = story.State(doc);
    names += standin::FileName(state.path) + (state.front ? "* " : " ");
  }
  return names;
}

// The view of file i as stored and as shown: page i+1, zoom 2+i, spot (10i, 20i).
std::string StoredState(int i) {
  return "PAGE=" + std::to_string(i + 1) + "&ZOOM_TYPE-VALUE=1:" + std::to_string(65536 * (i + 2)) +
         ".000000&TOPSPOT_LEFT-TOP=" + std::to_string(10 * i) + ":" + std::to_string(20 * i);
}
std::string ShownState(const standin::DocumentState& state) {
  return "PAGE=" + std::to_string(state.view.page) + "&ZOOM_TYPE-VALUE=" + std::to_string(state.view.zoomType) + ":" +
         std::to_string(state.view.zoom) + ".000000&TOPSPOT_LEFT-TOP=" + std::to_string(state.rect.left) + ":" +
         std::to_string(state.rect.top);
}

HostStory* idling = nullptr;
void CALLBACK IdleInTheWindow(HWND, UINT, UINT_PTR, DWORD) {
  if (!kit::WindowShown(kSheet)) return;  // the test's own loop after the window: not the host's idle
  for (const standin::IdleProc& idle : idling->Host().Idle().All())
    idling->Host().CallPlugIn("IdleProc", {}, reinterpret_cast<AVIdleProc>(idle.proc), idle.clientData);
}

TEST_F(Window, LoadProjectAndOpenPdfsOpenTheFilesWithTheirViews) {
  HostStory story;
  Start(story);
  std::string pdf[4];
  for (int i = 0; i < 4; ++i) pdf[i] = standin::DIPathFromWindowsPath(pdfs_.Pdf(std::string(1, 'a' + i) + ".pdf", 5));
  const auto entry = [&](int key, int file) {
    return std::to_string(key) + "=" + pdf[file] + "?" + StoredState(file) + "\r\n";
  };
  const std::string projects = ProjectList({"CURRENT OPENED FILES", "Work", "Broken", "Single"}) +
                               "[Work]\r\nActiveArticleIndex=2\r\nOpenNum=4\r\n" + entry(0, 0) + entry(1, 1) +
                               entry(2, 2) + entry(3, 3) + "[Broken]\r\nActiveArticleIndex=2\r\nOpenNum=4\r\n" +
                               entry(0, 0) + "1=/C//bad.pdf?\r\n" + entry(2, 2) + entry(3, 3) +
                               "[Single]\r\nActiveArticleIndex=-1\r\nOpenNum=1\r\n" + entry(0, 2);
  WriteFile(ProjectFile(), projects);
  story.OpenFile(pdfs_.Pdf("x.pdf", 2));
  const auto expectProjectsKept = [&] {
    for (const auto& [section, key, file] : {std::tuple{"Work", 1, 1}, {"Work", 3, 3}, {"Broken", 2, 2}})
      EXPECT_EQ(Profile(section, std::to_string(key)), pdf[file] + "?" + StoredState(file)) << section << key;
  };
  OpenWindow(story, IDOK, [&](const Page& w) {
    // Load Project with the question answered (and a warning, if one is
    // given); then the documents open, the files of the default project, and
    // the loaded project still the current one.
    const auto load = [&](int project, int answer, const std::string& names, int defaultFiles,
                          const char* warning = nullptr, Where where = Where::current()) {
      const testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()), "load");
      kit::ClickListRow(w.projects, project);
      kit::Click(w.page, IDC_LOAD_PROJECT);
      kit::AnswerBox("Load project", "Do you wish to close the current open files, then load the new project?",
                     IDI_EXCLAMATION, answer);
      if (warning != nullptr) kit::AnswerBox("Warning", warning, IDI_HAND, IDOK);
      SendMessageA(w.page, WM_NULL, 0, 0);  // the command has ended
      EXPECT_FALSE(kit::WindowShown("Warning"));
      EXPECT_EQ(OpenNames(story), names);
      const std::string current = "CURRENT OPENED FILES (" + std::to_string(defaultFiles) + ")";
      ExpectProjects(story, w, {current, "Work (4)", "Broken (4)", "Single (1)"}, project);
    };
    load(1, IDCANCEL, "x.pdf* ", 1);
    // No: the open documents stay and come first, so the active index points
    // at another one.
    load(1, IDNO, "x.pdf a.pdf b.pdf* c.pdf d.pdf ", 5);
    // Yes: all closed, the default project emptied, then each file opened
    // with its view, the active one in front.
    load(1, IDYES, "a.pdf b.pdf c.pdf* d.pdf ", 4);
    const std::vector<AVDoc> docs = story.OpenDocuments();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ShownState(story.State(docs[i])), StoredState(i)) << "file " << i;
    // A document kept open when the user is asked stays open; a path the
    // host cannot use is one warning, the others open, and the active file
    // is found among those that opened.
    story.KeepOpenWhenAsked(docs[0]);
    load(2, IDYES, "a.pdf c.pdf* d.pdf ", 3, "Wrong path or file name, cannot open");
    story.KeepOpenWhenAsked(docs[0], false);
    // No active file: nothing is brought to the front by the plug-in.
    const std::size_t executed = story.Log().Count("AVMenuItemExecute");
    load(3, IDYES, "c.pdf* ", 1);
    EXPECT_EQ(story.Log().Count("AVMenuItemExecute"), executed);
    // The default project sorted, then loaded: kept, and OK offers no reload.
    kit::ClickListRow(w.projects, 0);
    kit::ClickColumn(w.files, 0);
    load(0, IDYES, "c.pdf* ", 1);
  });
  expectProjectsKept();
  OpenWindow(story, kScriptCloses, [&](const Page& w) {
    // Open PDFs with rows 3 and 1 selected: row 1 first, nothing asked or closed.
    kit::ClickListRow(w.projects, 1);
    kit::SelectRows(w.files, {3, 1});
    kit::Click(w.page, IDC_OPEN_FILES);
    SendMessageA(w.page, WM_NULL, 0, 0);
    EXPECT_EQ(OpenNames(story), "c.pdf b.pdf d.pdf* ");
    EXPECT_EQ(kit::ListText(w.projects, 0), "CURRENT OPENED FILES (3)");
    // The default project changed, another project selected: OK and Yes
    // open the default project's files.
    kit::ClickListRow(w.projects, 0);
    kit::ClickColumn(w.files, 0);
    kit::ClickListRow(w.projects, 2);
    PressOkAndAnswerReload(w, IDYES);
  });
  EXPECT_EQ(OpenNames(story), "b.pdf c.pdf d.pdf* ");
  expectProjectsKept();
  // What the window opens, it opens with nothing saved (Cancel), even by a
  // host that calls the idle procedure from the window's loop (a timer here;
  // the stand-in does not); once it is closed, the reader's idle saves the
  // open documents.
  idling = &story;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, IdleInTheWindow);
  OpenWindow(story, IDCANCEL, [&](const Page& w) {
    kit::ClickListRow(w.projects, 1);
    kit::SelectRows(w.files, {0});
    kit::Click(w.page, IDC_OPEN_FILES);
    Sleep(600);
    EXPECT_EQ(Profile("CURRENT OPENED FILES", "OpenNum"), "3");
  });
  KillTimer(nullptr, timer);
  EXPECT_EQ(Profile("CURRENT OPENED FILES", "OpenNum"), "3");
  story.IdleFor(800);
  EXPECT_EQ(Profile("CURRENT OPENED FILES", "OpenNum"), "4");
  EXPECT_EQ(Profile("CURRENT OPENED FILES", "3").rfind(pdf[0] + "?", 0), 0u);
  expectProjectsKept();
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

TEST_F(Window, HelpFindsTheFolderAndTheControlAndGivesUpOnAControlThatCannotBeLoaded) {
  const std::string probe = standin::WinePathFromLinux(VELLORA_HELP_CONTROL);
  {
    // No install key; the registered control and "hhctrl.ocx" cannot be loaded.
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kInstallKey);
    SetRegistryText(HKEY_CLASSES_ROOT, kHelpClassKey, nullptr, "C:\\nowhere\\hhctrl.ocx");
    LoadHelpControlAs("");
    HostStory story;
    Start(story);
    OpenWindow(story, IDCANCEL, [&](const Page& w) {
      for (int press = 0; press < 2; ++press) {
        kit::Click(w.sheet, IDHELP);
        kit::AnswerBox("Error", SystemErrorText(ERROR_FILE_NOT_FOUND), IDI_INFORMATION, IDOK);
      }
      // Now all is in place, but a control that failed is not tried again.
      SetRegistryText(HKEY_LOCAL_MACHINE, kInstallKey, "InstallPath", kInstallFolder);
      SetRegistryText(HKEY_CLASSES_ROOT, kHelpClassKey, nullptr, probe);
      LoadHelpControlAs(nullptr);
      kit::Click(w.sheet, IDHELP);
      EXPECT_FALSE(kit::WindowShown("Error"));
    });
    EXPECT_TRUE(HelpCalls(probe).empty());
  }
  {
    // The next run of the reader: the registered control; each page asks for
    // its own topic.
    HostStory story;
    Start(story);
    HWND pages[2] = {};
    OpenWindow(story, IDCANCEL, [&](const Page& w) {
      pages[0] = w.page;
      kit::Click(w.sheet, IDHELP);
      kit::ShowPage(w.sheet, 1);
      pages[1] = reinterpret_cast<HWND>(SendMessageA(w.sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
      kit::Screenshot(w.sheet, "quendle_about");
      kit::Click(w.sheet, IDHELP);
      // A folder one character too long for the help path (260 with this
      // page's topic and no room for its end): refused, not cut.
      SetRegistryText(HKEY_LOCAL_MACHINE, kInstallKey, "InstallPath", "C:\\" + std::string(214, 'f'));
      kit::Click(w.sheet, IDHELP);
      kit::AnswerBox("Error", SystemErrorText(ERROR_FILENAME_EXCED_RANGE), IDI_INFORMATION, IDOK);
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
    OpenWindow(story, IDCANCEL, [&](const Page& w) {
      kit::Click(w.sheet, IDHELP);
      kit::AnswerBox("Error", SystemErrorText(ERROR_FILE_NOT_FOUND), IDI_INFORMATION, IDOK);
    });
    const std::vector<HelpProbeCall> calls = HelpCalls("hhctrl.ocx");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_STREQ(calls[0].path, "");
  }
}

// A list box whose entries claim more text than memory can hold.
LRESULT CALLBACK EndlessEntries(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == LB_GETTEXTLEN) return std::numeric_limits<LRESULT>::max();
  return DefWindowProcA(window, message, wParam, lParam);
}

// An error in a page's handler never unwinds through the platform's window
// code: the window closes and the error reaches the host.
TEST_F(Window, AnErrorWhileOpeningOrDrawingClosesTheWindowAndReachesTheHost) {
  HostStory story;
  Start(story);
  story.OpenFile(pdfs_.Pdf("first.pdf", 2));
  story.Faults().RaiseOnCall("AVAppEnumDocs", 1, kInjected);
  kit::Drive([&] { story.ClickToolButton("Vellora:FavoritePDFConfig"); }, [] {});
  ASSERT_TRUE(story.LastFailedCall().has_value());
  EXPECT_EQ(story.LastFailedCall()->code, kInjected);
  EXPECT_FALSE(kit::WindowShown(kSheet));
  EXPECT_EQ(GetFileAttributesA(ProjectFile().c_str()), INVALID_FILE_ATTRIBUTES);

  // A project list entry whose text cannot be held, drawn.
  standin::RegisterWindowClass("VelloraEndlessEntries", EndlessEntries, nullptr, nullptr);
  OpenWindow(story, kScriptCloses, [&](const Page& w) {
    const WindowHandle list(
        CreateWindowA("VelloraEndlessEntries", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr));
    DRAWITEMSTRUCT item{ODT_LISTBOX, IDC_PROJECT_LIST, 0, ODA_DRAWENTIRE, 0, list.get(), nullptr, {0, 0, 9, 9}, 0};
    SendMessageA(w.page, WM_DRAWITEM, IDC_PROJECT_LIST, reinterpret_cast<LPARAM>(&item));
    kit::WaitUntilGone(w.sheet);
  });
  EXPECT_EQ(story.LastFailedCall()->code, kErrGeneral);
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
    OpenWindow(story, IDOK, [&](const Page& w) {
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
        EXPECT_EQ(std::count(shown.pixels.begin(), shown.pixels.end(), 0xFFFFFFFFu), 0) << "the text's cell painted white";
        // Without a font of its own the link is painted with the page's.
        SendMessageA(home, WM_SETFONT, 0, FALSE);
        EXPECT_TRUE(kit::Capture(home) == shown) << "painted with another font than the page's";
        // At most 49 characters are painted.
        const auto painted = [&](int characters) {
          SetWindowTextA(home, std::string(static_cast<std::size_t>(characters), 'i').c_str());
          return kit::Capture(home);
        };
        const kit::Picture first49 = painted(49);
        EXPECT_FALSE(painted(48) == first49);
        EXPECT_TRUE(painted(60) == first49) << "more than 49 characters painted";
      }
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
