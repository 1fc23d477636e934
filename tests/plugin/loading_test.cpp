// The real Vellora.api loaded by the stand-in host: the loading conversation.
#include <gtest/gtest.h>

#include "standin/standin_host.h"
#include "tests/plugin/plugin_dll.h"

namespace {

using standin::LoadReport;
using standin::StandinHost;
using standin::StartOptions;
using standin::TableRequest;

struct Request {
  const char* name;
  bool given;
};

// Every request is at 0x40000 and the names, answers and order are `expected`.
void ExpectRequests(const StandinHost& host, const std::vector<Request>& expected) {
  const std::vector<TableRequest>& requests = host.TableRequests();
  ASSERT_EQ(requests.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(requests[i].name, expected[i].name) << i;
    EXPECT_EQ(requests[i].version, kHFTVersion4) << requests[i].name;
    EXPECT_EQ(requests[i].given, expected[i].given) << requests[i].name;
  }
}

TEST(Loading, HandshakeVersionIsTheLowerOfHostsAnd0x20000) {
  struct Case {
    ASUns32 host;
    ASUns32 answered;
    bool setup;
  };
  for (const Case c : {Case{0x50000, 0x20000, true}, Case{0x20001, 0x20000, true}, Case{0x20000, 0x20000, true},
                       Case{0x1FFFF, 0x1FFFF, false}, Case{0x10000, 0x10000, false}}) {
    SCOPED_TRACE(c.host);
    StandinHost host;
    StartOptions options;
    options.hostHandshakeVersion = c.host;
    const LoadReport report = host.Start(PlugInDllPath(), options);
    ASSERT_TRUE(report.entryFound) << report.stoppedBecause;
    EXPECT_EQ(report.mainAnswer, true);
    EXPECT_EQ(report.plugInHandshakeVersion, c.answered);
    EXPECT_EQ(report.setup, c.setup);
    // A refused set-up asks for no table at all.
    if (!c.setup) {
      EXPECT_TRUE(host.TableRequests().empty());
    }
    EXPECT_TRUE(host.Violations().empty());
  }
}

TEST(Loading, SetUpDataOfAnotherVersionIsRefused) {
  StandinHost host;
  StartOptions options;
  options.setupDataVersion = 0x10000;
  const LoadReport report = host.Start(PlugInDllPath(), options);
  EXPECT_EQ(report.setup, false);
  EXPECT_FALSE(report.handshake.has_value());
  EXPECT_TRUE(host.TableRequests().empty());
}

TEST(Loading, GoodSetUpAcquiresEveryTableAt0x40000AndHandsOverThreeCallbacks) {
  StandinHost host;
  const LoadReport report = host.Start(PlugInDllPath());
  EXPECT_EQ(report.setup, true);
  EXPECT_EQ(report.handshake, true);
  ExpectRequests(host, {{"AcroSupport", true}, {"Cos", true}, {"PDModel", true}, {"AcroView", true}, {"Win", true}});
  EXPECT_EQ(report.extensionName, "Vellora1.0");
  EXPECT_EQ(report.callbacksHandedOver, 3);
  EXPECT_EQ(report.registered, true);
  EXPECT_EQ(report.initialized, true);
  // Handshake, register, init and unload; then, while registering and
  // initialising, the start-up notification, the quit hook and the button.
  EXPECT_EQ(host.Callbacks().Created(), 7);
  // The export-tables field and the application name stay as the host set them.
  EXPECT_EQ(host.Handshake().exportHFTsCallback, nullptr);
  EXPECT_STREQ(host.Atoms().GetString(host.Handshake().appName), "StandinReader");
  host.Unload();
  EXPECT_EQ(host.Log().Count("PlugInUnload"), 1u);
  EXPECT_EQ(host.Frames().Depth(), 0u);
  EXPECT_TRUE(host.Violations().empty());
}

TEST(Loading, HostWithoutWinStoresTheFourBeforeAndRefusesSetUp) {
  StandinHost host;
  host.Faults().HideTable("Win");
  const LoadReport report = host.Start(PlugInDllPath());
  EXPECT_EQ(report.setup, false);
  EXPECT_FALSE(report.handshake.has_value());
  ExpectRequests(host, {{"AcroSupport", true}, {"Cos", true}, {"PDModel", true}, {"AcroView", true}, {"Win", false}});
  // No handshake callback was made.
  EXPECT_EQ(host.Log().Count("ASCallbackCreate"), 0u);
}

TEST(Loading, AcroViewOnlyBelow0x40000EndsSetUpWithoutAskingLowerOrForWin) {
  StandinHost host;
  host.Faults().OfferTableBelow("AcroView", kHFTVersion4);
  const LoadReport report = host.Start(PlugInDllPath());
  EXPECT_EQ(report.setup, false);
  ExpectRequests(host, {{"AcroSupport", true}, {"Cos", true}, {"PDModel", true}, {"AcroView", false}});
  EXPECT_FALSE(host.Log().Contains("\"Win\""));
}

TEST(Loading, ErrorRaisedDuringSetUpComesBackToTheHostsFrame) {
  StandinHost host;
  host.Faults().RaiseOnCall("ASExtensionMgrGetHFT", 2, kErrNoMemory);
  const LoadReport report = host.Start(PlugInDllPath());
  EXPECT_EQ(report.setup, false);
  ASSERT_TRUE(host.LastFailedCall().has_value());
  EXPECT_EQ(host.LastFailedCall()->call, "PlugInSetup");
  EXPECT_EQ(host.LastFailedCall()->code, kErrNoMemory);
  EXPECT_EQ(host.Frames().Depth(), 0u);
  EXPECT_TRUE(host.Violations().empty());
}

}  // namespace
