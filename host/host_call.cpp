#include "host/host_call.h"

void HOSTCALL RestoreToMark(void* env) { longjmp(static_cast<PlugInFrame*>(env)->mark, 1); }

namespace {
template <typename Proto>
Proto CoreEntry(int selector) {
  const HostTable& core = Host().core;
  if (core.table == nullptr) return nullptr;
  return reinterpret_cast<Proto>(core.table[selector]);
}
}  // namespace

void PushHostFrame(PlugInFrame* frame) {
  const auto push = CoreEntry<ASPushExceptionFrameSELPROTO>(ASPushExceptionFrameSEL);
  if (push == nullptr) throw HostError(kErrGeneral);
  push(frame, &RestoreToMark);
}

void PopHostFrame() {
  if (const auto pop = CoreEntry<ASPopExceptionFrameSELPROTO>(ASPopExceptionFrameSEL)) pop();
}

ASErrorCode HostExceptionErrorCode() {
  const auto get = CoreEntry<ASGetExceptionErrorCodeSELPROTO>(ASGetExceptionErrorCodeSEL);
  return get != nullptr ? get() : 0;
}

ASErrorCode LandedErrorCode() {
  PopHostFrame();
  const ASErrorCode code = HostExceptionErrorCode();
  return code != 0 ? code : kErrGeneral;
}

void RaiseToHost(ASErrorCode code) {
  if (const auto raise = CoreEntry<ASRaiseSELPROTO>(ASRaiseSEL)) raise(code != 0 ? code : kErrGeneral);
}

HFTEntry TableEntry(const HostTable& table, int selector) {
  if (table.table == nullptr || table.table[selector] == nullptr) throw HostError(kErrGeneral);
  return table.table[selector];
}
