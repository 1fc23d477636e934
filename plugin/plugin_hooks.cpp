#include "plugin/plugin_hooks.h"

#include <optional>
#include <utility>

#include "docstate/autosave.h"
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
// How often the host calls the idle procedure when it is idle: a few times
// a second, so that a due save waits little.
constexpr ASUns32 kIdlePeriodTicks = kTicksPerSecond / 4;

// Written once each; the hooks' own state.
ASCallback quitCallback = nullptr;  // CanQuitHook, in place of AVAppCanQuit
AVToolButton managerButton = nullptr;
bool quitHandled = false;

// Keeps the remembered documents current between the start and the quit.
Autosave autosave;
bool autosaveFailureShown = false;  // its message comes once a run

void OnAppDidInitialize(void* /*clientData*/) {
  const ScopedAutosaveHold restoring(autosave, AutosaveHold::kRestore);
  RestoreOpenFiles();
}
void OnDocDidOpen(AVDoc doc, ASErrorCode /*error*/, void* /*clientData*/) { autosave.DocumentOpened(doc); }
void OnDocWillClose(AVDoc doc, void* /*clientData*/) { autosave.DocumentClosing(doc); }
void OnPageViewDidChange(AVPageView /*view*/, ASInt16 /*how*/, void* /*clientData*/) { autosave.ViewChanged(); }

void OnIdle(void* /*clientData*/) {
  const std::optional<SaveOutcome> saved = autosave.OnIdle();
  if (saved && !saved->saved && !std::exchange(autosaveFailureShown, true)) {
    ShowSaveFailure(Host().hostMainWindow, *saved, SaveMoment::kAutosave);
  }
}

// The notifications the plug-in listens to, each with its callback, kept
// for unregistering; registered in this order.
struct Listener {
  NSelector nsel;
  void* proc;
  ASCallback callback = nullptr;
  bool registered = false;
};
Listener listeners[] = {
    {AVAppDidInitializeNSEL, HostEntryProc<OnAppDidInitialize>()},
    {AVDocDidOpenNSEL, HostEntryProc<OnDocDidOpen>()},
    {AVDocWillCloseNSEL, HostEntryProc<OnDocWillClose>()},
    {AVPageViewDidChangeNSEL, HostEntryProc<OnPageViewDidChange>()},
};
Listener& startup = listeners[0];
ASCallback idleCallback = nullptr;
bool idleRegistered = false;

void Listen(Listener& listener) {
  listener.callback = host::ASCallbackCreate(Host().extensionId, listener.proc);
  host::AVAppRegisterNotification(listener.nsel, Host().extensionId, listener.callback, nullptr);
  listener.registered = true;
}

}  // namespace

ASBool PlugInRegister() {
  const ProtectedResult result = ProtectedCall([] {
    const ASExtension self = Host().extensionId;
    Listen(startup);
    quitCallback = host::ASCallbackCreate(self, HostEntryProc<CanQuitHook>());
    host::HFTReplaceEntry(Host().acroView.table, AVAppCanQuitSEL, quitCallback, kHFTEntryReplaceable);
    // Then what keeps the remembered documents current.
    for (Listener& listener : listeners) {
      if (&listener != &startup) Listen(listener);
    }
    idleCallback = host::ASCallbackCreate(self, HostEntryProc<OnIdle>());
    host::AVAppRegisterIdleProc(idleCallback, nullptr, kIdlePeriodTicks);
    idleRegistered = true;
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
  for (Listener& listener : listeners) {
    if (std::exchange(listener.registered, false)) {
      host::AVAppUnregisterNotification(listener.nsel, Host().extensionId, listener.callback, nullptr);
    }
    if (listener.callback != nullptr) host::ASCallbackDestroy(std::exchange(listener.callback, nullptr));
  }
  if (std::exchange(idleRegistered, false)) host::AVAppUnregisterIdleProc(idleCallback, nullptr);
  if (idleCallback != nullptr) host::ASCallbackDestroy(std::exchange(idleCallback, nullptr));
  return kHostTrue;
}

ASBool CanQuitHook() {
  // The documents the quit closes must not empty the remembered set.
  autosave.QuitRequested();
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
  if (result.failed) throw HostError(result.code);
  return mayQuit;
}

void OnManagerButton(void* /*clientData*/) {
  // Modal, owned by the host's main window: returns once the user closed it.
  // What the window changes is saved after it.
  const ScopedAutosaveHold windowOpen(autosave, AutosaveHold::kWindow);
  ManagerWindow window(TheProjectStore());
  OpenManagerWindow(window, 0);
}

HBITMAP LoadModuleBitmap(ASUns16 resourceId) {
  return static_cast<HBITMAP>(
      LoadImageA(Host().moduleInstance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, 0));
}
