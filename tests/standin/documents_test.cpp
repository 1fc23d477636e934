// Documents in the stand-in host, through the plug-in's wrappers and the
// user's own actions: the "Window" menu and the front document, what opens,
// the view the user sets and the view the plug-in sets.
#include "docstate/activate_document.h"
#include "docstate/open_with_state.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "standin/interface/di_path.h"
#include "tests/standin/story_fixture.h"

namespace {

class Documents : public StoryTest {
 protected:
  std::vector<AVDoc> Enumerated(int stopAfter = 1000) {
    visited_.clear();
    stopAfter_ = stopAfter;
    host::AVAppEnumDocs(host::ASCallbackCreate(Host().extensionId, HostEntryProc<Visit>()), this);
    return visited_;
  }
  static ASBool Visit(AVDoc doc, void* self) {
    auto* test = static_cast<Documents*>(self);
    test->visited_.push_back(doc);
    return static_cast<int>(test->visited_.size()) < test->stopAfter_ ? kHostTrue : kHostFalse;
  }
  std::vector<AVDoc> visited_;
  int stopAfter_ = 0;
};

TEST_F(Documents, MenuOrderAndFrontFollowOpensClosesAndMenuItems) {
  const AVDoc a = story_.OpenFile(files_.Pdf("a.pdf", 4));
  const AVDoc b = story_.OpenFile(files_.Pdf("b.pdf", 7));
  const AVDoc c = story_.OpenFile(files_.Pdf("c.pdf", 30));
  EXPECT_EQ(story_.OpenDocuments(), (std::vector<AVDoc>{a, b, c}));
  EXPECT_EQ(host::AVAppGetActiveDoc(), c);
  EXPECT_EQ(Enumerated(), (std::vector<AVDoc>{a, b, c}));
  EXPECT_EQ(Enumerated(2).size(), 2u) << "the enumeration stops when the callback says so";
  EXPECT_EQ(host::PDDocGetNumPages(host::AVDocGetPDDoc(b)), 7) << "the page count comes from the file";

  ActivateNthDocument(0);
  EXPECT_EQ(host::AVAppGetActiveDoc(), a);
  EXPECT_EQ(story_.OpenDocuments(), (std::vector<AVDoc>{a, b, c})) << "bringing to the front does not reorder";
  // Closing the front document puts the last in menu order in front.
  EXPECT_EQ(host::AVDocClose(a, kHostFalse), kHostTrue);
  EXPECT_EQ(host::AVAppGetActiveDoc(), c);
  story_.Close(b);
  EXPECT_THROW(host::AVDocGetPageView(b), HostError) << "a closed document's handle is dead";
  story_.Close(c);
  EXPECT_EQ(host::AVAppGetActiveDoc(), nullptr);
  support::WriteFile(files_.Path("text.pdf"), "just some text\n");
  support::WriteFile(files_.Path("empty.pdf"), "");
  for (const char* name : {"missing.pdf", "text.pdf", "empty.pdf"})
    EXPECT_FALSE(OpenWithState(standin::DIPathFromWindowsPath(files_.Path(name)), std::nullopt)) << name;
}

TEST_F(Documents, TheWindowMenuListsTheDocumentsAfterItsSeparatorAndCountsWhatIsHeld) {
  story_.OpenFile(files_.Pdf("a.pdf", 1));
  const AVMenubar bar = host::AVAppGetMenubar();
  const AVMenu menu = host::AVMenubarAcquireMenuByName(bar, "Window");
  const AVMenuItem separator = host::AVMenubarAcquireMenuItemByName(bar, "WindowMenuSeparator");
  const ASInt32 s = host::AVMenuGetMenuItemIndex(menu, separator);
  EXPECT_GT(s, 0) << "the host's own items come first";
  const AVMenuItem document = host::AVMenuAcquireMenuItemByIndex(menu, s + 1);
  EXPECT_NE(document, nullptr);
  EXPECT_EQ(host::AVMenuAcquireMenuItemByIndex(menu, s + 2), nullptr);
  EXPECT_EQ(host::AVMenubarAcquireMenuByName(bar, "NoSuchMenu"), nullptr);
  EXPECT_EQ(story_.OutstandingMenus() * 10 + story_.OutstandingMenuItems(), 12);
  const AVMenuItem open = host::AVMenubarAcquireMenuItemByName(bar, "Open");
  EXPECT_EQ(host::AVMenuGetMenuItemIndex(menu, open), -1) << "an item of another menu";
  host::AVMenuItemRelease(open);
  story_.Close(story_.OpenDocuments().front());
  EXPECT_THROW(host::AVMenuItemExecute(document), HostError) << "a closed document's item";
  host::AVMenuItemRelease(document);
  host::AVMenuItemRelease(separator);
  host::AVMenuRelease(menu);
  EXPECT_EQ(story_.OutstandingMenus() + story_.OutstandingMenuItems(), 0);
  EXPECT_THROW(host::AVMenuRelease(menu), HostError);
  EXPECT_THROW(host::AVMenuItemRelease(separator), HostError);
  ExpectViolations(2);
}

AVPageView openBatchView = nullptr;
ASBool LeavesABatchOpen() {
  host::AVPageViewBeginOperation(openBatchView);
  return kHostTrue;
}

// How views map between the user and the plug-in is seen end to end by the
// restore and lifecycle stories; here what they rely on besides.
TEST_F(Documents, BatchesOfViewChangesNestAndOneLeftOpenIsReported) {
  const AVDoc doc = story_.OpenFile(files_.Pdf("ten.pdf", 10));
  const AVPageView view = host::AVDocGetPageView(doc);
  host::AVPageViewBeginOperation(view);
  host::AVPageViewBeginOperation(view);
  host::AVPageViewScrollTo(view, 32767, -32768);
  host::AVPageViewEndOperation(view);
  EXPECT_EQ(story_.State(doc).batchesCompleted, 0) << "batches nest";
  host::AVPageViewEndOperation(view);
  EXPECT_EQ(story_.State(doc).batchesCompleted, 1);
  EXPECT_EQ(story_.State(doc).rect.right, 32767) << "clamped, not wrapped";
  EXPECT_THROW(host::AVPageViewGoTo(view, 10), HostError) << "no such page";
  EXPECT_THROW(host::AVPageViewEndOperation(view), HostError) << "an end without a begin";
  openBatchView = view;
  story_.Host().CallPlugIn("LeavesABatchOpen", {}, &HostEntry<LeavesABatchOpen>::Call);
  EXPECT_EQ(story_.State(doc).batchDepth, 0) << "the host closed it, and says so";
  ExpectViolations(2);
}

}  // namespace
