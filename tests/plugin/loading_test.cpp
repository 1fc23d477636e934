// The loading conversation with hosts of every kind, the plug-in's code
// linked in so that what it stored (HostApi) can be read: the versions
// answered, the tables asked for in order at 0x40000 and stored, the
// callbacks handed over; whatever a host lacks ends loading.
#include <gtest/gtest.h>

#include "host/host_api.h"
#include "plugin/plugin_entry.h"
#include "standin/interface/standin_host.h"

namespace {

TEST(Loading, TheConversationWithHostsOfEveryKind) {
  enum Kind { kGood, kOldSetupData, kNoWin, kOldAcroView, kRaise };
  const struct {
    Kind kind;
    ASUns32 host;      // the host's handshake version
    ASUns32 answered;  // the plug-in's
    bool setup;
    const char* requests;  // tables asked for, "-" before one not given
  } rows[] = {
      /* 0 */ {kGood, 0x50000, 0x20000, true, "AcroSupport Cos PDModel AcroView Win "},
      /* 1 */ {kGood, 0x20001, 0x20000, true, "AcroSupport Cos PDModel AcroView Win "},
      /* 2 */ {kGood, 0x20000, 0x20000, true, "AcroSupport Cos PDModel AcroView Win "},
      /* 3 */ {kGood, 0x1FFFF, 0x1FFFF, false, ""},
      /* 4 */ {kOldSetupData, 0x20000, 0x20000, false, ""},
      /* 5 */ {kNoWin, 0x20000, 0x20000, false, "AcroSupport Cos PDModel AcroView -Win "},
      /* 6 */ {kOldAcroView, 0x20000, 0x20000, false, "AcroSupport Cos PDModel -AcroView "},
      /* 7 */ {kRaise, 0x20000, 0x20000, false, "AcroSupport "},  // the second request raises
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    standin::StandinHost host;
    standin::StartOptions options;
    options.hostHandshakeVersion = rows[i].host;
    if (rows[i].kind == kOldSetupData) options.setupDataVersion = 0x10000;
    if (rows[i].kind == kNoWin) host.Faults().HideTable("Win");
    if (rows[i].kind == kOldAcroView) host.Faults().OfferTableBelow("AcroView", kHFTVersion4);
    if (rows[i].kind == kRaise) host.Faults().RaiseOnCall("ASExtensionMgrGetHFT", 2, kErrNoMemory);
    const standin::LoadReport report = host.StartLinked(&PlugInMain, options);
    EXPECT_EQ(report.mainAnswer, true);
    EXPECT_EQ(report.plugInHandshakeVersion, rows[i].answered);
    EXPECT_EQ(report.setup, rows[i].setup);
    std::string requests;
    for (const standin::TableRequest& request : host.TableRequests()) {
      requests += (request.given ? "" : "-") + request.name + " ";
      EXPECT_EQ(request.version, kHFTVersion4) << request.name;
    }
    EXPECT_EQ(requests, rows[i].requests);
    const HostApi& api = Host();
    if (rows[i].setup || rows[i].kind == kNoWin) {
      EXPECT_EQ(api.hostMainWindow, host.MainWindowHandle());
      EXPECT_EQ(api.moduleInstance, GetModuleHandleA(nullptr));
      EXPECT_EQ(api.extensionId, host.ExtensionId());
      EXPECT_TRUE(api.core.table == host.Tables().Core() && api.core.version == kCoreHFTVersion);
      const std::pair<const HostTable&, const char*> tables[] = {
          {api.acroSupport, "AcroSupport"}, {api.cos, "Cos"}, {api.pdModel, "PDModel"}, {api.acroView, "AcroView"}};
      for (const auto& [stored, name] : tables) {
        EXPECT_TRUE(stored.table == host.Tables().Find(name)->Pointer() && stored.version == kHFTVersion4) << name;
      }
      EXPECT_EQ(api.win.table, rows[i].setup ? host.Tables().Find("Win")->Pointer() : nullptr);
    }
    if (rows[i].setup) {
      EXPECT_EQ(report.extensionName, "Vellora1.0");
      EXPECT_EQ(report.callbacksHandedOver, 3);
      EXPECT_TRUE(report.registered.value_or(false) && report.initialized.value_or(false));
      // Handshake, register, init and unload; then the start-up notification,
      // the quit hook, the three other notifications, the idle procedure and
      // the button.
      EXPECT_EQ(host.Callbacks().Created(), 11);
      EXPECT_EQ(host.Handshake().exportHFTsCallback, nullptr) << "left as the host set it";
      EXPECT_STREQ(host.Atoms().GetString(host.Handshake().appName), "StandinReader");
      host.Unload();
    } else {
      EXPECT_FALSE(report.handshake.has_value());
      EXPECT_EQ(host.Log().Count("ASCallbackCreate"), 0u) << "no handshake callback";
    }
    if (rows[i].kind == kRaise) {
      ASSERT_TRUE(host.LastFailedCall().has_value());
      EXPECT_EQ(host.LastFailedCall()->call, "PlugInSetup");
      EXPECT_EQ(host.LastFailedCall()->code, kErrNoMemory);
    }
    EXPECT_EQ(host.Frames().Depth(), 0u);
    EXPECT_TRUE(host.Violations().empty());
  }
}

// A plug-in that hands over an export-tables callback and writes one byte
// past the end of every record the host hands it.
std::string called;
template <typename Record>
void Overrun(void* record) { static_cast<unsigned char*>(record)[sizeof(Record)] = 0; }
ASBool HOSTCALL Export() { return called += "export;", kHostTrue; }
ASBool HOSTCALL Register() { return called += "register;", kHostTrue; }
ASBool HOSTCALL Handshake(ASUns32, void* data) {
  static_cast<PIHandshakeData_V0200*>(data)->exportHFTsCallback = reinterpret_cast<void*>(&Export);
  static_cast<PIHandshakeData_V0200*>(data)->importReplaceAndRegisterCallback = reinterpret_cast<void*>(&Register);
  return Overrun<PIHandshakeData_V0200>(data), kHostTrue;
}
ASBool HOSTCALL Setup(ASUns32, void* data) {
  static_cast<PISDKData_V0200*>(data)->handshakeCallback = reinterpret_cast<void*>(&Handshake);
  return Overrun<PISDKData_V0200>(data), kHostTrue;
}
ASBool PLUGINMAIN_CALL OverrunningMain(ASUns32, ASUns32* version, PISetupSDKProcType* setup, void* data) {
  *version = kHandshakeV0200, *setup = &Setup;
  return Overrun<PIWinData>(data), kHostTrue;
}

TEST(Loading, TheExportTablesCallbackComesBeforeRegisterAndAWritePastARecordIsReported) {
  standin::StandinHost host;
  host.StartLinked(&OverrunningMain);
  EXPECT_EQ(called, "export;register;");
  EXPECT_EQ(host.Violations(), (std::vector<std::string>{"the plug-in wrote past the end of the Windows data",
                                                          "the plug-in wrote past the end of the set-up data",
                                                          "the plug-in wrote past the end of the handshake data"}));
}

}  // namespace
