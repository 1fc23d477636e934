// The one trampoline for every plug-in function the host calls.
//
// No C++ exception may cross into the host. HostEntry<Fn>::Call runs Fn,
// catches whatever escapes it and, once every object of the attempt is gone,
// raises the error to the host the host's way (ASRaise): a HostError keeps
// its code, anything else becomes the general error kErrGeneral.
#pragma once

#include <optional>
#include <type_traits>

#include "host/host_call.h"

// Runs `attempt`; the error code of whatever escaped it, if anything did.
template <typename Attempt>
std::optional<ASErrorCode> EscapedError(const Attempt& attempt) {
  try {
    attempt();
  } catch (const HostError& error) {
    return error.code();
  } catch (...) {
    return kErrGeneral;
  }
  return std::nullopt;
}

template <auto Fn>
struct HostEntry;

template <typename R, typename... A, R (*Fn)(A...)>
struct HostEntry<Fn> {
  static R HOSTCALL Call(A... args) {
    if constexpr (std::is_void_v<R>) {
      const std::optional<ASErrorCode> error = EscapedError([&] { Fn(args...); });
      if (error) RaiseToHost(*error);
    } else {
      R result{};
      const std::optional<ASErrorCode> error = EscapedError([&] { result = Fn(args...); });
      if (error) RaiseToHost(*error);
      return result;
    }
  }
};

// The trampoline of Fn as an untyped pointer, as ASCallbackCreate takes it.
template <auto Fn>
void* HostEntryProc() {
  return reinterpret_cast<void*>(&HostEntry<Fn>::Call);
}
