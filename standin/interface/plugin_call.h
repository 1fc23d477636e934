// A call from the host into the plug-in, inside the host's own exception
// frame. A raise that the plug-in lets through lands on this frame's mark;
// the caller learns it failed and with which code. The function holding the
// mark keeps no C++ object a longjmp could skip.
#pragma once

#include <csetjmp>
#include <type_traits>

#include "host/host_interface.h"
#include "standin/interface/exception_frames.h"

namespace standin {

template <typename R>
struct PlugInAnswer {
  R value{};
  bool raised = false;
  ASErrorCode code = 0;
  bool exceptionCrossed = false;  // a C++ exception came out of the plug-in
  bool frameOnTop = true;         // the host's frame was on top when control came back
};
template <>
struct PlugInAnswer<void> {
  bool raised = false;
  ASErrorCode code = 0;
  bool exceptionCrossed = false;
  bool frameOnTop = true;
};

// The host's own frame: its jump mark, pushed like a plug-in's.
struct HostFrame {
  jmp_buf mark;
};

void HOSTCALL RestoreHostFrame(void* env);

// `fn` is a plug-in procedure: HOSTCALL, or PlugInMain's own convention.
template <typename R, typename Fn, typename... A>
__attribute__((noinline)) void InvokePlugIn(PlugInAnswer<R>& answer, Fn fn, A... args) {
  try {
    if constexpr (std::is_void_v<R>) {
      fn(args...);
    } else {
      answer.value = fn(args...);
    }
  } catch (...) {
    answer.exceptionCrossed = true;
  }
}

template <typename R, typename Fn, typename... A>
__attribute__((noinline)) PlugInAnswer<R> CallInHostFrame(ExceptionFrames& frames, Fn fn, A... args) {
  HostFrame host{};
  PlugInAnswer<R> answer;
  const std::size_t depth = frames.Depth();
  if (setjmp(host.mark) == 0) {
    frames.Push(&host, &RestoreHostFrame);
    InvokePlugIn(answer, fn, args...);
  } else {
    answer.raised = true;
    answer.code = frames.LastError();
  }
  // The handler pops its own frame; frames the plug-in left above it are
  // dropped (and reported by the caller).
  answer.frameOnTop = frames.Top() == &host;
  frames.TruncateTo(depth + 1);
  if (frames.Depth() == depth + 1 && frames.Top() == &host) {
    frames.Pop();
  } else {
    answer.frameOnTop = false;
    frames.TruncateTo(depth);
  }
  return answer;
}

}  // namespace standin
