// One host-table call inside its own exception frame.
//
// A raise inside the host longjmps back to the frame's mark; a longjmp skips
// C++ destructors, so the frame is pushed here, around nothing but the raw
// table call, and the raise is turned into a HostError once control is back
// in this function. Callers therefore see host errors as C++ exceptions.
#pragma once

#include <csetjmp>
#include <type_traits>

#include "host/host_api.h"
#include "host/host_error.h"

// A plug-in exception frame: the jump mark, on the pushing function's stack.
// The host keeps its own record of the frame and never writes into it.
struct PlugInFrame {
  jmp_buf mark;
};

// The restore procedure of every plug-in frame: back to the mark, value 1.
void HOSTCALL RestoreToMark(void* env);

// The raw frame operations of the Core table. They are never framed
// themselves: they are the mechanism.
void PushHostFrame(PlugInFrame* frame);
void PopHostFrame();
ASErrorCode HostExceptionErrorCode();
// After landing on a frame's mark: pops the frame, then asks the host for the
// code of the raise (never 0: a host that gives none gets kErrGeneral).
ASErrorCode LandedErrorCode();
// Raises `code` to the host (0 becomes kErrGeneral). Returns only when no
// host is there to raise to.
void RaiseToHost(ASErrorCode code);

// The entry `selector` of `table`, or a HostError when the host gave none.
HFTEntry TableEntry(const HostTable& table, int selector);

// Calls a host entry inside its own exception frame: the primitive of every
// host call (also used for a replaced table entry, which comes as a pointer).
template <typename Proto, typename... Args>
__attribute__((noinline)) auto CallHostEntry(HFTEntry rawEntry, Args... args) {
  using Result = decltype(Proto{}(args...));
  if (rawEntry == nullptr) throw HostError(kErrGeneral);
  const auto entry = reinterpret_cast<Proto>(rawEntry);
  PlugInFrame frame{};
  if (setjmp(frame.mark) == 0) {
    PushHostFrame(&frame);
    if constexpr (std::is_void_v<Result>) {
      entry(args...);
      PopHostFrame();
      return;
    } else {
      Result result = entry(args...);
      PopHostFrame();
      return result;
    }
  }
  throw HostError(LandedErrorCode());
}

// One call of the host table entry `selector`, the arguments given after it:
// TableCall<Proto>{table, selector}(arguments...).
template <typename Proto>
struct TableCall {
  const HostTable& table;
  int selector;
  template <typename... Args>
  auto operator()(Args... args) const {
    return CallHostEntry<Proto>(TableEntry(table, selector), args...);
  }
};
