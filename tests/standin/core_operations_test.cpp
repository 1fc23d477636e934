// The Core table of the stand-in host, what every other test relies on: a
// fault raised on exactly the call asked for, misuse of the frame stack
// reported, frames kept the host's way; what a careful host refuses.
#include <algorithm>
#include <cstring>
#include <functional>

#include "host/host_entry.h"
#include "host/host_operations.h"
#include "tests/standin/story_fixture.h"

namespace {

class CoreOperations : public StoryTest {};

TEST_F(CoreOperations, AFaultRaisesOnExactlyTheNthCallFromNow) {
  story_.Faults().RaiseOnCall("ASAtomFromString", 3, kErrNoMemory);
  EXPECT_NO_THROW(host::ASAtomFromString("a"));
  EXPECT_NO_THROW(host::ASAtomFromString("b"));
  try {
    host::ASAtomFromString("c");
    ADD_FAILURE() << "the third call must raise";
  } catch (const HostError& error) {
    EXPECT_EQ(error.code(), kErrNoMemory);
  }
  EXPECT_NO_THROW(host::ASAtomFromString("d"));
  EXPECT_EQ(story_.Faults().Pending(), 0u);
  EXPECT_TRUE(story_.Log().Contains("ASAtomFromString(\"c\") -> raised 0x40000002"));
  EXPECT_THROW(story_.Faults().RaiseOnCall("NoSuchOperation", 1, kErrGeneral), std::invalid_argument);
  EXPECT_THROW(story_.Faults().RaiseOnCall("ASPushExceptionFrame", 1, kErrGeneral), std::invalid_argument);
}

ASBool LeavesAFramePushed() {
  static PlugInFrame frame;
  PushHostFrame(&frame);
  return kHostTrue;
}
ASBool PopsTheHostsFrame() {
  PopHostFrame();
  return kHostTrue;
}

TEST_F(CoreOperations, AnUnbalancedFrameStackAfterACallIntoThePlugInIsReported) {
  for (const auto fn : {&HostEntry<LeavesAFramePushed>::Call, &HostEntry<PopsTheHostsFrame>::Call}) {
    story_.Host().CallPlugIn("Misuse", {}, fn);
    EXPECT_EQ(story_.FrameDepth(), 0u);
  }
  ExpectViolations(2);
}

TEST_F(CoreOperations, EveryTableCoreIncludedIsHandedByNameUpToTheHostsVersion) {
  for (const char* name : {"Core", "AcroSupport", "Cos", "PDModel", "AcroView", "Win"}) {
    const ASAtom atom = host::ASAtomFromString(name);
    EXPECT_EQ(host::ASExtensionMgrGetHFT(atom, 0x50001), story_.Host().Tables().Find(name)->Pointer()) << name;
    EXPECT_EQ(host::ASExtensionMgrGetHFT(atom, 0x60000), nullptr) << name;
  }
}

unsigned char planted[64];  // stands for a plug-in's jump buffer
void* restoredWith = nullptr;
jmp_buf landing;
void HOSTCALL Land(void* env) { restoredWith = env, longjmp(landing, 1); }

TEST_F(CoreOperations, ARaiseCallsTheTopRestoreWithItsBufferKeepsTheFramePushedAndNeverWritesIntoIt) {
  std::fill(std::begin(planted), std::end(planted), 0x5A);
  const HFT core = Host().core.table;
  if (setjmp(landing) == 0) {
    reinterpret_cast<ASPushExceptionFrameSELPROTO>(core[ASPushExceptionFrameSEL])(planted, &Land);
    reinterpret_cast<ASRaiseSELPROTO>(core[ASRaiseSEL])(kErrNoMemory);
  }
  EXPECT_EQ(restoredWith, planted);
  EXPECT_EQ(story_.FrameDepth(), 1u) << "the owner pops";
  PopHostFrame();
  EXPECT_EQ(HostExceptionErrorCode(), kErrNoMemory);
  EXPECT_TRUE(std::all_of(std::begin(planted), std::end(planted), [](unsigned char b) { return b == 0x5A; }));
}

TEST_F(CoreOperations, WhatACarefulHostRefusesRaisesAndWhatNoPlugInMayDoIsReported) {
  const AVDoc doc = story_.OpenFile(files_.Pdf("a.pdf", 2));
  const auto slot = [](const HostTable& table, int selector) {
    return [&table, selector] { CallHostEntry<void(HOSTCALL*)()>(table.table[selector]); };
  };
  AVDocViewDefBuffer unsized{};
  const HFT view = Host().acroView.table;
  const struct {
    std::function<void()> call;
    ASErrorCode code;
    std::string violation;
  } rows[] = {
      /* 0 */ {slot(Host().core, 0), kErrGeneral, "a call of Core selector 0, which this host does not serve"},
      /* 1 */ {slot(Host().core, 6), kErrGeneral, "a call of Core selector 6, which this host does not serve"},
      /* 2 */ {slot(Host().acroView, 13), kErrGeneral, "a call of AcroView selector 13, which this host does not serve"},
      /* 3 */ {slot(Host().cos, 0), kErrGeneral, "a call of Cos selector 0, which this host does not serve"},
      /* 4 */ {[&] { host::HFTReplaceEntry(view, AVDocGetPDDocSEL, view[AVDocGetPDDocSEL], 0); }, 0x400B0006, ""},
      /* 5 */ {[&] { host::AVDocGetViewDef(doc, &unsized.record); }, kErrBadParameter, ""},
      /* 6 */ {[&] { CallHostEntry<ASRaiseSELPROTO>(Host().core.table[ASRaiseSEL], 0); }, kErrGeneral,
               "ASRaise with error code 0"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const std::size_t before = story_.Violations().size();
    try {
      rows[i].call();
      ADD_FAILURE() << "row " << i << " must raise";
    } catch (const HostError& error) {
      EXPECT_EQ(error.code(), rows[i].code) << "row " << i;
    }
    EXPECT_EQ(story_.Violations().size() > before ? story_.Violations().back() : "", rows[i].violation) << "row " << i;
  }
  ExpectViolations(5);
}

TEST_F(CoreOperations, TheViewDefinitionHoldsThePartsAskedForFromTheViewTheGettersReport) {
  const AVDoc doc = story_.OpenFile(files_.Pdf("a.pdf", 9));
  story_.SetView(doc, {4, 2, 0x18000, 30, 40, 3, 2, 150});
  const AVPageView view = host::AVDocGetPageView(doc);
  AVRect16 aperture{};
  host::AVPageViewGetAperture(view, &aperture);
  for (ASBool parts = 0; parts < 8; ++parts) {
    AVDocViewDefBuffer buffer, expected;
    std::memset(&buffer, 0, sizeof buffer), std::memset(&expected, 0, sizeof expected);
    for (AVDocViewDef* def : {&buffer.record, &expected.record}) {
      def->size = sizeof(AVDocViewDef);
      def->usePageViewInfo = parts & 1, def->useOverViewInfo = (parts >> 1) & 1, def->useWindowInfo = parts >> 2;
    }
    host::AVDocGetViewDef(doc, &buffer.record);
    AVDocViewDef& def = expected.record;
    if (parts & 1) {
      def.pageViewLayoutMode = host::AVPageViewGetLayoutMode(view);
      def.pageViewPageNum = host::PDPageGetNumber(host::AVPageViewGetPage(view));
      def.pageViewZoomType = host::AVPageViewGetZoomType(view), def.pageViewZoom = host::AVPageViewGetZoom(view);
      def.pageViewX = aperture.left, def.pageViewY = aperture.top;
    }
    if (parts & 2) def.overViewMode = host::AVDocGetViewMode(doc), def.overViewPos = host::AVDocGetSplitterPosition(doc);
    if (parts & 4) def.windowFrame = aperture;
    EXPECT_EQ(std::memcmp(&buffer, &expected, sizeof buffer), 0) << "parts " << parts;
  }
}

}  // namespace
