// Start-up restore told as the user lives it: documents open at the last quit
// are listed in [CURRENT OPENED FILES] of Vellora.ini, and the next start
// opens them again, each with its view, the active one in front.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "docstate/activate_document.h"
#include "docstate/open_with_state.h"
#include "docstate/restore_open_files.h"
#include "host/host_entry.h"
#include "plugin/plugin_entry.h"
#include "projects/project_file_path.h"
#include "standin/di_path.h"
#include "standin/host_story.h"
#include "standin/sample_pdf.h"

namespace {

using standin::DocumentState;
using standin::ViewSettings;

constexpr char kSection[] = "CURRENT OPENED FILES";
constexpr ASErrorCode kInjected = 0x4000BEEF;

// What OpenWithState is handed by the test that calls it through the host.
std::string openPath;
std::string openState;
bool openResult = false;
void OpenWithStateCall() { openResult = OpenWithState(openPath, openState); }

class RestoreStory : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = ProjectFilePath();
    ASSERT_FALSE(file_.empty());
    RemoveProjectFile();
    char temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    folder_ = std::string(temp) + "vellora_restore_stories\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    standin::StartOptions options;
    options.announceStarted = false;  // the test runs the restore itself
    ASSERT_EQ(story_.StartLinked(&PlugInMain, options).handshake, true);
  }

  void TearDown() override {
    EXPECT_EQ(story_.FrameDepth(), 0u);
    EXPECT_EQ(story_.OutstandingMenus(), 0);
    EXPECT_EQ(story_.OutstandingMenuItems(), 0);
    for (const std::string& violation : story_.Violations()) ADD_FAILURE() << violation;
    for (AVDoc doc : story_.OpenDocuments()) EXPECT_EQ(story_.State(doc).batchDepth, 0);
    RemoveProjectFile();
  }

  // The profile functions keep the file cached; flush before deleting so a
  // later read sees the file gone.
  void RemoveProjectFile() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file_.c_str());
    DeleteFileA(file_.c_str());
  }

  // A PDF of `pages` pages; its path text.
  std::string Pdf(const std::string& name, int pages) {
    const std::string path = folder_ + name;
    EXPECT_TRUE(standin::WriteSamplePdf(path, pages));
    return standin::DIPathFromWindowsPath(path);
  }

  void WriteSection(const std::vector<std::pair<std::string, std::string>>& keys) {
    for (const auto& [key, value] : keys) {
      ASSERT_TRUE(WritePrivateProfileStringA(kSection, key.c_str(), value.c_str(), file_.c_str()));
    }
  }

  standin::PlugInAnswer<void> Restore() {
    return story_.Host().CallPlugIn("RestoreOpenFiles", {}, &HostEntry<RestoreOpenFiles>::Call);
  }

  std::vector<std::string> OpenPaths() {
    std::vector<std::string> paths;
    for (AVDoc doc : story_.OpenDocuments()) paths.push_back(story_.State(doc).diPath);
    return paths;
  }

  // Position of the front document among the open ones, -1 for none.
  int FrontPosition() {
    const std::vector<AVDoc> docs = story_.OpenDocuments();
    for (std::size_t i = 0; i < docs.size(); ++i)
      if (story_.State(docs[i]).front) return static_cast<int>(i);
    return -1;
  }

  std::size_t Activations() { return story_.Log().Count("AVMenuItemExecute"); }

  std::string file_;
  std::string folder_;
  standin::HostStory story_;
};

TEST_F(RestoreStory, ThreeDocumentsComeBackInKeyOrderWithTheirViewsAndTheActiveOneInFront) {
  const std::string a = Pdf("a.pdf", 10), b = Pdf("b.pdf", 5), c = Pdf("c.pdf", 3);
  WriteSection({
      {"ActiveArticleIndex", "1"},
      {"OpenNum", "3"},
      {"0", a + "?ALLSTATE=00ff&PAGEMODE=2&LAYOUTMODE=3&SPLITTERPOSTION=150&PAGE=4&ZOOM_TYPE-VALUE=0:98304.000000"
                "&TOPSPOT_LEFT-TOP=-12:0"},
      {"1", b + "?PAGEMODE=3&LAYOUTMODE=1&SPLITTERPOSTION=80&PAGE=2&ZOOM_TYPE-VALUE=2:65536.000000"
                "&TOPSPOT_LEFT-TOP=5:-40&ACTIVE=TRUE"},
      {"2", c + "?PAGEMODE=1&LAYOUTMODE=2&SPLITTERPOSTION=0&PAGE=0&ZOOM_TYPE-VALUE=-2147483648:-7.000000"
                "&TOPSPOT_LEFT-TOP=-32768:32767"},
  });
  const auto answer = Restore();
  ASSERT_FALSE(answer.raised) << std::hex << answer.code;

  ASSERT_EQ(OpenPaths(), (std::vector<std::string>{a, b, c}));
  const std::vector<AVDoc> docs = story_.OpenDocuments();
  // page, zoom type, zoom, left, top, layout mode, page mode, splitter
  const ViewSettings expected[] = {
      {4, 0, 98304, -12, 0, 3, 2, 150},
      {2, 2, 65536, 5, -40, 1, 3, 80},
      {0, std::numeric_limits<ASInt32>::min(), -7, -32768, 32767, 2, 1, 0},
  };
  for (std::size_t i = 0; i < docs.size(); ++i) {
    const DocumentState state = story_.State(docs[i]);
    EXPECT_EQ(state.view, expected[i]) << state.diPath;
    EXPECT_EQ(state.batchesCompleted, 1) << state.diPath;
  }
  EXPECT_EQ(FrontPosition(), 1);
  EXPECT_EQ(Activations(), 1u);
}

// Which document ends in front, for entries "0" and "2" of three (the middle
// one missing, so two open and the count is 2), by ActiveArticleIndex.
TEST_F(RestoreStory, ActiveIndexCountsOnlyTheDocumentsThatOpened) {
  const struct {
    const char* activeIndex;  // nullptr: no such key
    bool activates;
    int front;  // the last one opened stays in front when nothing is activated
  } cases[] = {
      {"0", true, 0},   {"1", true, 1}, {"2", false, 1},     {"-1", false, 1},
      {"99", false, 1}, {"", false, 1}, {nullptr, false, 1}, {"x", true, 0},  // no digits reads as 0
  };
  const std::string a = Pdf("a.pdf", 2), c = Pdf("c.pdf", 2);
  for (const auto& testCase : cases) {
    SCOPED_TRACE(testCase.activeIndex ? testCase.activeIndex : "(missing)");
    for (AVDoc doc : story_.OpenDocuments()) story_.Close(doc);
    story_.Log().Clear();
    RemoveProjectFile();
    WriteSection({{"OpenNum", "3"}, {"0", a + "?PAGE=1"}, {"2", c + "?"}});
    if (testCase.activeIndex) WriteSection({{"ActiveArticleIndex", testCase.activeIndex}});

    ASSERT_FALSE(Restore().raised);
    EXPECT_EQ(OpenPaths(), (std::vector<std::string>{a, c}));
    EXPECT_EQ(Activations(), testCase.activates ? 1u : 0u);
    EXPECT_EQ(FrontPosition(), testCase.front);
  }
}

TEST_F(RestoreStory, SectionsThatOpenNothing) {
  const std::string a = Pdf("a.pdf", 2);
  const struct {
    const char* name;
    std::vector<std::pair<std::string, std::string>> keys;
  } cases[] = {
      {"no file at all", {}},
      {"no OpenNum, active index 0", {{"ActiveArticleIndex", "0"}, {"0", a + "?"}}},
      {"OpenNum 0", {{"ActiveArticleIndex", "0"}, {"OpenNum", "0"}, {"0", a + "?"}}},
      {"negative OpenNum", {{"OpenNum", "-3"}, {"0", a + "?"}}},
      {"empty entries", {{"ActiveArticleIndex", "0"}, {"OpenNum", "2"}, {"0", ""}}},
  };
  for (const auto& testCase : cases) {
    SCOPED_TRACE(testCase.name);
    RemoveProjectFile();
    story_.Log().Clear();
    WriteSection(testCase.keys);
    const auto answer = Restore();
    EXPECT_FALSE(answer.raised);
    EXPECT_TRUE(story_.OpenDocuments().empty());
    EXPECT_EQ(Activations(), 0u);
  }
}

// A project file held open by another program without sharing reads as an
// absent one; once free, the same file restores.
TEST_F(RestoreStory, ALockedProjectFileOpensNothing) {
  WriteSection({{"ActiveArticleIndex", "0"}, {"OpenNum", "1"}, {"0", Pdf("a.pdf", 2) + "?"}});
  HANDLE lock = CreateFileA(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Restore().raised);
  EXPECT_TRUE(story_.OpenDocuments().empty());
  CloseHandle(lock);
  EXPECT_FALSE(Restore().raised);
  EXPECT_EQ(story_.OpenDocuments().size(), 1u);
}

TEST_F(RestoreStory, MissingOrUnreadableFilesAreSkippedAndTheOthersStillOpen) {
  const std::string a = Pdf("a.pdf", 2), c = Pdf("c.pdf", 2);
  WriteSection({
      {"ActiveArticleIndex", "1"},
      {"OpenNum", "4"},
      {"0", a + "?PAGE=1"},
      {"1", standin::DIPathFromWindowsPath(folder_ + "gone.pdf") + "?PAGE=1"},
      {"2", "not a path text?PAGE=1"},
      {"3", c + "?PAGE=1"},
  });
  const auto answer = Restore();
  EXPECT_FALSE(answer.raised);
  EXPECT_FALSE(story_.LastFailedCall().has_value());
  ASSERT_EQ(OpenPaths(), (std::vector<std::string>{a, c}));
  for (AVDoc doc : story_.OpenDocuments()) EXPECT_EQ(story_.State(doc).view.page, 1);
  EXPECT_EQ(FrontPosition(), 1);  // index 1 among the two that opened
}

// Items that must leave the host's view alone, next to ones that apply.
TEST_F(RestoreStory, ItemsThatDoNotApplyLeaveTheViewAsTheHostOpenedIt) {
  const std::string shortDoc = Pdf("short.pdf", 10);
  const ViewSettings opened = [&] {
    const AVDoc doc = story_.OpenFile(folder_ + "short.pdf");
    const ViewSettings view = story_.State(doc).view;
    story_.Close(doc);
    return view;
  }();
  const struct {
    const char* state;
    ViewSettings expected;
  } cases[] = {
      {"PAGE=99&LAYOUTMODE=4",
       [&] {
         auto v = opened;
         v.layoutMode = 4;
         return v;
       }()},
      {"PAGE=10", opened},
      {"PAGE=9",
       [&] {
         auto v = opened;
         v.page = 9;
         return v;
       }()},
      {"PAGE=-1", opened},
      {"", opened},
      {"page=3&PAGEMODEX=3&ZOOM_TYPE-VALUE=2&TOPSPOT_LEFT-TOP=7", opened},
      {"ZOOM_TYPE-VALUE=2:abc",
       [&] {
         auto v = opened;
         v.zoomType = 2;
         v.zoom = 0;
         return v;
       }()},
      {"SPLITTERPOSTION=40000&PAGEMODE=99999999999&TOPSPOT_LEFT-TOP=1:70000", opened},
      {"ACTIVE=TRUE&ALLSTATE=ffff", opened},
  };
  for (const auto& testCase : cases) {
    SCOPED_TRACE(testCase.state);
    for (AVDoc doc : story_.OpenDocuments()) story_.Close(doc);
    RemoveProjectFile();
    WriteSection({{"OpenNum", "1"}, {"0", shortDoc + "?" + testCase.state}});
    const auto answer = Restore();
    ASSERT_FALSE(answer.raised) << std::hex << answer.code;
    ASSERT_EQ(story_.OpenDocuments().size(), 1u);
    const DocumentState state = story_.State(story_.OpenDocuments()[0]);
    EXPECT_EQ(state.view, testCase.expected);
    EXPECT_EQ(state.batchesCompleted, 1);
  }
}

TEST_F(RestoreStory, AnEntryWithoutQuestionMarkOpensWithNoState) {
  const std::string a = Pdf("a.pdf", 4);
  WriteSection({{"OpenNum", "1"}, {"0", a}});
  ASSERT_FALSE(Restore().raised);
  ASSERT_EQ(OpenPaths(), (std::vector<std::string>{a}));
  EXPECT_EQ(story_.State(story_.OpenDocuments()[0]).batchesCompleted, 0);
  EXPECT_EQ(story_.Log().Count("AVPageViewBeginOperation"), 0u);
}

TEST_F(RestoreStory, OpenWithStateLeavesTheCallersStringAloneAndIgnoresActive) {
  const std::string a = Pdf("a.pdf", 6), b = Pdf("b.pdf", 6);
  const std::string states[] = {"&&PAGE=3&&ACTIVE=TRUE&A=B=C&", "PAGE=2&ZOOM_TYPE-VALUE=1:2:3"};
  const std::string paths[] = {a, b};
  for (int i = 0; i < 2; ++i) {
    openPath = paths[i];
    openState = states[i];
    const auto answer = story_.Host().CallPlugIn("OpenWithState", {}, &HostEntry<OpenWithStateCall>::Call);
    ASSERT_FALSE(answer.raised);
    EXPECT_TRUE(openResult);
    EXPECT_EQ(openState, states[i]);
  }
  const std::vector<AVDoc> docs = story_.OpenDocuments();
  ASSERT_EQ(docs.size(), 2u);
  EXPECT_EQ(story_.State(docs[0]).view.page, 3);
  EXPECT_EQ(story_.State(docs[1]).view.zoomType, 1);
  EXPECT_EQ(story_.State(docs[1]).view.zoom, 2);
  EXPECT_EQ(FrontPosition(), 1);  // ACTIVE=TRUE on the first changes nothing

  openPath = standin::DIPathFromWindowsPath(folder_ + "gone.pdf");
  story_.Host().CallPlugIn("OpenWithState", {}, &HostEntry<OpenWithStateCall>::Call);
  EXPECT_FALSE(openResult);
}

// A host error during the restore reaches the host with its code; the batch
// that was open is ended and every menu and item acquired is released.
TEST_F(RestoreStory, HostErrorsReachTheHostWithNothingLeftOpen) {
  const std::string a = Pdf("a.pdf", 5), b = Pdf("b.pdf", 5);
  // (an error from ending the batch itself is the host's refusal to end it;
  // it is passed on and the batch is not ended a second time)
  const char* operations[] = {"AVPageViewGoTo",
                              "AVPageViewZoomTo",
                              "AVDocSetSplitterPosition",
                              "AVMenuGetMenuItemIndex",
                              "AVMenuItemExecute",
                              "AVMenuAcquireMenuItemByIndex",
                              "AVMenubarAcquireMenuItemByName",
                              "AVDocOpenFromFile"};
  for (const char* operation : operations) {
    SCOPED_TRACE(operation);
    for (AVDoc doc : story_.OpenDocuments()) story_.Close(doc);
    RemoveProjectFile();
    WriteSection({{"ActiveArticleIndex", "0"},
                  {"OpenNum", "2"},
                  {"0", a + "?PAGE=1&SPLITTERPOSTION=9&ZOOM_TYPE-VALUE=1:5"},
                  {"1", b + "?PAGE=2"}});
    story_.Faults().RaiseOnCall(operation, 1, kInjected);
    const auto answer = Restore();
    EXPECT_TRUE(answer.raised);
    EXPECT_EQ(answer.code, kInjected);
    EXPECT_FALSE(answer.exceptionCrossed);
    EXPECT_EQ(story_.OutstandingMenus(), 0);
    EXPECT_EQ(story_.OutstandingMenuItems(), 0);
    for (AVDoc doc : story_.OpenDocuments()) EXPECT_EQ(story_.State(doc).batchDepth, 0);
  }
}

}  // namespace
