// How every host operation entry runs. An entry is a thin extern "C"
// function that calls RunOperation with its name, its implementation and its
// arguments:
//   1. the call is logged with its arguments and counted; a fault armed for
//      this call number makes it raise the chosen code;
//   2. otherwise the implementation runs inside try/catch; it reports its own
//      failures by throwing OperationFailure;
//   3. only after every C++ object of the attempt is gone (Attempt has
//      returned) does RunOperation raise, because the raise's longjmp skips
//      the frames between here and the plug-in's mark without running any
//      destructor.
#pragma once

#include <concepts>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

#include "host/host_interface.h"

namespace standin {

// A failure of the host's own work: the operation raises `code`.
struct OperationFailure {
  ASErrorCode code;
};

// Argument forms for the log.
struct AtomArg {
  ASAtom atom;
};
struct HexArg {
  ASUns32 value;
};

std::string FormatArg(const char* text);  // quoted, or null
std::string FormatArg(const void* pointer);
std::string FormatArg(HFT table);              // the table's name
std::string FormatArg(ASExtension extension);  // "extension id" for the plug-in's own
std::string FormatArg(AtomArg atom);           // number and text
std::string FormatArg(HexArg value);
template <typename T>
requires std::integral<T> || std::is_enum_v<T> std::string FormatArg(T value) {
  return std::to_string(static_cast<long long>(value));
}
std::string RaisedText(ASErrorCode code);

// The host side of an operation call, kept out of the templates.
std::size_t BeginOperation(const char* name, std::vector<std::string> args, ASErrorCode& fault);
void EndOperation(std::size_t entry, std::string result);
[[noreturn]] void RaiseToPlugIn(ASErrorCode code);

template <typename R>
struct Outcome {
  R value{};
  bool raised = false;
  ASErrorCode code = 0;
};
template <>
struct Outcome<void> {
  bool raised = false;
  ASErrorCode code = 0;
};

template <typename R, typename Impl, typename... Args>
__attribute__((noinline)) Outcome<R> Attempt(const char* name, const Impl& impl, Args... args) {
  Outcome<R> outcome;
  ASErrorCode fault = 0;
  const std::size_t entry = BeginOperation(name, {FormatArg(args)...}, fault);
  if (fault != 0) {
    outcome.raised = true;
    outcome.code = fault;
  } else {
    try {
      if constexpr (std::is_void_v<R>) {
        impl();
      } else {
        outcome.value = impl();
      }
    } catch (const OperationFailure& failure) {
      outcome.raised = true;
      outcome.code = failure.code;
    } catch (const std::bad_alloc&) {
      outcome.raised = true;
      outcome.code = kErrNoMemory;
    } catch (...) {
      outcome.raised = true;
      outcome.code = kErrGeneral;
    }
  }
  if (outcome.raised) {
    EndOperation(entry, RaisedText(outcome.code));
  } else if constexpr (std::is_void_v<R>) {
    EndOperation(entry, {});
  } else {
    EndOperation(entry, FormatArg(outcome.value));
  }
  return outcome;
}

template <typename R, typename Impl, typename... Args>
R RunOperation(const char* name, const Impl& impl, Args... args) {
  const Outcome<R> outcome = Attempt<R>(name, impl, args...);
  if (outcome.raised) RaiseToPlugIn(outcome.code);
  if constexpr (!std::is_void_v<R>) return outcome.value;
}

}  // namespace standin
