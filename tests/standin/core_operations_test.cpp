// The Core table of the stand-in host, what every other test relies on: a
// fault raised on exactly the call asked for, misuse of the frame stack
// reported.
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

}  // namespace
