// The Core table of the stand-in host: atoms, callbacks, frames, fault
// injection, the log and the checks a test relies on.
#include <gtest/gtest.h>

#include "host/host_entry.h"
#include "host/host_operations.h"
#include "plugin/plugin_entry.h"
#include "standin/standin_host.h"

namespace {

using standin::StandinHost;

class CoreOperations : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(host_.StartLinked(&PlugInMain).handshake, true); }
  StandinHost host_;
};

TEST_F(CoreOperations, AtomsAreInternedAndNeverZero) {
  const ASAtom a = host::ASAtomFromString("Alpha");
  const ASAtom b = host::ASAtomFromString("Beta");
  EXPECT_NE(a, 0u);
  EXPECT_NE(a, b);
  EXPECT_EQ(host::ASAtomFromString("Alpha"), a);
  EXPECT_STREQ(host::ASAtomGetString(b), "Beta");
  for (const ASAtom bad : {ASAtom{0}, ASAtom{99999}}) {
    try {
      host::ASAtomGetString(bad);
      ADD_FAILURE() << "atom " << bad << " has no text";
    } catch (const HostError& error) {
      EXPECT_EQ(error.code(), kErrBadParameter);
    }
  }
  EXPECT_EQ(host_.Frames().Depth(), 0u);
}

TEST_F(CoreOperations, CallbacksAreCountedAndDestroyingADeadOneIsReported) {
  const int created = host_.Callbacks().Created();
  void* proc = HostEntryProc<PlugInSetup>();
  const ASCallback callback = host::ASCallbackCreate(Host().extensionId, proc);
  EXPECT_EQ(callback, proc);
  EXPECT_EQ(host_.Callbacks().Created(), created + 1);
  host::ASCallbackDestroy(callback);
  EXPECT_EQ(host_.Callbacks().Destroyed(), 1);
  EXPECT_THROW(host::ASCallbackDestroy(callback), HostError);
  EXPECT_EQ(host_.Violations().size(), 1u);
  // A callback for some other owner is refused.
  EXPECT_THROW(host::ASCallbackCreate(nullptr, proc), HostError);
}

TEST_F(CoreOperations, FaultRaisesOnExactlyTheNthCallFromNow) {
  host_.Faults().RaiseOnCall("ASAtomFromString", 3, kErrNoMemory);
  EXPECT_NO_THROW(host::ASAtomFromString("a"));
  EXPECT_NO_THROW(host::ASAtomFromString("b"));
  try {
    host::ASAtomFromString("c");
    ADD_FAILURE() << "the third call must raise";
  } catch (const HostError& error) {
    EXPECT_EQ(error.code(), kErrNoMemory);
  }
  EXPECT_NO_THROW(host::ASAtomFromString("d"));
  EXPECT_EQ(host_.Faults().Pending(), 0u);
  EXPECT_TRUE(host_.Log().Contains("ASAtomFromString(\"c\") -> raised 0x40000002"));
  EXPECT_TRUE(host_.Log().Contains("ASAtomFromString(\"d\") -> "));
  EXPECT_EQ(host_.Frames().Depth(), 0u);
}

TEST_F(CoreOperations, FaultsOnUnknownOrFrameOperationsAreRefused) {
  EXPECT_THROW(host_.Faults().RaiseOnCall("NoSuchOperation", 1, kErrGeneral), std::invalid_argument);
  EXPECT_THROW(host_.Faults().RaiseOnCall("ASPushExceptionFrame", 1, kErrGeneral), std::invalid_argument);
  EXPECT_THROW(host_.Faults().RaiseOnCall("ASAtomFromString", 0, kErrGeneral), std::invalid_argument);
}

TEST_F(CoreOperations, LogShowsHostCallsIntoThePlugInAndOperationsNestedUnderThem) {
  const auto& entries = host_.Log().Entries();
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries.front().name, "PlugInMain");
  EXPECT_EQ(entries.front().kind, standin::LogEntry::Kind::kPlugInCall);
  const auto requests = host_.Log().Find("ASExtensionMgrGetHFT");
  ASSERT_EQ(requests.size(), 5u);
  EXPECT_EQ(requests[0].Text().substr(0, 43), "ASExtensionMgrGetHFT(1 \"AcroSupport\", 0x400");
  EXPECT_EQ(requests[0].depth, 1);
}

// Plug-in functions that misuse the frame stack.
ASBool LeavesAFramePushed() {
  static PlugInFrame frame;
  PushHostFrame(&frame);
  return kHostTrue;
}
ASBool PopsTheHostsFrame() {
  PopHostFrame();
  return kHostTrue;
}

TEST_F(CoreOperations, UnbalancedFrameStackAfterACallIntoThePlugInIsReported) {
  for (const auto fn : {&HostEntry<LeavesAFramePushed>::Call, &HostEntry<PopsTheHostsFrame>::Call}) {
    const std::size_t before = host_.Violations().size();
    host_.CallPlugIn("Misuse", {}, fn);
    EXPECT_EQ(host_.Violations().size(), before + 1);
    EXPECT_EQ(host_.Frames().Depth(), 0u);
  }
}

}  // namespace
