// Time spent inside the stand-in host, for a benchmark to take off the
// plug-in's time: a host table's entries wrapped, each adding the time of its
// calls to a sum. The stand-in keeps a log of every call, which the real host
// does not. The wrappers read the processor's time-stamp counter: the system
// clock costs about a microsecond a reading under Wine, which over tens of
// thousands of host calls would land on the plug-in's side of the account.
#pragma once

#include <windows.h>
#include <x86intrin.h>

#include <chrono>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "host/host_interface.h"
#include "standin/interface/host_tables.h"

using Ticks = std::uint64_t;

inline double TicksPerSecond() {
  const Ticks ticks = __rdtsc();
  const auto start = std::chrono::steady_clock::now();
  Sleep(200);
  return static_cast<double>(__rdtsc() - ticks) /
         std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The entry `Selector` (an enumerator of its table's selectors, so that each
// table's entries are apart) timed into a sum.
template <auto Selector, typename Proto>
struct Timed;
template <auto Selector, typename R, typename... A>
struct Timed<Selector, R(HOSTCALL*)(A...)> {
  static inline R(HOSTCALL* original)(A...) = nullptr;
  static inline Ticks* total = nullptr;
  static R HOSTCALL Call(A... args) {
    const Ticks start = __rdtsc();
    if constexpr (std::is_void_v<R>) {
      original(args...);
      *total += __rdtsc() - start;
    } else {
      R result = original(args...);
      *total += __rdtsc() - start;
      return result;
    }
  }
  static void Install(standin::HostTableRecord& table, Ticks& sum) {
    original = reinterpret_cast<R(HOSTCALL*)(A...)>(table.entries[Selector]);
    total = &sum;
    table.entries[Selector] = reinterpret_cast<HFTEntry>(&Call);
  }
};

// Every operation of the host's tables timed into `sum`, but the
// enumeration of documents, inside which the plug-in's own callback runs.
inline void TimeEveryOperation(standin::HostTables& tables, Ticks& sum) {
#define VELLORA_TIMED(selector, result, name, parameters, arguments) \
  if (std::string_view(#name) != "AVAppEnumDocs") Timed<name##SEL, name##SELPROTO>::Install(table, sum);
  {
    standin::HostTableRecord& table = *tables.Find(standin::HostTables::kCoreName);
    VELLORA_CORE_OPERATIONS(VELLORA_TIMED, VELLORA_TIMED)
  }
  {
    standin::HostTableRecord& table = *tables.Find(kAcroSupportHFTName);
    VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_TIMED)
  }
  {
    standin::HostTableRecord& table = *tables.Find(kPDModelHFTName);
    VELLORA_PDMODEL_OPERATIONS(VELLORA_TIMED)
  }
  {
    standin::HostTableRecord& table = *tables.Find(kAcroViewHFTName);
    VELLORA_ACROVIEW_OPERATIONS(VELLORA_TIMED)
  }
#undef VELLORA_TIMED
}
