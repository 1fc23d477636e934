// The plug-in's first job as a user lives it, through the real DLL: quit the
// reader with documents open, start it again, find them back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standin/interface/di_path.h"
#include "tests/support/checks.h"

namespace {

using standin::HostStory;
using standin::ViewSettings;
using support::ExpectHostClean;
using support::ExpectProfile;
using support::FrontPosition;
using support::kMissing;
using support::Profile;

constexpr char kDefault[] = "CURRENT OPENED FILES";

// A reader started with the plug-in (which restores what the file lists).
void Start(HostStory& story) { ASSERT_EQ(story.Start(support::PlugInDllPath()).initialized, true); }

TEST(Lifecycle, ThreeDocumentsQuitWithTheSecondInFrontComeBackAtTheNextStart) {
  const support::TempFolder folder;
  const std::string paths[] = {folder.Pdf("guide.pdf", 10), folder.Pdf("manual.pdf", 6), folder.Pdf("notes.pdf", 3)};
  // page, zoom type, zoom, left, top, layout mode, page mode, splitter
  const ViewSettings views[] = {
      {4, 0, 98304, -12, 0, 3, 2, 150}, {5, 2, 65536, 30, -40, 1, 3, 80}, {0, 1, 131072, 0, 7, 2, 1, 0}};
  {
    HostStory first;
    Start(first);
    std::vector<AVDoc> docs;
    for (int i = 0; i < 3; ++i) {
      docs.push_back(first.OpenFile(paths[i]));
      first.SetView(docs.back(), views[i]);
    }
    first.BringToFront(docs[1]);
    EXPECT_TRUE(first.AskToQuit());
    EXPECT_EQ(FrontPosition(first), 1) << "the document in front before the quit is in front again";
    ExpectHostClean(first);
  }
  EXPECT_EQ(GetFileAttributesA(support::UserProjectFile().c_str()), INVALID_FILE_ATTRIBUTES) << "an administrator's";
  ExpectProfile({{"PROJECT_NAME", "PROJECT_NUM", "1"},
                 {"PROJECT_NAME", "0", kDefault},
                 {kDefault, "ActiveArticleIndex", "1"},
                 {kDefault, "OpenNum", "3"}});
  for (int i = 0; i < 3; ++i) {
    const std::string entry = Profile(kDefault, std::to_string(i));
    EXPECT_EQ(entry.rfind(standin::DIPathFromWindowsPath(paths[i]) + "?ALLSTATE=", 0), 0u) << entry;
    EXPECT_NE(entry.find("&PAGE=" + std::to_string(views[i].page) + "&"), std::string::npos) << entry;
  }

  HostStory next;
  Start(next);
  const std::vector<AVDoc> restored = next.OpenDocuments();
  ASSERT_EQ(restored.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(next.State(restored[i]).path, paths[i]);
    EXPECT_EQ(next.State(restored[i]).view, views[i]) << paths[i];
  }
  EXPECT_EQ(FrontPosition(next), 1);
  ExpectHostClean(next);
}

TEST(Lifecycle, QuitWithNoDocumentOpenEmptiesTheDefaultProjectAndKeepsTheOthers) {
  support::WriteFile(support::ProjectFile(),
                     "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n0=CURRENT OPENED FILES\r\n1=Manuals\r\n"
                     "[CURRENT OPENED FILES]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/Q/nowhere/old.pdf?PAGE=1\r\n"
                     "[Manuals]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/D/Manuals/Setup.pdf?\r\n");
  HostStory story;
  Start(story);
  ASSERT_TRUE(story.OpenDocuments().empty());
  story.Log().Clear();
  EXPECT_TRUE(story.AskToQuit());
  EXPECT_EQ(story.Log().Count("AVMenuItemExecute"), 0u) << "nothing to bring to the front";
  ExpectHostClean(story);
  story.Unload();
  ExpectProfile({{kDefault, "ActiveArticleIndex", "-1"},
                 {kDefault, "OpenNum", "0"},
                 {kDefault, "0", kMissing},
                 {"PROJECT_NAME", "PROJECT_NUM", "2"},
                 {"PROJECT_NAME", "1", "Manuals"},
                 {"Manuals", "0", "/D/Manuals/Setup.pdf?"}});
}

TEST(Lifecycle, OnlyTheFirstQuitRequestCapturesAndSaves) {
  const support::TempFolder folder;
  for (const bool hostMayQuit : {true, false}) {
    SCOPED_TRACE(hostMayQuit ? "the host may quit" : "the host's own answer is no");
    support::RemoveProjectFile();
    HostStory story;
    Start(story);
    story.SetHostCanQuit(hostMayQuit);
    const AVDoc doc = story.OpenFile(folder.Pdf("a.pdf", 5));
    story.SetView(doc, {2, 0, 65536, 0, 0, 1, 1, 0});
    EXPECT_EQ(story.AskToQuit(), hostMayQuit) << "the hook answers what the replaced entry answers";
    const std::string written = support::ReadFile(support::ProjectFile());
    EXPECT_NE(Profile(kDefault, "0").find("&PAGE=2&"), std::string::npos);
    // The user goes on reading, then asks to quit again.
    story.SetView(doc, {4, 0, 65536, 0, 0, 1, 1, 0});
    EXPECT_EQ(story.AskToQuit(), hostMayQuit);
    EXPECT_EQ(story.Log().Count("AVAppEnumDocs"), 1u) << "captured once";
    EXPECT_EQ(support::ReadFile(support::ProjectFile()), written) << "written once";
    ExpectHostClean(story);
  }
}

// Which document a capture stores as the active one: a.pdf, b.pdf and
// c.pdf open in that order, b.pdf made odd as the row says, one of them (or
// none) in front.
TEST(Lifecycle, TheActiveDocumentIsTheFrontOneByItsExactPathText) {
  enum Odd { kNone, kUntitled, kRespelled };  // b.pdf as it is / never saved / A.pdf, a's path in other letter case
  const struct {
    Odd odd;
    int front;  // -1: no document in front
    const char* openNum;
    const char* stored;  // ActiveArticleIndex
    int activeEntry;     // the entry carrying ACTIVE=TRUE, -1 none
    int frontAfter;
  } rows[] = {
      /* 0 */ {kUntitled, 1, "2", "0", -1, 0},
      /* 1 */ {kUntitled, 2, "2", "1", 1, 2},
      /* 2 */ {kUntitled, 0, "2", "0", 0, 0},
      /* 3 */ {kNone, -1, "3", "0", -1, 0},
      /* 4 */ {kRespelled, 1, "3", "1", 1, 1},
  };
  const support::TempFolder folder;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    support::RemoveProjectFile();
    HostStory story;
    Start(story);
    const std::vector<AVDoc> docs = {story.OpenFile(folder.Pdf("a.pdf", 2)), story.OpenFile(folder.Pdf("b.pdf", 2)),
                                     story.OpenFile(folder.Pdf("c.pdf", 2))};
    if (rows[i].odd == kUntitled) story.MakeUntitled(docs[1]);
    if (rows[i].odd == kRespelled) story.Respell(docs[1], folder.Path("A.pdf"));
    if (rows[i].front < 0) story.ClearFront();
    if (rows[i].front >= 0) story.BringToFront(docs[static_cast<std::size_t>(rows[i].front)]);
    EXPECT_TRUE(story.AskToQuit());
    ExpectProfile({{kDefault, "OpenNum", rows[i].openNum}, {kDefault, "ActiveArticleIndex", rows[i].stored}});
    for (int entry = 0; entry < 3; ++entry) {
      EXPECT_EQ(Profile(kDefault, std::to_string(entry)).ends_with("&ACTIVE=TRUE"), entry == rows[i].activeEntry)
          << "entry " << entry;
    }
    EXPECT_EQ(FrontPosition(story), rows[i].frontAfter);
    ExpectHostClean(story);
  }
}

}  // namespace
