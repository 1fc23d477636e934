// A document's view: what the user sets is what the plug-in reads, what the
// plug-in sets is what the user sees, and batches of changes balance.
#include <cstring>

#include "host/host_entry.h"
#include "host/host_operations.h"
#include "standin/view_definition.h"
#include "tests/standin/story_fixture.h"

namespace {

using standin::ViewSettings;

class ViewState : public StoryTest {
 protected:
  void SetUp() override {
    StoryTest::SetUp();
    doc_ = story_.OpenFile(files_.Pdf("ten.pdf", 10));
    view_ = host::AVDocGetPageView(doc_);
  }
  AVDoc doc_ = nullptr;
  AVPageView view_ = nullptr;
};

TEST_F(ViewState, WhatTheUserSetsIsWhatThePlugInReads) {
  const ViewSettings settings{7, 2, 98304, -12, 345, 3, 2, 180};
  story_.SetView(doc_, settings);
  EXPECT_EQ(host::PDPageGetNumber(host::AVPageViewGetPage(view_)), 7);
  EXPECT_EQ(host::AVPageViewGetZoomType(view_), 2);
  EXPECT_EQ(host::AVPageViewGetZoom(view_), 98304);
  EXPECT_EQ(host::AVPageViewGetLayoutMode(view_), 3);
  EXPECT_EQ(host::AVDocGetViewMode(doc_), 2);
  EXPECT_EQ(host::AVDocGetSplitterPosition(doc_), 180);
  AVRect16 rect{};
  host::AVPageViewGetAperture(view_, &rect);
  EXPECT_EQ(rect.left, -12);
  EXPECT_EQ(rect.top, 345);
  EXPECT_EQ(rect.right - rect.left, 612);  // the view keeps its size
}

TEST_F(ViewState, WhatThePlugInSetsIsWhatTheUserSees) {
  host::AVPageViewBeginOperation(view_);
  host::AVDocSetViewMode(doc_, 3);
  host::AVPageViewSetLayoutMode(view_, 2);
  host::AVDocSetSplitterPosition(doc_, -5);
  host::AVPageViewGoTo(view_, 9);
  host::AVPageViewZoomTo(view_, 1, static_cast<ASFixed>(0x80000000u));
  host::AVPageViewScrollTo(view_, 32767, -32768);
  host::AVPageViewEndOperation(view_);
  const standin::DocumentState state = story_.State(doc_);
  EXPECT_EQ(state.view, (ViewSettings{9, 1, static_cast<ASFixed>(0x80000000u), 32767, -32768, 2, 3, -5}));
  EXPECT_EQ(state.rect.right, 32767);  // clamped, not wrapped
  EXPECT_EQ(state.batchesCompleted, 1);
  // Pages outside the document are refused and leave the page alone.
  EXPECT_THROW(host::AVPageViewGoTo(view_, 10), HostError);
  EXPECT_THROW(host::AVPageViewGoTo(view_, -1), HostError);
  EXPECT_EQ(story_.State(doc_).view.page, 9);
}

TEST_F(ViewState, ViewDefinitionIsTheHostsOwnRecordOfTheView) {
  story_.SetView(doc_, {3, 1, 0x12345, 10, 20, 2, 4, 6});
  AVDocViewDef def{};
  host::AVDocGetViewDef(doc_, &def);
  const unsigned char expected[32] = {76, 0, 1,  0, 3,   0, 0,  0, 1, 0, 0, 0, 0x45, 0x23, 0x01, 0,
                                      10, 0, 20, 0, 110, 2, 44, 3, 2, 0, 4, 0, 6,    0,    0,    0};
  EXPECT_EQ(std::memcmp(def.bytes, expected, sizeof expected), 0);
  for (int i = 32; i < kViewDefinitionSize; ++i) EXPECT_EQ(def.bytes[i], 0) << i;
  EXPECT_THROW(host::AVDocGetViewDef(doc_, nullptr), HostError);
}

TEST_F(ViewState, NestedBatchesCountAndAnEndWithoutBeginIsReported) {
  host::AVPageViewBeginOperation(view_);
  host::AVPageViewBeginOperation(view_);
  EXPECT_EQ(story_.State(doc_).batchDepth, 2);
  host::AVPageViewEndOperation(view_);
  EXPECT_EQ(story_.State(doc_).batchesCompleted, 0);
  host::AVPageViewEndOperation(view_);
  EXPECT_EQ(story_.State(doc_).batchDepth, 0);
  EXPECT_EQ(story_.State(doc_).batchesCompleted, 1);
  EXPECT_THROW(host::AVPageViewEndOperation(view_), HostError);
  ExpectViolations(1);
}

AVPageView openBatchView = nullptr;
ASBool LeavesBatchOpen() {
  host::AVPageViewBeginOperation(openBatchView);
  return kHostTrue;
}

TEST_F(ViewState, BatchLeftOpenWhenControlReturnsToTheHostIsReported) {
  openBatchView = view_;
  story_.Host().CallPlugIn("LeavesBatchOpen", {}, &HostEntry<LeavesBatchOpen>::Call);
  EXPECT_EQ(story_.State(doc_).batchDepth, 0);  // the host closed it
  ExpectViolations(1);
}

TEST_F(ViewState, HandlesOfOtherKindsAreRefused) {
  EXPECT_THROW(host::AVPageViewGetZoom(reinterpret_cast<AVPageView>(doc_)), HostError);
  EXPECT_THROW(host::AVDocGetViewMode(reinterpret_cast<AVDoc>(view_)), HostError);
  EXPECT_THROW(host::PDDocGetNumPages(reinterpret_cast<PDDoc>(doc_)), HostError);
  EXPECT_THROW(host::PDPageGetNumber(nullptr), HostError);
}

}  // namespace
