// Start-up restore and capture as the user lives them, the plug-in's code
// linked into the test and played by the stand-in host: the documents listed
// in [CURRENT OPENED FILES] open again with their views and the active one
// in front; a capture rebuilds the store from the open documents.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "docstate/capture.h"
#include "docstate/restore_open_files.h"
#include "host/host_entry.h"
#include "plugin/plugin_entry.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"
#include "standin/interface/di_path.h"
#include "tests/support/checks.h"

namespace {

using standin::ViewSettings;

ProjectStore* capturedStore = nullptr;
void Capture() { CaptureOpenDocuments(*capturedStore); }
std::vector<AVDoc>* closing = nullptr;
void CaptureInPlace() { CaptureOpenDocuments(*capturedStore, CaptureActivation::kNone, closing); }

class RestoreStory : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::StartOptions options;
    options.announceStarted = false;  // the test runs the restore itself
    ASSERT_EQ(story_.StartLinked(&PlugInMain, options).handshake, true);
    for (const char* name : {"a", "b", "c"}) {
      texts_["%" + std::string(name)] = standin::DIPathFromWindowsPath(folder_.Pdf(std::string(name) + ".pdf", 10));
    }
    texts_["%gone"] = standin::DIPathFromWindowsPath(folder_.Path("gone.pdf"));
  }
  void TearDown() override { support::ExpectHostClean(story_); }

  // Restores from a default section whose %a, %b, %c stand for the path
  // texts of a.pdf, b.pdf and c.pdf (10 pages each), %gone for a file that
  // is not there. Gives the letters of the documents open, in menu order.
  std::string Restore(std::string section) {
    for (AVDoc doc : story_.OpenDocuments()) story_.Close(doc);
    story_.Log().Clear();
    for (const auto& [mark, text] : texts_) {
      for (std::size_t at; (at = section.find(mark)) != std::string::npos;) section.replace(at, mark.size(), text);
    }
    support::WriteFile(support::ProjectFile(), "[CURRENT OPENED FILES]\r\n" + section);
    EXPECT_FALSE(story_.Host().CallPlugIn("RestoreOpenFiles", {}, &HostEntry<RestoreOpenFiles>::Call).raised);
    std::string letters;
    for (AVDoc doc : story_.OpenDocuments()) letters += story_.State(doc).path.end()[-5];
    return letters;
  }

  std::map<std::string, std::string> texts_;
  support::TempFolder folder_;
  standin::HostStory story_;
};

// Which documents open and which ends in front. When nothing is activated
// the last one opened stays in front, and the "Window" menu is not even
// looked up.
TEST_F(RestoreStory, WhatOpensAndWhatComesToTheFront) {
  const struct {
    const char* section;
    const char* opened;
    int front;
    std::size_t activations;
  } rows[] = {
      /* 0 */ {"OpenNum=3\r\n0=%a?PAGE=1\r\n2=%c?\r\nActiveArticleIndex=0\r\n", "ac", 0, 1},
      /* 1 */ {"OpenNum=3\r\n0=%a?PAGE=1\r\n2=%c?\r\nActiveArticleIndex=1\r\n", "ac", 1, 1},
      /* 2 */ {"OpenNum=3\r\n0=%a?PAGE=1\r\n2=%c?\r\nActiveArticleIndex=2\r\n", "ac", 1, 0},  // 2 is not below 2 opened
      /* 3 */ {"OpenNum=3\r\n0=%a?PAGE=1\r\n2=%c?\r\nActiveArticleIndex=-1\r\n", "ac", 1, 0},
      /* 4 */ {"OpenNum=3\r\n0=%a?PAGE=1\r\n2=%c?\r\nActiveArticleIndex=\r\n", "ac", 1, 0},
      /* 5 */ {"OpenNum=3\r\n0=%a?PAGE=1\r\n2=%c?\r\n", "ac", 1, 0},
      /* 6 */ {"OpenNum=3\r\n0=%a?PAGE=1\r\n2=%c?\r\nActiveArticleIndex=x\r\n", "ac", 0, 1},  // no digits read as 0
      /* 7 */ {"ActiveArticleIndex=0\r\n0=%a?\r\n", "", -1, 0},
      /* 8 */ {"ActiveArticleIndex=0\r\nOpenNum=0\r\n0=%a?\r\n", "", -1, 0},
      /* 9 */ {"OpenNum=-3\r\n0=%a?\r\n", "", -1, 0},
      /* 10 */ {"ActiveArticleIndex=0\r\nOpenNum=2\r\n0=\r\n", "", -1, 0},
      /* 11 */  // the active entry itself does not open: nothing is activated
      {"ActiveArticleIndex=1\r\nOpenNum=4\r\n0=%a?PAGE=1\r\n1=%gone?PAGE=1\r\n2=not a path "
       "text?PAGE=1\r\n3=%c?PAGE=1\r\n",
       "ac", 1, 0},
      /* 12 */ {"OpenNum=2\r\n0=%a?ACTIVE=TRUE\r\n1=%b?\r\n", "ab", 1, 0},  // the string's ACTIVE does not activate
      /* 13 */ {"OpenNum=999999999\r\n300=%c?\r\n0=%a?\r\n+1=%b?\r\n", "ac", 1, 0},  // keys present, however sparse
      /* 14 */  // the position counts only the entries before the active one that opened
      {"ActiveArticleIndex=2\r\nOpenNum=4\r\n0=%a?\r\n1=%gone?\r\n2=%b?\r\n3=%c?\r\n", "abc", 1, 1},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(Restore(rows[i].section), rows[i].opened) << "row " << i;
    EXPECT_EQ(support::FrontPosition(story_), rows[i].front) << "row " << i;
    EXPECT_EQ(story_.Log().Count("AVMenubarAcquireMenuByName"), rows[i].activations) << "row " << i;
    EXPECT_EQ(story_.Log().Count("AVMenuItemExecute"), rows[i].activations) << "row " << i;
    EXPECT_FALSE(story_.LastFailedCall().has_value()) << "row " << i;
  }
  // Row 11 applied each state that opened; an entry without "?" opens with no state.
  Restore("OpenNum=1\r\n0=%a\r\n");
  EXPECT_EQ(story_.State(story_.OpenDocuments()[0]).batchesCompleted, 0);
}

// Items that must leave the host's view as it opened the document, next to
// ones that apply, each in one batch of changes.
TEST_F(RestoreStory, ItemsThatDoNotApplyLeaveTheViewAsTheHostOpenedIt) {
  Restore("OpenNum=1\r\n0=%a\r\n");
  const ViewSettings opened = story_.State(story_.OpenDocuments()[0]).view;
  const auto with = [&](auto change) {
    ViewSettings view = opened;
    change(view);
    return view;
  };
  const struct {
    const char* state;
    ViewSettings expected;
  } rows[] = {
      /* 0 */ {"PAGE=99&LAYOUTMODE=4", with([](ViewSettings& v) { v.layoutMode = 4; })},
      /* 1 */ {"PAGE=10", opened},
      /* 2 */ {"PAGE=9", with([](ViewSettings& v) { v.page = 9; })},
      /* 3 */ {"PAGE=-1", opened},
      /* 4 */ {"", opened},
      /* 5 */ {"page=3&PAGEMODEX=3&ZOOM_TYPE-VALUE=2&TOPSPOT_LEFT-TOP=7", opened},
      /* 6 */ {"ZOOM_TYPE-VALUE=2:abc", with([](ViewSettings& v) { v.zoomType = 2, v.zoom = 0; })},
      /* 7 */ {"SPLITTERPOSTION=40000&PAGEMODE=99999999999&TOPSPOT_LEFT-TOP=1:70000", opened},
      /* 8 */ {"ACTIVE=TRUE&ALLSTATE=ffff", opened},
      // page, zoom type, zoom, left, top, layout mode, page mode, splitter, as a capture writes them
      /* 9 */
      {"ALLSTATE=00ff&PAGEMODE=2&LAYOUTMODE=3&SPLITTERPOSTION=150&PAGE=4&ZOOM_TYPE-VALUE=0:98304.000000"
       "&TOPSPOT_LEFT-TOP=-12:0&ACTIVE=TRUE",
       {4, 0, 98304, -12, 0, 3, 2, 150}},
      /* 10 */
      {"PAGEMODE=1&LAYOUTMODE=2&SPLITTERPOSTION=0&PAGE=0&ZOOM_TYPE-VALUE=-2147483648:-7.000000"
       "&TOPSPOT_LEFT-TOP=-32768:32767",
       {0, INT32_MIN, -7, -32768, 32767, 2, 1, 0}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    ASSERT_EQ(Restore(std::string("OpenNum=1\r\n0=%a?") + rows[i].state + "\r\n"), "a") << "row " << i;
    const standin::DocumentState state = story_.State(story_.OpenDocuments()[0]);
    EXPECT_EQ(state.view, rows[i].expected) << "row " << i;
    EXPECT_EQ(state.batchesCompleted, 1) << "row " << i;
  }
}

// Whatever the store held (other projects, an earlier default project), a
// capture leaves the default project alone in it, made from the open
// documents; the clipboard stays as it was.
TEST_F(RestoreStory, ACaptureRebuildsTheStoreFromTheOpenDocuments) {
  ProjectStore store;
  store.AddProject(kDefaultProjectName);
  store.AddFile("/D/old.pdf", "", 0);
  store.AddProject("Manuals");
  store.AddFile("/D/m.pdf", "", 1);
  store.MarkAllFiles(1, ClipMode::kCut, true);
  const AVDoc b = story_.OpenFile(folder_.Path("b.pdf"));
  story_.OpenFile(folder_.Path("c.pdf"));
  story_.BringToFront(b);
  capturedStore = &store;
  EXPECT_FALSE(story_.Host().CallPlugIn("Capture", {}, &HostEntry<Capture>::Call).raised);
  ASSERT_EQ(store.ProjectCount(), 1);
  EXPECT_EQ(store.Name(0), kDefaultProjectName);
  ASSERT_EQ(store.Files(0).Count(), 2);
  EXPECT_EQ(store.Files(0).Entry(0).path, texts_["%b"]);
  EXPECT_EQ(store.Files(0).Entry(1).path, texts_["%c"]);
  EXPECT_EQ(store.Files(0).ActiveIndex(), 0);
  EXPECT_EQ(support::FrontPosition(story_), 0);
  EXPECT_EQ(store.ClipboardSource(), 1);
  EXPECT_EQ(store.ClipboardMode(), ClipMode::kCut);
  // In place: nothing comes to the front; b, about to close, is left out,
  // and so is the handle of one that closed, which is then forgotten.
  std::vector<AVDoc> leftOut = {reinterpret_cast<AVDoc>(&store), b};
  closing = &leftOut;
  story_.Log().Clear();
  EXPECT_FALSE(story_.Host().CallPlugIn("Capture", {}, &HostEntry<CaptureInPlace>::Call).raised);
  ASSERT_EQ(store.Files(0).Count(), 1);
  EXPECT_EQ(store.Files(0).Entry(0).path, texts_["%c"]);
  EXPECT_EQ(leftOut, std::vector<AVDoc>{b});
  EXPECT_EQ(story_.Log().Count("AVMenuItemExecute"), 0u);
}

}  // namespace
