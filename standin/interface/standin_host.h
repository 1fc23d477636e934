// The stand-in host: loads the real plug-in DLL and plays the PDF reader
// around it. It owns every piece of host state (tables, atoms, callbacks,
// exception frames, documents, menus, tool bar, notifications, idle
// procedures) and the test
// instruments (fault injection, operation log, checks that a test must see).
//
// One stand-in host exists at a time: the table entries reach it through
// CurrentHost().
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "host/host_interface.h"
#include "standin/interface/atoms.h"
#include "standin/interface/callbacks.h"
#include "standin/interface/documents.h"
#include "standin/interface/exception_frames.h"
#include "standin/interface/fault_injection.h"
#include "standin/interface/guarded_record.h"
#include "standin/interface/host_memory.h"
#include "standin/interface/host_tables.h"
#include "standin/interface/idle_procs.h"
#include "standin/interface/main_window.h"
#include "standin/interface/menu_bar.h"
#include "standin/interface/notifications.h"
#include "standin/interface/operation_log.h"
#include "standin/interface/path_objects.h"
#include "standin/interface/plugin_call.h"
#include "standin/interface/tool_bar.h"

namespace standin {

struct StartOptions {
  ASUns32 hostHandshakeVersion = kHandshakeV0200;
  // The version written into the set-up data; by default the version the
  // plug-in answered.
  std::optional<ASUns32> setupDataVersion;
  bool registerAndInit = true;  // call the register and init callbacks
  bool announceStarted = true;  // send AVAppDidInitialize at the end
};

// What happened while loading, step by step. A step not reached stays empty.
struct LoadReport {
  bool libraryLoaded = false;
  bool entryFound = false;
  std::optional<bool> mainAnswer;
  ASUns32 plugInHandshakeVersion = 0;
  bool setupProcGiven = false;
  std::optional<bool> setup;
  std::optional<bool> handshake;
  std::optional<bool> exportedTables;  // the export-tables callback, when the handshake set one
  std::string extensionName;
  int callbacksHandedOver = 0;  // register, init, unload
  std::optional<bool> registered;
  std::optional<bool> initialized;
  bool started = false;  // AVAppDidInitialize sent
  std::string stoppedBecause;
};

struct TableRequest {
  std::string name;
  ASUns32 version;
  bool given;
};

// A window onto the host's state (the reader's main window) hears of every
// change: after each host operation a plug-in calls, and when the host
// refuses to open a file on a plug-in's behalf.
class HostObserver {
 public:
  virtual void HostChanged() = 0;
  virtual void OpenRefused(const std::string& path, const std::string& problem) = 0;

 protected:
  ~HostObserver() = default;
};

struct FailedCall {
  std::string call;  // the host's call into the plug-in that ended in a raise
  ASErrorCode code;
};

class StandinHost {
 public:
  StandinHost();
  ~StandinHost();
  StandinHost(const StandinHost&) = delete;
  StandinHost& operator=(const StandinHost&) = delete;

  // Loads the DLL at `dllPath` (a Windows path) and runs the loading
  // conversation, register, init and the start-up notification.
  LoadReport Start(const std::string& dllPath, const StartOptions& options = {});
  // Sends AVAppDidInitialize to every listener.
  void AnnounceStarted();
  // The same conversation with a plug-in linked into the running program
  // (tests that read the plug-in's own state); its module is the program's.
  LoadReport StartLinked(PlugInMainProcType main, const StartOptions& options = {});
  // Calls the plug-in's unload callback and frees the library.
  void Unload();
  bool Loaded() const { return module_ != nullptr; }

  // Calls `fn` in the plug-in inside the host's own frame: logs the call,
  // records a raise as the last failed call and reports an unbalanced frame
  // stack or a C++ exception that came out.
  template <typename Fn, typename... A>
  auto CallPlugIn(const char* what, std::vector<std::string> args, Fn fn, A... values)
      -> PlugInAnswer<decltype(fn(values...))>;

  // What the host does on its own or for its user. Each call into the
  // plug-in goes through CallPlugIn.
  //
  // The document of the file (a Windows path), opened or already open, now in
  // front; none for a missing file or one whose page count cannot be read,
  // and `problem` says why. A new document is listed in the "Window" menu,
  // then AVDocDidOpen is sent (error 0); a refused file gets AVDocDidOpen
  // with no document and kErrFileOpen; an open one already open gets none.
  Document* OpenDocument(const std::string& path, std::string& problem);
  // The same on a plug-in's behalf: a refusal goes to the observer.
  Document* OpenDocument(const std::string& path);
  // Each open takes this long first, as from a slow drive (a test's way to
  // catch the start-up restore under way).
  void SetOpenDelay(DWORD milliseconds) { openDelay_ = milliseconds; }
  // False when the user keeps the document open (see Document::keptOpenByUser).
  // Otherwise AVDocWillClose is sent while the document is still open, then
  // it closes.
  bool CloseDocument(Document* document, bool noSave);
  // Runs `change` on the document's view, then tells the listeners of
  // AVPageViewDidChange what changed, if anything (see ViewChanged).
  template <typename Change>
  void ChangeView(Document& document, const Change& change) {
    const ViewSettings before = SettingsOf(document);
    change();
    ViewChanged(document, ViewChanges(before, SettingsOf(document)));
  }
  // Sends AVPageViewDidChange with the kViewChanged bits `how` (none for 0);
  // inside a batch of the page view, once, when the batch ends.
  void ViewChanged(Document& document, ASInt16 how);
  // The user's view command (reader_commands.h) on the document.
  void ViewCommand(Document& document, int command);
  // Asks whether the host may quit: calls the AcroView table's AVAppCanQuit
  // entry, which a plug-in may have replaced. A raise counts as "no".
  bool AskToQuit();
  // The user quits: the host asks, then closes every document in order, then
  // unloads the plug-in. False when the host was told not to quit or a
  // document was kept open; what closed stays closed.
  bool Quit();
  // Clicks the tool bar button `name`; false when there is no such button or
  // it has no execute procedure.
  bool ClickToolButton(const std::string& name);
  // The host's own answer to AVAppCanQuit.
  void SetHostCanQuit(bool canQuit) { hostCanQuit_ = canQuit; }
  bool HostCanQuit() const { return hostCanQuit_; }

  // The host's message loop. Idle procedures are only called from the
  // host's own loop, never while a call into the plug-in is running.
  //
  // Calls every idle procedure that is due; how many were called.
  int RunDueIdleProcs();
  // The next message of the thread's queue; while there is none, calls the
  // due idle procedures and sleeps until a message comes or the next one is
  // due. False for WM_QUIT.
  bool NextMessage(MSG& message);
  // The user does nothing for `milliseconds`: messages are dispatched and
  // idle procedures called when due, sleeping in between. A WM_QUIT ends it
  // early and is posted again.
  void IdleFor(DWORD milliseconds);
  // How many times the loop has gone to sleep.
  std::size_t Sleeps() const { return sleeps_; }

  // The one observer, or none; told of changes made by a plug-in.
  void SetObserver(HostObserver* observer) { observer_ = observer; }
  void Changed() {
    if (observer_ != nullptr) observer_->HostChanged();
  }

  // Host state.
  Documents& Docs() { return documents_; }
  MenuBar& Menus() { return menuBar_; }
  ToolBar& Tools() { return toolBar_; }
  Notifications& Listeners() { return notifications_; }
  IdleProcs& Idle() { return idleProcs_; }
  PathObjects& Paths() { return paths_; }
  OperationLog& Log() { return log_; }
  FaultInjection& Faults() { return faults_; }
  ExceptionFrames& Frames() { return frames_; }
  AtomTable& Atoms() { return atoms_; }
  CallbackRegistry& Callbacks() { return callbacks_; }
  HostMemory& Memory() { return memory_; }
  HostTables& Tables() { return tables_; }
  HWND MainWindowHandle() const { return window_.Handle(); }
  MainWindow& Window() { return window_; }
  HMODULE PlugInModule() const { return module_; }
  ASExtension ExtensionId() { return reinterpret_cast<ASExtension>(&extensionRecord_); }
  const PIHandshakeData_V0200& Handshake() const { return handshake_.record; }

  // Test instruments.
  void RecordTableRequest(TableRequest request) { tableRequests_.push_back(std::move(request)); }
  const std::vector<TableRequest>& TableRequests() const { return tableRequests_; }
  const std::optional<FailedCall>& LastFailedCall() const { return lastFailedCall_; }
  // Misuse a test must fail on: unbalanced frames or batches, releases of
  // what was not acquired, exceptions crossing into the host, notifications
  // or idle procedures still registered at unload, a call of an entry this
  // host does not serve, a write past the end of a record it handed over.
  void Violation(const std::string& text);
  const std::vector<std::string>& Violations() const { return violations_; }

 private:
  void Converse(PlugInMainProcType main, const StartOptions& options, LoadReport& report);
  // A violation when the plug-in wrote past the end of the record `what`.
  template <typename Record>
  void CheckGuard(const GuardedRecord<Record>& record, const char* what) {
    if (!record.Intact()) Violation(std::string("the plug-in wrote past the end of ") + what);
  }
  void CheckAnswer(const char* what, std::size_t depthBefore, bool exceptionCrossed, bool frameOnTop, bool raised,
                   ASErrorCode code);
  // Calls every listener of `nsel` with `values` and its client data.
  template <typename... A>
  void Notify(NSelector nsel, const char* name, std::vector<std::string> args, A... values);
  // Idle procedures due now are called; then sleeps until a message comes,
  // the next one is due or `limit` milliseconds have passed.
  void WaitIdle(DWORD limit);

  OperationLog log_;
  FaultInjection faults_;
  ExceptionFrames frames_;
  AtomTable atoms_;
  CallbackRegistry callbacks_;
  HostMemory memory_;
  HostTables tables_;
  MainWindow window_;
  Documents documents_;
  MenuBar menuBar_;
  ToolBar toolBar_;
  Notifications notifications_;
  IdleProcs idleProcs_;
  PathObjects paths_;
  HostObserver* observer_ = nullptr;
  bool hostCanQuit_ = true;
  DWORD openDelay_ = 0;
  std::size_t sleeps_ = 0;
  int extensionRecord_ = 0;  // its address is the plug-in's extension id
  HMODULE module_ = nullptr;
  bool linked_ = false;
  GuardedRecord<PIHandshakeData_V0200> handshake_;
  std::vector<TableRequest> tableRequests_;
  std::optional<FailedCall> lastFailedCall_;
  std::vector<std::string> violations_;
};

// The stand-in host that exists now; ends the process with a message when
// there is none (a table entry called with no host behind it).
StandinHost& CurrentHost();

std::string HexText(ASUns32 value);
std::string FormatPointer(const void* pointer);  // "null" or the address

template <typename Fn, typename... A>
auto StandinHost::CallPlugIn(const char* what, std::vector<std::string> args, Fn fn, A... values)
    -> PlugInAnswer<decltype(fn(values...))> {
  using R = decltype(fn(values...));
  const std::size_t entry = log_.Begin(LogEntry::Kind::kPlugInCall, what, std::move(args));
  const std::size_t depthBefore = frames_.Depth();
  const PlugInAnswer<R> answer = CallInHostFrame<R>(frames_, fn, values...);
  CheckAnswer(what, depthBefore, answer.exceptionCrossed, answer.frameOnTop, answer.raised, answer.code);
  std::string result;
  if (answer.raised) {
    result = "raised " + HexText(static_cast<ASUns32>(answer.code));
  } else if constexpr (std::is_same_v<R, ASBool>) {
    result = answer.value != kHostFalse ? "true" : "false";
  } else if constexpr (!std::is_void_v<R>) {
    result = std::to_string(static_cast<long long>(answer.value));
  }
  log_.End(entry, result);
  return answer;
}

}  // namespace standin
