// AcroView, the application: notifications, idle procedures, the quit
// question, the list of documents and the tool bar.
#include "standin/interface/entry_checks.h"
#include "standin/interface/operation_entries.h"

namespace standin {
extern "C" {

void HOSTCALL AVAppRegisterNotificationEntry(NSelector nsel, ASExtension owner, ASCallback proc, void* clientData) {
  RunOperation<void>(
      "AVAppRegisterNotification",
      [=] {
        StandinHost& host = CurrentHost();
        // Any notification the interface numbers may be listened to; this
        // host sends four of them.
        if (nsel < 0 || nsel > kHighestNSelector || owner != host.ExtensionId()) Fail(kErrBadParameter);
        host.Listeners().Register({nsel, owner, Required(proc), clientData});
      },
      nsel, owner, proc, clientData);
}

void HOSTCALL AVAppUnregisterNotificationEntry(NSelector nsel, ASExtension owner, ASCallback proc, void* clientData) {
  RunOperation<void>(
      "AVAppUnregisterNotification",
      [=] {
        if (!CurrentHost().Listeners().Unregister({nsel, owner, proc, clientData})) Fail(kErrBadParameter);
      },
      nsel, owner, proc, clientData);
}

void HOSTCALL AVAppRegisterIdleProcEntry(ASCallback proc, void* clientData, ASUns32 periodTicks) {
  RunOperation<void>(
      "AVAppRegisterIdleProc", [=] { CurrentHost().Idle().Register(Required(proc), clientData, periodTicks); }, proc,
      clientData, periodTicks);
}

void HOSTCALL AVAppUnregisterIdleProcEntry(ASCallback proc, void* clientData) {
  RunOperation<void>(
      "AVAppUnregisterIdleProc",
      [=] {
        if (!CurrentHost().Idle().Unregister(proc, clientData)) Fail(kErrBadParameter);
      },
      proc, clientData);
}

ASBool HOSTCALL AVAppCanQuitEntry() {
  return RunOperation<ASBool>("AVAppCanQuit", [] { return CurrentHost().HostCanQuit() ? kHostTrue : kHostFalse; });
}

void HOSTCALL AVAppEnumDocsEntry(ASCallback enumProc, void* clientData) {
  RunOperation<void>(
      "AVAppEnumDocs",
      [=] {
        StandinHost& host = CurrentHost();
        const auto proc = reinterpret_cast<AVDocEnumProc>(Required(enumProc));
        for (Document* document : host.Docs().InOrder()) {
          if (host.Docs().Find(reinterpret_cast<AVDoc>(document)) == nullptr) continue;  // closed by the callback
          const auto answer =
              host.CallPlugIn("AVAppEnumDocs callback", {FormatPointer(document), FormatPointer(clientData)}, proc,
                              reinterpret_cast<AVDoc>(document), clientData);
          if (answer.raised) Fail(answer.code);
          if (answer.value == kHostFalse) break;
        }
      },
      enumProc, clientData);
}

AVDoc HOSTCALL AVAppGetActiveDocEntry() {
  return RunOperation<AVDoc>("AVAppGetActiveDoc", [] { return reinterpret_cast<AVDoc>(CurrentHost().Docs().Front()); });
}

AVToolBar HOSTCALL AVAppGetToolBarEntry() {
  return RunOperation<AVToolBar>("AVAppGetToolBar", [] { return CurrentHost().Tools().Handle(); });
}

AVToolButton HOSTCALL AVToolButtonNewEntry(ASAtom name, void* icon, ASBool longOnly, ASBool isSeparator) {
  return RunOperation<AVToolButton>(
      "AVToolButtonNew",
      [=] {
        StandinHost& host = CurrentHost();
        const char* text = Required(host.Atoms().GetString(name));
        return reinterpret_cast<AVToolButton>(host.Tools().NewButton(text, icon, longOnly != 0, isSeparator != 0));
      },
      AtomArg{name}, icon, longOnly, isSeparator);
}

void HOSTCALL AVToolBarAddButtonEntry(AVToolBar bar, AVToolButton button, ASBool before, AVToolButton other) {
  RunOperation<void>(
      "AVToolBarAddButton",
      [=] {
        CheckToolBar(bar);
        ToolButtonRecord* reference = other != nullptr ? &ButtonOf(other) : nullptr;
        if (!CurrentHost().Tools().Add(&ButtonOf(button), before != 0, reference)) Fail(kErrBadParameter);
      },
      bar, button, before, other);
}

void HOSTCALL AVToolButtonSetExecuteProcEntry(AVToolButton button, ASCallback proc, void* clientData) {
  RunOperation<void>(
      "AVToolButtonSetExecuteProc",
      [=] {
        ToolButtonRecord& record = ButtonOf(button);
        record.executeProc = proc;
        record.clientData = clientData;
      },
      button, proc, clientData);
}

void HOSTCALL AVToolButtonSetHelpTextEntry(AVToolButton button, const char* text) {
  RunOperation<void>(
      "AVToolButtonSetHelpText", [=] { ButtonOf(button).helpText = Required(text); }, button, text);
}

void HOSTCALL AVToolButtonDestroyEntry(AVToolButton button) {
  RunOperation<void>(
      "AVToolButtonDestroy", [=] { CurrentHost().Tools().Destroy(&ButtonOf(button)); }, button);
}

}  // extern "C"

}  // namespace standin
