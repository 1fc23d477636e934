// The remembered documents kept current while the user works, through the
// real DLL in the stand-in host, in real time: a reader that ends without
// quitting (its host destroyed, the plug-in unloaded and nothing else, as
// far as the file can tell a kill) comes back at the next start as it was
// at the user's last pause.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standin/di_path.h"
#include "tests/support/checks.h"

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
    ExpectProfile({{kDefault, "OpenNum", "4"}, {kDefault, "ActiveArticleIndex", "3"}});
    ExpectNothingMoved(story);
    // A close, a view changed, another document brought to the front.
    story.Close(docs[3]);
    story.SetView(docs[1], paused);
    story.BringToFront(docs[0]);
    story.Log().Clear();
    story.IdleFor(kUsersPause);
    ExpectNothingMoved(story);
    atThePause = ReadFile(ProjectFile());
    ExpectProfile({{kDefault, "OpenNum", "3"},
                   {kDefault, "ActiveArticleIndex", "0"},
                   {"Manuals", "0", "/D/Manuals/Setup.pdf?"},
                   {"Other Program", "setting", "1"}});
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
  EXPECT_EQ(Profile(kDefault, "2").rfind(standin::DIPathFromWindowsPath(paths[3]) + "?", 0), 0u);
  ExpectProfile({{kDefault, "OpenNum", "3"}, {kDefault, "ActiveArticleIndex", "2"}});
  ExpectHostClean(next);
}

}  // namespace
