// The one trampoline for every plug-in function the host calls.
//
// No C++ exception may cross into the host. HostEntry<Fn>::Call runs Fn,
// catches whatever escapes it and, once every object of the attempt is gone,
// raises the error to the host the host's way (ASRaise): a HostError keeps
// its code, anything else becomes kErrUnknown.
#pragma once

#include <type_traits>

#include "host/host_call.h"

template <auto Fn>
struct HostEntry;

template <typename R, typename... A, R (*Fn)(A...)>
struct HostEntry<Fn> {
  static R HOSTCALL Call(A... args) {
    bool failed = false;
    ASErrorCode code = 0;
    if constexpr (std::is_void_v<R>) {
      try {
        Fn(args...);
      } catch (const HostError& error) {
        failed = true;
        code = error.code();
      } catch (...) {
        failed = true;
        code = kErrUnknown;
      }
      if (failed) RaiseToHost(code);
    } else {
      R result{};
      try {
        result = Fn(args...);
      } catch (const HostError& error) {
        failed = true;
        code = error.code();
      } catch (...) {
        failed = true;
        code = kErrUnknown;
      }
      if (failed) RaiseToHost(code);
      return result;
    }
  }
};

// The trampoline of Fn as an untyped pointer, as ASCallbackCreate takes it.
template <auto Fn>
void* HostEntryProc() {
  return reinterpret_cast<void*>(&HostEntry<Fn>::Call);
}
