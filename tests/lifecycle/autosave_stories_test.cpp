// The remembered documents kept current while the user works, through the
// real DLL in the stand-in host, in real time: a reader that ends without
// quitting (its host destroyed, the plug-in unloaded and nothing else, as
// far as the file can tell a kill) comes back at the next start as it was
// at the user's last pause; no save loses what the window or another
// program wrote to the file meanwhile.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "docstate/autosave_policy.h"
#include "res/resource_ids.h"
#include "tests/support/checks.h"
#include "ui/ui_kit.h"

namespace {

using namespace support;
using standin::HostStory;
using standin::ViewSettings;

constexpr char kDefault[] = "CURRENT OPENED FILES";
// The plug-in's idle procedure runs 4 times a second; a save takes two
// when the file changed since the last one (read, then saved).
constexpr DWORD kNextIdles = 800;
constexpr DWORD kUsersPause = 6000;  // at most 5 s from a change to its save

// A save brings no document to the front and changes no view.
void ExpectNothingMoved(HostStory& story, Where where = Where::current()) {
  const testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()), "nothing moved");
  for (const char* operation :
       {"AVMenuItemExecute", "AVPageViewGoTo", "AVPageViewZoomTo", "AVPageViewScrollTo", "AVPageViewSetLayoutMode",
        "AVDocSetViewMode", "AVDocSetSplitterPosition", "AVPageViewBeginOperation"})
    EXPECT_EQ(story.Log().Count(operation), 0u) << operation;
  EXPECT_EQ(story.Log().Count("AVAppEnumDocs"), 1u) << "one save";
}

int Number(const std::string& section, const char* key) { return std::atoi(Profile(section, key).c_str()); }

// The file as the profile functions read it: the default project's file
// names with their page (counted from 0), the front one marked "*", then
// each other project with its number of files.
std::string Saved() {
  std::string saved;
  for (int i = 0; i < Number(kDefault, "OpenNum"); ++i) {
    const std::string value = Profile(kDefault, std::to_string(i));
    const std::size_t end = value.find('?'), name = value.rfind('/', end) + 1, page = value.find("PAGE=") + 5;
    saved += (i == Number(kDefault, "ActiveArticleIndex") ? " *" : " ") + value.substr(name, end - name) + ":" +
             value.substr(page, value.find('&', page) - page);
  }
  for (int i = 1; i < Number("PROJECT_NAME", "PROJECT_NUM"); ++i) {
    const std::string project = Profile("PROJECT_NAME", std::to_string(i));
    saved += " | " + project + " " + std::to_string(Number(project, "OpenNum"));
  }
  return saved.substr(std::min<std::size_t>(saved.size(), 1));
}

TEST(Autosave, AReaderEndedWithoutQuittingComesBackAsAtTheUsersLastPause) {
  const TempFolder folder;
  const std::string paths[] = {folder.Pdf("a.pdf", 9), folder.Pdf("b.pdf", 9), folder.Pdf("c.pdf", 9),
                               folder.Pdf("d.pdf", 9)};
  // page, zoom type, zoom, left, top, layout mode, page mode, splitter
  const ViewSettings first{4, 0, 98304, -12, 0, 3, 2, 150}, paused{5, 2, 65536, 30, -40, 1, 3, 80},
      unsaved{7, 1, 131072, 0, 7, 2, 1, 0};
  // A project of the user's and another program's section, which every
  // save keeps.
  WriteFile(ProjectFile(),
            "[Other Program]\r\nsetting=1\r\n[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n0=CURRENT OPENED FILES\r\n1=Manuals\r\n"
            "[Manuals]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/D/Manuals/Setup.pdf?\r\n");
  std::string atThePause;
  {
    HostStory story;
    ASSERT_EQ(story.Start(PlugInDllPath()).initialized, true);
    std::vector<AVDoc> docs;
    for (const std::string& path : paths) {
      docs.push_back(story.OpenFile(path));
      story.SetView(docs.back(), first);
    }
    story.Log().Clear();
    story.IdleFor(kNextIdles);
    EXPECT_EQ(Saved(), "a.pdf:4 b.pdf:4 c.pdf:4 *d.pdf:4 | Manuals 1");
    ExpectNothingMoved(story);
    // A close, a view changed, another document brought to the front.
    story.Close(docs[3]);
    story.SetView(docs[1], paused);
    story.BringToFront(docs[0]);
    story.Log().Clear();
    story.IdleFor(kUsersPause);
    ExpectNothingMoved(story);
    atThePause = ReadFile(ProjectFile());
    EXPECT_EQ(Saved(), "*a.pdf:4 b.pdf:5 c.pdf:4 | Manuals 1");
    EXPECT_EQ(Profile("Other Program", "setting"), "1");
    // Read on in a.pdf, and the reader is gone before the next pause.
    story.SetView(docs[0], unsaved);
    ExpectHostClean(story);
  }
  ASSERT_EQ(ReadFile(ProjectFile()), atThePause);

  HostStory next;
  ASSERT_EQ(next.Start(PlugInDllPath()).initialized, true);
  const std::vector<AVDoc> restored = next.OpenDocuments();
  ASSERT_EQ(restored.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(next.State(restored[i]).path, paths[i]);
    EXPECT_EQ(next.State(restored[i]).view, i == 1 ? paused : first) << paths[i];
  }
  EXPECT_EQ(FrontPosition(next), 0);
  // The restore's own opens are no change to save.
  next.Log().Clear();
  next.IdleFor(kNextIdles);
  EXPECT_EQ(next.Log().Count("AVAppEnumDocs"), 0u);
  // The quit records what the save recorded at the pause, byte for byte.
  // The reader does not quit: what closes now is not saved, until a
  // document opens, which shows the quit did not happen.
  next.SetHostCanQuit(false);
  EXPECT_FALSE(next.AskToQuit());
  EXPECT_EQ(ReadFile(ProjectFile()), atThePause);
  next.Close(restored[2]);
  next.IdleFor(kNextIdles);
  EXPECT_EQ(ReadFile(ProjectFile()), atThePause);
  next.OpenFile(paths[3]);
  next.IdleFor(kNextIdles);
  EXPECT_EQ(Saved(), "a.pdf:4 b.pdf:5 *d.pdf:0 | Manuals 1");
  ExpectHostClean(next);
}

// In the window: the project in the list's second entry deleted, the project
// `name` made, OK.
void DeleteAndMakeAProjectInTheWindow(HostStory& story, const std::string& name) {
  kit::Drive([&] { EXPECT_TRUE(story.ClickToolButton("Vellora:FavoritePDFConfig")); },
             [&] {
               const HWND sheet = kit::WaitForWindow("Vellora v1.51");
               kit::ClickListRow(kit::Find(sheet, IDC_PROJECT_LIST), 1);
               kit::Click(sheet, IDC_DELETE_PROJECT);
               kit::AnswerBox("Warning", "This project's PDF infomation will be lost!\nAre you sure?", IDI_EXCLAMATION,
                              IDOK);
               kit::Click(sheet, IDC_NEW_PROJECT);
               const HWND dialog = kit::WaitForWindow("New Project", "#32770");
               SetWindowTextA(kit::Find(dialog, IDC_PROJECT_NAME), name.c_str());
               kit::Click(dialog, IDOK);
               kit::WaitUntilGone(dialog);
               kit::EndSheet(sheet, IDOK);
             });
}

// Each change the user makes alone is saved, an open or a close at once,
// and no save brings back or loses a project that the window saved or
// another program wrote since the saves last read the file. The last pause
// comes back after a kill.
TEST(Autosave, EachChangeIsSavedAloneAndKeepsWhatOthersWroteToTheFile) {
  const TempFolder folder;
  std::vector<std::string> paths;
  for (const char* name : {"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf"}) paths.push_back(folder.Pdf(name, 9));
  std::vector<AVDoc> docs(paths.size());
  WriteFile(
      ProjectFile(),
      "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n0=CURRENT OPENED FILES\r\n1=Old\r\n[Old]\r\nOpenNum=1\r\n0=/D/old.pdf?\r\n");
  {
    HostStory story;
    ASSERT_EQ(story.Start(PlugInDllPath()).initialized, true);
    for (int i = 0; i < 2; ++i) docs[i] = story.OpenFile(paths[i]);
    story.IdleFor(kNextIdles);  // the saves have read the file
    DeleteAndMakeAProjectInTheWindow(story, "Kept");
    // Another program's writes, each followed by a view change: a project
    // added; one renamed, the file's size kept.
    const auto addedThenAView = [&] {
      WritePrivateProfileStringA("PROJECT_NAME", "PROJECT_NUM", "3", ProjectFile().c_str());
      WritePrivateProfileStringA("PROJECT_NAME", "2", "Added", ProjectFile().c_str());
      WritePrivateProfileStringA("Added", "OpenNum", "1", ProjectFile().c_str());
      WritePrivateProfileStringA("Added", "0", "/D/added.pdf?", ProjectFile().c_str());
      story.SetView(docs[1], {2});
    };
    const auto renamedThenAView = [&] {
      std::string text = ReadFile(ProjectFile());
      for (std::size_t at; (at = text.find("Kept")) != std::string::npos;) text.replace(at, 4, "Kapt");
      WriteFile(ProjectFile(), text);
      story.SetView(docs[0], {4});
    };
    const auto closeThenOpen = [&](int closed, int opened, bool sameHandle) {
      if (sameHandle) story.Host().Docs().ReuseClosedHandles();
      story.Close(docs[closed]);
      docs[opened] = story.OpenFile(paths[opened]);
      EXPECT_EQ(docs[opened] == docs[closed], sameHandle) << "the closed document's handle";
    };
    const struct {
      const char* what;
      std::function<void()> does;
      bool atOnce;  // else at the user's pause
      const char* saved;
    } rows[] = {
        {"a view changed", [&] { story.SetView(docs[0], {3}); }, false, "a.pdf:3 *b.pdf:0 | Kept 0"},
        {"another in front", [&] { story.BringToFront(docs[0]); }, false, "*a.pdf:3 b.pdf:0 | Kept 0"},
        {"one opened", [&] { docs[2] = story.OpenFile(paths[2]); }, true, "a.pdf:3 b.pdf:0 *c.pdf:0 | Kept 0"},
        {"another program's project", addedThenAView, false, "a.pdf:3 b.pdf:2 *c.pdf:0 | Kept 0 | Added 1"},
        {"another program's rename", renamedThenAView, false, "a.pdf:4 b.pdf:2 *c.pdf:0 | Kapt 0 | Added 1"},
        {"one closed, one opened", [&] { closeThenOpen(2, 3, false); }, true,
         "a.pdf:4 b.pdf:2 *d.pdf:0 | Kapt 0 | Added 1"},
        {"the same, the closed one's handle given", [&] { closeThenOpen(3, 4, true); }, true,
         "a.pdf:4 b.pdf:2 *e.pdf:0 | Kapt 0 | Added 1"},
        {"one closed", [&] { story.Close(docs[4]); }, true, "a.pdf:4 *b.pdf:2 | Kapt 0 | Added 1"},
        {"another in front", [&] { story.BringToFront(docs[0]); }, false, "*a.pdf:4 b.pdf:2 | Kapt 0 | Added 1"},
    };
    for (std::size_t row = 0; row < std::size(rows); ++row) {
      SCOPED_TRACE("row " + std::to_string(row + 1) + ": " + rows[row].what);
      if (rows[row].atOnce) story.IdleFor(kAutosaveSpacing);  // the user reads
      rows[row].does();
      story.IdleFor(rows[row].atOnce ? kNextIdles : kUsersPause);
      EXPECT_EQ(Saved(), rows[row].saved);
    }
    ExpectHostClean(story);
  }
  HostStory next;
  ASSERT_EQ(next.Start(PlugInDllPath()).initialized, true);
  ASSERT_EQ(next.OpenDocuments().size(), 2u);
  EXPECT_EQ(next.State(next.OpenDocuments()[0]).path, paths[0]) << "in front";
  EXPECT_EQ(FrontPosition(next), 0);
  ExpectHostClean(next);
}

}  // namespace
