// The Core table: tables by name, atoms, callbacks, exception frames; and
// from AcroSupport, host memory and entry replacement.
#include "standin/interface/entry_checks.h"
#include "standin/interface/operation_entries.h"
#include "standin/interface/operation_entry.h"
#include "standin/interface/standin_host.h"

namespace standin {
extern "C" {

HFT HOSTCALL ASExtensionMgrGetHFTEntry(ASAtom name, ASVersion version) {
  return RunOperation<HFT>(
      "ASExtensionMgrGetHFT",
      [=]() -> HFT {
        StandinHost& host = CurrentHost();
        const char* text = host.Atoms().GetString(name);
        if (text == nullptr) Fail(kErrBadParameter);
        HostTableRecord* table = host.Tables().Find(text);
        const bool given = table != nullptr && !host.Faults().TableHidden(text) &&
                           version <= host.Faults().OfferedVersion(text, table->version);
        host.RecordTableRequest({text, version, given});
        return given ? table->Pointer() : nullptr;
      },
      AtomArg{name}, HexArg{version});
}

ASAtom HOSTCALL ASAtomFromStringEntry(const char* text) {
  return RunOperation<ASAtom>(
      "ASAtomFromString", [=] { return CurrentHost().Atoms().FromString(Required(text)); }, text);
}

const char* HOSTCALL ASAtomGetStringEntry(ASAtom atom) {
  return RunOperation<const char*>(
      "ASAtomGetString", [=] { return Required(CurrentHost().Atoms().GetString(atom)); }, atom);
}

ASCallback HOSTCALL ASCallbackCreateEntry(ASExtension owner, void* proc) {
  return RunOperation<ASCallback>(
      "ASCallbackCreate",
      [=] {
        StandinHost& host = CurrentHost();
        if (owner != host.ExtensionId()) Fail(kErrBadParameter);
        return host.Callbacks().Create(Required(proc));
      },
      owner, proc);
}

void HOSTCALL ASCallbackDestroyEntry(ASCallback callback) {
  RunOperation<void>(
      "ASCallbackDestroy",
      [=] {
        StandinHost& host = CurrentHost();
        if (!host.Callbacks().Destroy(callback)) {
          host.Violation("ASCallbackDestroy of a callback that is not alive");
          Fail(kErrBadParameter);
        }
      },
      callback);
}

// The plug-in's jump buffer is its own: the host keeps the pointer and
// never writes into it.
void HOSTCALL ASPushExceptionFrameEntry(void* env, ASRestoreProc restore) {
  RunOperation<void>(
      "ASPushExceptionFrame", [=] { CurrentHost().Frames().Push(Required(env), Required(restore)); }, env,
      reinterpret_cast<void*>(restore));
}

void HOSTCALL ASPopExceptionFrameEntry() {
  RunOperation<void>("ASPopExceptionFrame", [] { CurrentHost().Frames().Pop(); });
}

ASErrorCode HOSTCALL ASGetExceptionErrorCodeEntry() {
  return RunOperation<ASErrorCode>("ASGetExceptionErrorCode", [] { return CurrentHost().Frames().LastError(); });
}

void HOSTCALL ASRaiseEntry(ASErrorCode code) {
  RunOperation<void>(
      "ASRaise",
      [=] {
        // A raise of 0 would look like no error to whoever catches it.
        if (code == 0) CurrentHost().Violation("ASRaise with error code 0");
        Fail(code);
      },
      HexArg{static_cast<ASUns32>(code)});
}

void HOSTCALL ASfreeEntry(void* block) {
  RunOperation<void>(
      "ASfree",
      [=] {
        if (block == nullptr) return;
        StandinHost& host = CurrentHost();
        if (!host.Memory().Free(block)) {
          host.Violation("ASfree of a block the host did not hand out");
          Fail(kErrBadParameter);
        }
      },
      block);
}

void HOSTCALL HFTReplaceEntryEntry(HFT table, Selector selector, HFTEntry replacement, ASFlagBits flags) {
  RunOperation<void>(
      "HFTReplaceEntry",
      [=] {
        Required(replacement);
        if (!CurrentHost().Tables().Replace(table, selector, replacement)) Fail(kErrCannotReplaceSelector);
      },
      table, selector, replacement, flags);
}

HFTEntry HOSTCALL HFTGetReplacedEntryEntry(HFT table, Selector selector, HFTEntry replacement) {
  return RunOperation<HFTEntry>(
      "HFTGetReplacedEntry",
      [=] {
        const auto previous = CurrentHost().Tables().Replaced(table, selector, replacement);
        if (!previous) Fail(kErrBadParameter);
        return *previous;
      },
      table, selector, replacement);
}

}  // extern "C"

}  // namespace standin
