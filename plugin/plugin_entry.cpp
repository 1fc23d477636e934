#include "plugin/plugin_entry.h"

#include <algorithm>
#include <type_traits>

#include "host/host_api.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "plugin/plugin_hooks.h"

namespace {

constexpr ASUns32 kHighestWantedVersion = kHFTVersion4;
constexpr ASUns32 kLowestAcceptedVersion = kHFTVersion4;

// Asks the host for the table `name`, from the highest wanted version down to
// the lowest accepted one. The table's stored version is the one asked for
// last; false when none came back.
bool AcquireTable(const char* name, HostTable& table) {
  table.version = kHighestWantedVersion;
  table.table = host::ASExtensionMgrGetHFT(host::ASAtomFromString(name), table.version);
  while (table.table == nullptr && table.version >= kLowestAcceptedVersion) {
    --table.version;
    if (table.version < kLowestAcceptedVersion) break;
    table.table = host::ASExtensionMgrGetHFT(host::ASAtomFromString(name), table.version);
  }
  return table.table != nullptr;
}

}  // namespace

// The host calls PlugInMain through a PlugInMainProcType.
static_assert(std::is_same_v<decltype(&PlugInMain), PlugInMainProcType>);

extern "C" ASBool PLUGINMAIN_CALL PlugInMain(ASUns32 appHandshakeVersion, ASUns32* handshakeVersion,
                                             PISetupSDKProcType* setupProc, void* windowsData) {
  HostApi& api = HostApiForLoading();
  if (const auto* winData = static_cast<const PIWinData*>(windowsData)) {
    api.hostMainWindow = winData->mainWindow;
    api.moduleInstance = winData->moduleInstance;
  }
  if (handshakeVersion != nullptr) *handshakeVersion = std::min(appHandshakeVersion, kHandshakeV0200);
  if (setupProc != nullptr) *setupProc = &HostEntry<PlugInSetup>::Call;
  return kHostTrue;
}

ASBool PlugInSetup(ASUns32 handshakeVersion, void* sdkData) {
  auto* data = static_cast<PISDKData_V0200*>(sdkData);
  if (handshakeVersion != kHandshakeV0200 || data == nullptr) return kHostFalse;
  if (data->handshakeVersion != kHandshakeV0200) return kHostFalse;

  HostApi& api = HostApiForLoading();
  api.extensionId = data->extensionID;
  api.core = {data->coreHFT, kCoreHFTVersion};

  // Every table is required; a missing one ends loading and leaves the later
  // ones unrequested.
  const bool all = AcquireTable(kAcroSupportHFTName, api.acroSupport) && AcquireTable(kCosHFTName, api.cos) &&
                   AcquireTable(kPDModelHFTName, api.pdModel) && AcquireTable(kAcroViewHFTName, api.acroView) &&
                   AcquireTable(kWinHFTName, api.win);
  if (!all) return kHostFalse;

  data->handshakeCallback = host::ASCallbackCreate(api.extensionId, HostEntryProc<PlugInHandshake>());
  return kHostTrue;
}

ASBool PlugInHandshake(ASUns32 handshakeVersion, void* handshakeData) {
  // Set-up has refused every other version; such a handshake fills nothing.
  auto* data = static_cast<PIHandshakeData_V0200*>(handshakeData);
  if (handshakeVersion != kHandshakeV0200 || data == nullptr) return kHostFalse;

  const ASExtension self = Host().extensionId;
  data->extensionName = host::ASAtomFromString(kExtensionName);
  data->importReplaceAndRegisterCallback = host::ASCallbackCreate(self, HostEntryProc<PlugInRegister>());
  data->initCallback = host::ASCallbackCreate(self, HostEntryProc<PlugInInit>());
  data->unloadCallback = host::ASCallbackCreate(self, HostEntryProc<PlugInUnload>());
  return kHostTrue;
}
