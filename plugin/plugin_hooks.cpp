#include "plugin/plugin_hooks.h"

#include <utility>

#include "docstate/capture.h"
#include "docstate/restore_open_files.h"
#include "host/host_api.h"
#include "host/host_call.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "host/protected_call.h"
#include "plugin/the_project_store.h"
#include "projects/project_file.h"
#include "res/resource_ids.h"
#include "ui/manager_window.h"
#include "ui/save_failure.h"

namespace {

constexpr const char kManagerButtonName[] = "Vellora:FavoritePDFConfig";
constexpr const char kManagerButtonHelp[] = "Vellora v1.51";

// Written once each; the hooks' own state.
ASCallback startupCallback = nullptr;  // RestoreOpenFiles, for AVAppDidInitialize
bool startupRegistered = false;
ASCallback quitCallback = nullptr;     // CanQuitHook, in place of AVAppCanQuit
AVToolButton managerButton = nullptr;
bool quitHandled = false;

void OnAppDidInitialize(void* /*clientData*/) { RestoreOpenFiles(); }

}  // namespace

ASBool PlugInRegister() {
  const ProtectedResult result = ProtectedCall([] {
    const ASExtension self = Host().extensionId;
    startupCallback = host::ASCallbackCreate(self, HostEntryProc<OnAppDidInitialize>());
    host::AVAppRegisterNotification(AVAppDidInitializeNSEL, self, startupCallback, nullptr);
    startupRegistered = true;
    quitCallback = host::ASCallbackCreate(self, HostEntryProc<CanQuitHook>());
    host::HFTReplaceEntry(Host().acroView.table, AVAppCanQuitSEL, quitCallback, 1);
  });
  return result.failed ? kHostFalse : kHostTrue;
}

ASBool PlugInInit() {
  const ProtectedResult result = ProtectedCall([] {
    const AVToolBar toolBar = host::AVAppGetToolBar();
    const HBITMAP bitmap = LoadModuleBitmap(IDB_MANAGER_BUTTON);
    managerButton = host::AVToolButtonNew(host::ASAtomFromString(kManagerButtonName), bitmap, kHostTrue, kHostFalse);
    host::AVToolBarAddButton(toolBar, managerButton, kHostFalse, nullptr);
    const ASCallback onClick = host::ASCallbackCreate(Host().extensionId, HostEntryProc<OnManagerButton>());
    host::AVToolButtonSetExecuteProc(managerButton, onClick, const_cast<char*>(kManagerButtonName));
    host::AVToolButtonSetHelpText(managerButton, kManagerButtonHelp);
  });
  return result.failed ? kHostFalse : kHostTrue;
}

ASBool PlugInUnload() {
  if (managerButton != nullptr) host::AVToolButtonDestroy(std::exchange(managerButton, nullptr));
  // When registering failed early, only what was made is undone.
  if (std::exchange(startupRegistered, false)) {
    host::AVAppUnregisterNotification(AVAppDidInitializeNSEL, Host().extensionId, startupCallback, nullptr);
  }
  if (startupCallback != nullptr) host::ASCallbackDestroy(std::exchange(startupCallback, nullptr));
  return kHostTrue;
}

ASBool CanQuitHook() {
  if (!quitHandled) {
    // Errors here go back to the host and leave quitHandled false, so the
    // next quit request tries again.
    ProjectStore& store = TheProjectStore();
    CaptureOpenDocuments(store);
    LoadProjects(store);
    const SaveOutcome saved = SaveProjects(store);
    quitHandled = true;
    // The quit goes on once the user has read it.
    ShowSaveFailure(Host().hostMainWindow, saved, SaveMoment::kQuit);
  }
  ASBool mayQuit = kHostFalse;
  const ProtectedResult result = ProtectedCall([&mayQuit] {
    const HFTEntry replaced = host::HFTGetReplacedEntry(Host().acroView.table, AVAppCanQuitSEL, quitCallback);
    mayQuit = CallHostEntry<AVAppCanQuitSELPROTO>(replaced);
  });
  // Raised again by the trampoline once this hook's frame is gone.
  if (result.failed && result.code != 0) throw HostError(result.code);
  return mayQuit;
}

void OnManagerButton(void* /*clientData*/) {
  // Modal, owned by the host's main window: returns once the user closed it.
  ManagerWindow window(TheProjectStore());
  OpenManagerWindow(window, 0);
}

HBITMAP LoadModuleBitmap(ASUns16 resourceId) {
  return static_cast<HBITMAP>(
      LoadImageA(Host().moduleInstance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, 0));
}
