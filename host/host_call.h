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

// A plug-in exception frame: the host's part first, then the jump mark.
struct PlugInFrame {
  ASExceptionFrame host;
  jmp_buf mark;
};

// The restore procedure of every plug-in frame: back to the mark, value 1.
void HOSTCALL RestoreToMark(void* frame);

// The raw frame operations of the Core table. They are never framed
// themselves: they are the mechanism.
void PushHostFrame(PlugInFrame* frame);
void PopHostFrame();
ASErrorCode HostExceptionErrorCode();
// Raises `code` to the host. Returns only when no host is there to raise to.
void RaiseToHost(ASErrorCode code);

// The entry `selector` of `table`, or a HostError when the host gave none.
HFTEntry TableEntry(const HostTable& table, int selector);

template <typename Proto, typename... Args>
__attribute__((noinline)) auto CallHost(const HostTable& table, int selector, Args... args) {
  using Result = decltype(Proto{}(args...));
  const auto entry = reinterpret_cast<Proto>(TableEntry(table, selector));
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
  // The host raised: the frame is still on its stack.
  PopHostFrame();
  throw HostError(frame.host.errorCode);
}
