// Host errors inside the plug-in: a raise inside a protected region is caught
// there; one the plug-in lets through reaches the host's own frame as the
// same code; no C++ exception crosses into the host, and the destructors of
// the plug-in's objects run on the way out.
#include <gtest/gtest.h>

#include <stdexcept>

#include "host/host_api.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "host/protected_call.h"
#include "plugin/plugin_entry.h"
#include "standin/story/host_story.h"
#include "tests/support/test_support.h"

namespace {

constexpr ASErrorCode kInjected = 0x4000ABCD;

// Counts destructor runs: a longjmp over a live object would skip it.
int destroyed = 0;
struct Witness {
  ~Witness() { ++destroyed; }
};

std::size_t depthInside = 0;
ProtectedResult regionResult;

ASBool LetsHostErrorThrough() {
  Witness witness;
  host::ASAtomFromString("raises");
  return kHostTrue;
}

ASBool ThrowsOtherException() {
  Witness witness;
  throw std::runtime_error("not a host error");
}

ASBool CatchesInProtectedRegion() {
  depthInside = standin::CurrentHost().Frames().Depth();
  regionResult = ProtectedCall([] {
    Witness witness;
    host::ASAtomFromString("raises");
  });
  EXPECT_EQ(standin::CurrentHost().Frames().Depth(), depthInside);
  return kHostTrue;
}

ASBool RaisesFromCallback(AVDoc, void*) { throw HostError(0x40001234); }
ASBool EnumeratesWithARaisingCallback() {
  host::AVAppEnumDocs(host::ASCallbackCreate(Host().extensionId, HostEntryProc<RaisesFromCallback>()), nullptr);
  return kHostTrue;
}

ASBool RawRaiseInProtectedRegion() {
  regionResult = ProtectedCall([] {
    // The host's raise itself, not through a wrapper: it lands on the
    // region's own frame.
    reinterpret_cast<ASRaiseSELPROTO>(Host().core.table[ASRaiseSEL])(kInjected);
  });
  return kHostTrue;
}

}  // namespace

TEST(ErrorContract, WhatEscapesThePlugInReachesTheHostAsAHostErrorOnlyOutsideAProtectedRegion) {
  const struct {
    ASBool(HOSTCALL* call)();
    bool inject;         // the first ASAtomFromString raises kInjected
    ASErrorCode raised;  // the code the host sees raised, 0 for none
    ASErrorCode caught;  // the code a protected region caught, 0 for none
    int destroyed;       // objects destroyed on the way out
  } rows[] = {
      /* 0 */ {&HostEntry<LetsHostErrorThrough>::Call, true, kInjected, 0, 1},
      /* 1 */ {&HostEntry<ThrowsOtherException>::Call, false, kErrGeneral, 0, 1},
      /* 2 */ {&HostEntry<CatchesInProtectedRegion>::Call, true, 0, kInjected, 1},
      /* 3 */ {&HostEntry<RawRaiseInProtectedRegion>::Call, false, 0, kInjected, 0},
      /* 4 */ {&HostEntry<EnumeratesWithARaisingCallback>::Call, false, 0x40001234, 0, 0},
  };
  const support::TempFolder folder;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    standin::HostStory story;
    ASSERT_EQ(story.StartLinked(&PlugInMain).handshake, true);
    story.OpenFile(folder.Pdf("one.pdf", 1));
    destroyed = 0;
    depthInside = 0;
    regionResult = {};
    if (rows[i].inject) story.Faults().RaiseOnCall("ASAtomFromString", 1, kInjected);
    const auto answer = story.Host().CallPlugIn("Call", {}, rows[i].call);
    EXPECT_EQ(answer.raised ? answer.code : 0, rows[i].raised);
    EXPECT_FALSE(answer.exceptionCrossed);
    EXPECT_EQ(story.LastFailedCall().has_value(), rows[i].raised != 0);
    EXPECT_EQ(regionResult.failed ? regionResult.code : 0, rows[i].caught);
    EXPECT_EQ(destroyed, rows[i].destroyed);
    EXPECT_EQ(depthInside, i == 2 ? 1u : 0u) << "inside the region only the host's own frame";
    EXPECT_EQ(story.FrameDepth(), 0u);
    EXPECT_TRUE(story.Violations().empty());
  }
}
