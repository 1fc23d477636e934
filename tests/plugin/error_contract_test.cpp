// Host errors inside the plug-in: a raise inside a protected region is caught
// there; one the plug-in lets through reaches the host's own frame as the
// same code; no C++ exception crosses into the host, and the destructors of
// the plug-in's objects run on the way out.
#include <gtest/gtest.h>

#include <stdexcept>

#include "host/host_api.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "plugin/plugin_entry.h"
#include "host/protected_call.h"
#include "standin/standin_host.h"

namespace {

using standin::StandinHost;

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

ASBool RawRaiseInProtectedRegion() {
  regionResult = ProtectedCall([] {
    // The host's raise itself, not through a wrapper: it lands on the
    // region's own frame.
    reinterpret_cast<ASRaiseSELPROTO>(Host().core.table[ASRaiseSEL])(kInjected);
  });
  return kHostTrue;
}

class ErrorContract : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(host_.StartLinked(&PlugInMain).handshake, true);
    destroyed = 0;
    regionResult = {};
  }
  void TearDown() override {
    EXPECT_EQ(host_.Frames().Depth(), 0u);
    EXPECT_TRUE(host_.Violations().empty());
  }
  StandinHost host_;
};

TEST_F(ErrorContract, ErrorOutsideAnyProtectedRegionReachesTheHostsFrame) {
  host_.Faults().RaiseOnCall("ASAtomFromString", 1, kInjected);
  const auto answer = host_.CallPlugIn("LetsHostErrorThrough", {}, &HostEntry<LetsHostErrorThrough>::Call);
  EXPECT_TRUE(answer.raised);
  EXPECT_EQ(answer.code, kInjected);
  EXPECT_FALSE(answer.exceptionCrossed);
  EXPECT_EQ(destroyed, 1);
  ASSERT_TRUE(host_.LastFailedCall().has_value());
  EXPECT_EQ(host_.LastFailedCall()->call, "LetsHostErrorThrough");
  EXPECT_EQ(host_.LastFailedCall()->code, kInjected);
}

TEST_F(ErrorContract, OtherExceptionReachesTheHostAsUnknownError) {
  const auto answer = host_.CallPlugIn("ThrowsOtherException", {}, &HostEntry<ThrowsOtherException>::Call);
  EXPECT_TRUE(answer.raised);
  EXPECT_EQ(answer.code, kErrUnknown);
  EXPECT_FALSE(answer.exceptionCrossed);
  EXPECT_EQ(destroyed, 1);
}

TEST_F(ErrorContract, ErrorInsideProtectedCallIsCaughtThere) {
  host_.Faults().RaiseOnCall("ASAtomFromString", 1, kInjected);
  const auto answer = host_.CallPlugIn("CatchesInProtectedRegion", {}, &HostEntry<CatchesInProtectedRegion>::Call);
  EXPECT_FALSE(answer.raised);
  EXPECT_EQ(answer.value, kHostTrue);
  EXPECT_TRUE(regionResult.failed);
  EXPECT_EQ(regionResult.code, kInjected);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(depthInside, 1u);  // the host's own frame
  EXPECT_FALSE(host_.LastFailedCall().has_value());
}

TEST_F(ErrorContract, RawRaiseLandsOnTheProtectedRegionsFrame) {
  const auto answer = host_.CallPlugIn("RawRaiseInProtectedRegion", {}, &HostEntry<RawRaiseInProtectedRegion>::Call);
  EXPECT_FALSE(answer.raised);
  EXPECT_TRUE(regionResult.failed);
  EXPECT_EQ(regionResult.code, kInjected);
}

}  // namespace
