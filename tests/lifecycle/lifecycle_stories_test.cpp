// The plug-in's first job as a user lives it, through the real DLL: quit the
// reader with documents open, start it again, find them back.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "docstate/state_items.h"
#include "lifecycle/lifecycle_fixture.h"

namespace lifecycle {
namespace {

using standin::HostStory;
using standin::ViewSettings;

// The items of a stored entry's view-state string, by key.
std::map<std::string, std::string> StateItems(const std::string& entry) {
  std::map<std::string, std::string> items;
  const std::size_t question = entry.find('?');
  if (question == std::string::npos) return items;
  for (const StateItem& item : ParseViewStateString(std::string_view(entry).substr(question + 1)))
    items[std::string(item.key)] = std::string(item.value);
  return items;
}

class Lifecycle : public ::testing::Test {
 protected:
  void SetUp() override { RemoveProjectFile(); }
  void TearDown() override { RemoveProjectFile(); }

  // A reader started with the plug-in (which restores what the file lists).
  void Start(HostStory& story) { ASSERT_EQ(story.Start(PlugInDllPath()).initialized, true); }

  AVDoc Open(HostStory& story, const std::string& path, const ViewSettings& view) {
    const AVDoc doc = story.OpenFile(path);
    EXPECT_NE(doc, nullptr) << path;
    if (doc != nullptr) story.SetView(doc, view);
    return doc;
  }

  PdfFolder pdfs_;
};

TEST_F(Lifecycle, ThreeDocumentsQuitWithTheSecondInFrontComeBackAtTheNextStart) {
  const std::string paths[] = {pdfs_.Pdf("guide.pdf", 10), pdfs_.Pdf("manual.pdf", 6), pdfs_.Pdf("notes.pdf", 3)};
  // page, zoom type, zoom, left, top, layout mode, page mode, splitter
  const ViewSettings views[] = {
      {4, 0, 98304, -12, 0, 3, 2, 150},
      {5, 2, 65536, 30, -40, 1, 3, 80},
      {0, 1, 131072, 0, 7, 2, 1, 0},
  };
  {
    HostStory first;
    Start(first);
    std::vector<AVDoc> docs;
    for (int i = 0; i < 3; ++i) docs.push_back(Open(first, paths[i], views[i]));
    first.BringToFront(docs[1]);

    EXPECT_TRUE(first.AskToQuit());
    EXPECT_EQ(FrontPosition(first), 1) << "the document in front before the quit is in front again";
    ExpectHostClean(first);
    first.Unload();
  }

  EXPECT_EQ(Profile("PROJECT_NAME", "PROJECT_NUM"), "1");
  EXPECT_EQ(Profile("PROJECT_NAME", "0"), "CURRENT OPENED FILES");
  EXPECT_EQ(Profile(kDefaultSection, "ActiveArticleIndex"), "1");
  EXPECT_EQ(Profile(kDefaultSection, "OpenNum"), "3");
  for (int i = 0; i < 3; ++i) {
    const std::string entry = Profile(kDefaultSection, std::to_string(i));
    SCOPED_TRACE(entry);
    EXPECT_EQ(entry.rfind(standin::DIPathFromWindowsPath(paths[i]) + "?ALLSTATE=", 0), 0u);
    auto items = StateItems(entry);
    EXPECT_EQ(items["PAGE"], std::to_string(views[i].page));
    EXPECT_EQ(items["PAGEMODE"], std::to_string(views[i].pageMode));
    EXPECT_EQ(items["LAYOUTMODE"], std::to_string(views[i].layoutMode));
    EXPECT_EQ(items["SPLITTERPOSTION"], std::to_string(views[i].splitter));
    EXPECT_EQ(items["ZOOM_TYPE-VALUE"], std::to_string(views[i].zoomType) + ":" + std::to_string(views[i].zoom) + ".000000");
    EXPECT_EQ(items["TOPSPOT_LEFT-TOP"], std::to_string(views[i].left) + ":" + std::to_string(views[i].top));
    EXPECT_EQ(items.count("ACTIVE"), i == 1 ? 1u : 0u);
  }

  HostStory next;
  Start(next);
  const std::vector<AVDoc> restored = next.OpenDocuments();
  ASSERT_EQ(restored.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const standin::DocumentState state = next.State(restored[i]);
    EXPECT_EQ(state.path, paths[i]);
    EXPECT_EQ(state.view, views[i]) << state.path;
  }
  EXPECT_EQ(FrontPosition(next), 1);
  ExpectHostClean(next);
  next.Unload();
}

TEST_F(Lifecycle, QuitWithNoDocumentOpenEmptiesTheDefaultProjectAndKeepsTheOthers) {
  WriteBytes(ProjectFile(),
             "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n0=CURRENT OPENED FILES\r\n1=Manuals\r\n"
             "[CURRENT OPENED FILES]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/Q/nowhere/old.pdf?PAGE=1\r\n"
             "[Manuals]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/D/Manuals/Setup.pdf?\r\n");
  HostStory story;
  Start(story);
  ASSERT_TRUE(story.OpenDocuments().empty());
  EXPECT_TRUE(story.AskToQuit());
  ExpectHostClean(story);
  story.Unload();

  EXPECT_EQ(Profile(kDefaultSection, "ActiveArticleIndex"), "-1");
  EXPECT_EQ(Profile(kDefaultSection, "OpenNum"), "0");
  EXPECT_EQ(Profile(kDefaultSection, "0"), "(missing)");
  EXPECT_EQ(Profile("PROJECT_NAME", "PROJECT_NUM"), "2");
  EXPECT_EQ(Profile("PROJECT_NAME", "1"), "Manuals");
  EXPECT_EQ(Profile("Manuals", "0"), "/D/Manuals/Setup.pdf?");
}

TEST_F(Lifecycle, OnlyTheFirstQuitRequestCapturesAndSaves) {
  const struct {
    const char* name;
    bool hostMayQuit;
  } cases[] = {{"the host may quit", true}, {"the host's own answer is no", false}};
  for (const auto& testCase : cases) {
    SCOPED_TRACE(testCase.name);
    RemoveProjectFile();
    HostStory story;
    Start(story);
    story.SetHostCanQuit(testCase.hostMayQuit);
    const AVDoc doc = Open(story, pdfs_.Pdf("a.pdf", 5), {2, 0, 65536, 0, 0, 1, 1, 0});

    EXPECT_EQ(story.AskToQuit(), testCase.hostMayQuit) << "the hook answers what the replaced entry answers";
    const std::string written = ReadBytes(ProjectFile());
    EXPECT_EQ(StateItems(Profile(kDefaultSection, "0"))["PAGE"], "2");

    // The user goes on reading, then asks to quit again (twice).
    story.SetView(doc, {4, 0, 65536, 0, 0, 1, 1, 0});
    EXPECT_EQ(story.AskToQuit(), testCase.hostMayQuit);
    story.SetHostCanQuit(true);
    EXPECT_TRUE(story.AskToQuit());

    EXPECT_EQ(story.Log().Count("AVAppEnumDocs"), 1u) << "captured once";
    EXPECT_EQ(ReadBytes(ProjectFile()), written) << "written once";
    ExpectHostClean(story);
    story.Unload();
  }
}

TEST_F(Lifecycle, ADocumentWithoutPathTextGetsNoEntryAndIsNeverTheActiveOne) {
  const struct {
    const char* name;
    int front;             // position in the host's menu: 0 a.pdf, 1 the untitled one, 2 c.pdf
    const char* stored;    // ActiveArticleIndex
    int activeEntry;       // entry carrying ACTIVE=TRUE, -1 none
  } cases[] = {
      {"the untitled document in front", 1, "0", -1},
      {"the document after it in front", 2, "1", 1},
      {"the document before it in front", 0, "0", 0},
  };
  for (const auto& testCase : cases) {
    SCOPED_TRACE(testCase.name);
    RemoveProjectFile();
    HostStory story;
    Start(story);
    std::vector<AVDoc> docs = {story.OpenFile(pdfs_.Pdf("a.pdf", 2)), story.OpenFile(pdfs_.Pdf("untitled.pdf", 2)),
                               story.OpenFile(pdfs_.Pdf("c.pdf", 2))};
    story.MakeUntitled(docs[1]);
    story.BringToFront(docs[testCase.front]);

    EXPECT_TRUE(story.AskToQuit());
    EXPECT_EQ(Profile(kDefaultSection, "OpenNum"), "2");
    EXPECT_EQ(Profile(kDefaultSection, "ActiveArticleIndex"), testCase.stored);
    for (int entry = 0; entry < 2; ++entry)
      EXPECT_EQ(StateItems(Profile(kDefaultSection, std::to_string(entry))).count("ACTIVE"),
                entry == testCase.activeEntry ? 1u : 0u);
    const int expectedFront = testCase.activeEntry < 0 ? 0 : testCase.front;
    EXPECT_EQ(FrontPosition(story), expectedFront);
    ExpectHostClean(story);
    story.Unload();
  }
}

TEST_F(Lifecycle, DocumentsOpenButNoneActiveStoreIndexZeroAndNoActiveMark) {
  HostStory story;
  Start(story);
  story.OpenFile(pdfs_.Pdf("a.pdf", 2));
  story.OpenFile(pdfs_.Pdf("b.pdf", 2));
  story.ClearFront();
  EXPECT_TRUE(story.AskToQuit());
  EXPECT_EQ(Profile(kDefaultSection, "ActiveArticleIndex"), "0");
  for (const char* key : {"0", "1"}) EXPECT_EQ(StateItems(Profile(kDefaultSection, key)).count("ACTIVE"), 0u);
  EXPECT_EQ(FrontPosition(story), 0) << "the first document is brought to the front";
  ExpectHostClean(story);
  story.Unload();
}

}  // namespace
}  // namespace lifecycle
