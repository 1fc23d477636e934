// What the plug-in stored while loading, read from its own HostApi (the
// plug-in's code linked into the test and loaded by the stand-in host).
#include <gtest/gtest.h>

#include "host/host_api.h"
#include "plugin/plugin_entry.h"
#include "standin/standin_host.h"

namespace {

using standin::StandinHost;

TEST(StoredTables, GoodSetUpStoresEveryTableWithItsVersion) {
  StandinHost host;
  ASSERT_EQ(host.StartLinked(&PlugInMain).handshake, true);
  const HostApi& api = Host();
  EXPECT_EQ(api.hostMainWindow, host.MainWindowHandle());
  EXPECT_EQ(api.moduleInstance, GetModuleHandleA(nullptr));
  EXPECT_EQ(api.extensionId, host.ExtensionId());
  EXPECT_EQ(api.core.table, host.Tables().Core());
  EXPECT_EQ(api.core.version, kCoreHFTVersion);
  const struct {
    const HostTable& stored;
    const char* name;
  } tables[] = {{api.acroSupport, "AcroSupport"},
                {api.cos, "Cos"},
                {api.pdModel, "PDModel"},
                {api.acroView, "AcroView"},
                {api.win, "Win"}};
  for (const auto& table : tables) {
    EXPECT_EQ(table.stored.table, host.Tables().Find(table.name)->Pointer()) << table.name;
    EXPECT_EQ(table.stored.version, kHFTVersion4) << table.name;
  }
}

TEST(StoredTables, WithoutWinTheFourBeforeItAreStored) {
  StandinHost host;
  host.Faults().HideTable("Win");
  EXPECT_EQ(host.StartLinked(&PlugInMain).setup, false);
  const HostApi& api = Host();
  EXPECT_EQ(api.acroSupport.table, host.Tables().Find("AcroSupport")->Pointer());
  EXPECT_EQ(api.cos.table, host.Tables().Find("Cos")->Pointer());
  EXPECT_EQ(api.pdModel.table, host.Tables().Find("PDModel")->Pointer());
  EXPECT_EQ(api.acroView.table, host.Tables().Find("AcroView")->Pointer());
  EXPECT_EQ(api.win.table, nullptr);
}

}  // namespace
