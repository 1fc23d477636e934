#include "standin/interface/standin_host.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "standin/interface/view_commands.h"

namespace standin {
namespace {

StandinHost* currentHost = nullptr;

constexpr char kAppName[] = "StandinReader";

}  // namespace

std::string FormatPointer(const void* pointer) {
  if (pointer == nullptr) return "null";
  char text[32];
  std::snprintf(text, sizeof text, "%p", pointer);
  return text;
}

std::string HexText(ASUns32 value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%lX", static_cast<unsigned long>(value));
  return text;
}

StandinHost& CurrentHost() {
  if (currentHost == nullptr) {
    std::fprintf(stderr, "stand-in host: FATAL: a host operation was called with no stand-in host\n");
    std::fflush(stderr);
    std::abort();
  }
  return *currentHost;
}

StandinHost::StandinHost() : frames_([this](const std::string& text) { Violation(text); }) {
  if (currentHost != nullptr) {
    std::fprintf(stderr, "stand-in host: FATAL: a second stand-in host while one exists\n");
    std::abort();
  }
  currentHost = this;
}

StandinHost::~StandinHost() {
  Unload();
  currentHost = nullptr;
}

void StandinHost::Violation(const std::string& text) {
  std::fprintf(stderr, "stand-in host: %s\n", text.c_str());
  violations_.push_back(text);
}

void StandinHost::CheckAnswer(const char* what, std::size_t depthBefore, bool exceptionCrossed, bool frameOnTop,
                              bool raised, ASErrorCode code) {
  if (exceptionCrossed) Violation(std::string("a C++ exception came out of the plug-in in ") + what);
  if (!frameOnTop) Violation(std::string("the exception frame stack was unbalanced after ") + what);
  if (frames_.Depth() != depthBefore) Violation(std::string("frame depth changed across ") + what);
  if (raised) lastFailedCall_ = FailedCall{what, code};
  // A batch of page-view changes must end before control is back with the
  // host's own loop.
  if (frames_.Depth() == 0) {
    for (Document* document : documents_.InOrder()) {
      if (document->view.batchDepth != 0) {
        Violation(std::string("page view batch left open after ") + what + " (" + document->path + ")");
        document->view.batchDepth = 0;
        document->view.changesInBatch = 0;
      }
    }
  }
}

LoadReport StandinHost::Start(const std::string& dllPath, const StartOptions& options) {
  LoadReport report;
  if (module_ != nullptr) {
    report.stoppedBecause = "a plug-in is already loaded";
    return report;
  }
  module_ = LoadLibraryA(dllPath.c_str());
  report.libraryLoaded = module_ != nullptr;
  if (module_ == nullptr) {
    report.stoppedBecause = "the library could not be loaded (error " + std::to_string(GetLastError()) + ")";
    return report;
  }
  linked_ = false;
  // Looked up by its plain name, as the reader does; on x86 it is __stdcall.
  const auto main =
      reinterpret_cast<PlugInMainProcType>(reinterpret_cast<void*>(GetProcAddress(module_, "PlugInMain")));
  report.entryFound = main != nullptr;
  if (main == nullptr) {
    report.stoppedBecause = "the library has no PlugInMain";
    return report;
  }
  Converse(main, options, report);
  return report;
}

LoadReport StandinHost::StartLinked(PlugInMainProcType main, const StartOptions& options) {
  LoadReport report;
  if (module_ != nullptr) {
    report.stoppedBecause = "a plug-in is already loaded";
    return report;
  }
  module_ = GetModuleHandleA(nullptr);
  linked_ = true;
  report.libraryLoaded = true;
  report.entryFound = main != nullptr;
  if (main != nullptr) Converse(main, options, report);
  return report;
}

void StandinHost::Converse(PlugInMainProcType main, const StartOptions& options, LoadReport& report) {
  // 1. PlugInMain: the host's version, the main window and the module handle.
  GuardedRecord<PIWinData> winData({window_.Handle(), module_});
  ASUns32 answered = 0;
  PISetupSDKProcType setup = nullptr;
  const auto mainAnswer =
      CallPlugIn("PlugInMain",
                 {HexText(options.hostHandshakeVersion), "&handshakeVersion", "&setupProc",
                  "{mainWindow " + FormatPointer(winData.record.mainWindow) + ", module " +
                      FormatPointer(winData.record.moduleInstance) + "}"},
                 main, options.hostHandshakeVersion, &answered, &setup, static_cast<void*>(&winData.record));
  CheckGuard(winData, "the Windows data");
  report.mainAnswer = !mainAnswer.raised && mainAnswer.value != kHostFalse;
  report.plugInHandshakeVersion = answered;
  report.setupProcGiven = setup != nullptr;
  if (!*report.mainAnswer || setup == nullptr) {
    report.stoppedBecause = "PlugInMain refused or gave no set-up procedure";
    return;
  }

  // 2. Set-up: the extension id and the Core table.
  GuardedRecord<PISDKData_V0200> sdk(
      {options.setupDataVersion.value_or(answered), ExtensionId(), tables_.Core(), nullptr});
  const auto setupAnswer = CallPlugIn(
      "PlugInSetup",
      {HexText(answered), "{handshakeVersion " + HexText(sdk.record.handshakeVersion) + ", extension, Core table}"},
      setup, answered, static_cast<void*>(&sdk.record));
  CheckGuard(sdk, "the set-up data");
  report.setup = !setupAnswer.raised && setupAnswer.value != kHostFalse;
  if (!*report.setup || sdk.record.handshakeCallback == nullptr) {
    report.stoppedBecause = "set-up refused or gave no handshake callback";
    return;
  }

  // 3. Handshake: the plug-in names itself and hands over its callbacks.
  handshake_ = GuardedRecord<PIHandshakeData_V0200>(
      {answered, atoms_.FromString(kAppName), 0, nullptr, nullptr, nullptr, nullptr});
  PIHandshakeData_V0200& data = handshake_.record;
  const auto handshake = reinterpret_cast<PIHandshakeProcType>(sdk.record.handshakeCallback);
  const auto handshakeAnswer =
      CallPlugIn("PlugInHandshake", {HexText(answered), std::string("{appName \"") + kAppName + "\"}"}, handshake,
                 answered, static_cast<void*>(&data));
  CheckGuard(handshake_, "the handshake data");
  report.handshake = !handshakeAnswer.raised && handshakeAnswer.value != kHostFalse;
  if (const char* name = atoms_.GetString(data.extensionName)) report.extensionName = name;
  for (const ASCallback callback : {data.importReplaceAndRegisterCallback, data.initCallback, data.unloadCallback})
    if (callback != nullptr) ++report.callbacksHandedOver;
  if (!*report.handshake) {
    report.stoppedBecause = "the handshake was refused";
    return;
  }
  if (!options.registerAndInit) return;

  // 4. The plug-in's own tables, when it has any, before anyone imports them;
  // 5. register (import, replace and register), then init. A callback the
  // plug-in did not set is skipped; one that raises or answers false stops.
  const struct {
    ASCallback callback;
    const char* name;
    std::optional<bool> LoadReport::*answer;
    const char* stopped;
  } steps[] = {
      {data.exportHFTsCallback, "PlugInExportHFTs", &LoadReport::exportedTables, "export tables answered false"},
      {data.importReplaceAndRegisterCallback, "PlugInRegister", &LoadReport::registered, "register answered false"},
      {data.initCallback, "PlugInInit", &LoadReport::initialized, "init answered false"},
  };
  for (const auto& step : steps) {
    if (step.callback == nullptr) continue;
    const auto answer = CallPlugIn(step.name, {}, reinterpret_cast<PIPlugInCallbackType>(step.callback));
    report.*step.answer = !answer.raised && answer.value != kHostFalse;
    if (!*(report.*step.answer)) {
      report.stoppedBecause = step.stopped;
      return;
    }
  }
  if (options.announceStarted) {
    AnnounceStarted();
    report.started = true;
  }
}

template <typename... A>
void StandinHost::Notify(NSelector nsel, const char* name, std::vector<std::string> args, A... values) {
  args.emplace_back();
  for (const NotificationListener& listener : notifications_.ListenersOf(nsel)) {
    if (!notifications_.Registered(listener)) continue;  // unregistered by an earlier listener
    args.back() = FormatPointer(listener.clientData);
    CallPlugIn(name, args, reinterpret_cast<void(HOSTCALL*)(A..., void*)>(listener.proc), values...,
               listener.clientData);
  }
}

void StandinHost::AnnounceStarted() { Notify(AVAppDidInitializeNSEL, "AVAppDidInitialize", {}); }

Document* StandinHost::OpenDocument(const std::string& path) {
  std::string problem;
  Document* document = OpenDocument(path, problem);
  if (document == nullptr && observer_ != nullptr) observer_->OpenRefused(path, problem);
  return document;
}

Document* StandinHost::OpenDocument(const std::string& path, std::string& problem) {
  if (openDelay_ != 0) Sleep(openDelay_);
  bool opened = false;
  Document* document = documents_.Open(path, opened, problem);
  if (opened) {
    menuBar_.AddDocument(document, FileName(path));
    Notify(AVDocDidOpenNSEL, "AVDocDidOpen", {FormatPointer(document), HexText(0)}, reinterpret_cast<AVDoc>(document),
           ASErrorCode{0});
  } else if (document == nullptr) {
    Notify(AVDocDidOpenNSEL, "AVDocDidOpen", {"null", HexText(kErrFileOpen)}, AVDoc{}, kErrFileOpen);
  }
  return document;
}

bool StandinHost::CloseDocument(Document* document, bool noSave) {
  if (document->closing || (!noSave && document->keptOpenByUser)) return false;
  document->closing = true;
  Notify(AVDocWillCloseNSEL, "AVDocWillClose", {FormatPointer(document)}, reinterpret_cast<AVDoc>(document));
  documents_.Close(document);
  menuBar_.RemoveDocument(document);
  Changed();  // no window may show a document that is gone
  return true;
}

void StandinHost::ViewChanged(Document& document, ASInt16 how) {
  PageViewRecord& view = document.view;
  if (view.batchDepth > 0) {
    view.changesInBatch |= how;
  } else if (how != 0) {
    Notify(AVPageViewDidChangeNSEL, "AVPageViewDidChange", {FormatPointer(&view), HexText(how)},
           reinterpret_cast<AVPageView>(&view), how);
  }
}

void StandinHost::ViewCommand(Document& document, int command) {
  ChangeView(document, [&] { ApplyViewCommand(document, command); });
}

bool StandinHost::AskToQuit() {
  const auto entry = reinterpret_cast<AVAppCanQuitProc>(tables_.Find(kAcroViewHFTName)->entries[AVAppCanQuitSEL]);
  const auto answer = CallPlugIn("QuitRequest", {}, entry);
  return !answer.raised && answer.value != kHostFalse;
}

bool StandinHost::Quit() {
  if (!AskToQuit()) return false;
  for (Document* document : documents_.InOrder()) {
    if (documents_.Find(reinterpret_cast<AVDoc>(document)) != nullptr && !CloseDocument(document, false)) return false;
  }
  Unload();
  return true;
}

int StandinHost::RunDueIdleProcs() {
  if (frames_.Depth() != 0) return 0;
  int called = 0;
  for (const IdleProc& idle : idleProcs_.TakeDue()) {
    if (!idleProcs_.Registered(idle.id)) continue;  // unregistered by an earlier one
    CallPlugIn("IdleProc", {FormatPointer(idle.clientData)}, reinterpret_cast<AVIdleProc>(idle.proc), idle.clientData);
    ++called;
  }
  return called;
}

void StandinHost::WaitIdle(DWORD limit) {
  RunDueIdleProcs();
  ++sleeps_;
  MsgWaitForMultipleObjectsEx(0, nullptr, std::min(limit, idleProcs_.MillisecondsToNext()), QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

bool StandinHost::NextMessage(MSG& message) {
  while (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) WaitIdle(INFINITE);
  return message.message != WM_QUIT;
}

void StandinHost::IdleFor(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      WaitIdle(static_cast<DWORD>(end - now));
    } else if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    } else {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

bool StandinHost::ClickToolButton(const std::string& name) {
  const ToolButtonRecord* button = toolBar_.FindOnBar(name);
  if (button == nullptr || button->executeProc == nullptr) return false;
  CallPlugIn(("ToolButton:" + name).c_str(), {FormatPointer(button->clientData)},
             reinterpret_cast<AVExecuteProc>(button->executeProc), button->clientData);
  return true;
}

void StandinHost::Unload() {
  if (module_ == nullptr) return;
  if (const auto unload = reinterpret_cast<PIPlugInCallbackType>(handshake_.record.unloadCallback))
    CallPlugIn("PlugInUnload", {}, unload);
  // Nothing may call into a library that is gone.
  if (notifications_.Count() + idleProcs_.Count() != 0) {
    Violation(std::to_string(notifications_.Count()) + " notification(s) and " + std::to_string(idleProcs_.Count()) +
              " idle procedure(s) still registered at unload");
    notifications_.Clear();
    idleProcs_.Clear();
  }
  if (!linked_) FreeLibrary(module_);
  module_ = nullptr;
  handshake_ = {};
  if (frames_.Depth() != 0) Violation("exception frames left on the stack at unload");
}

}  // namespace standin
