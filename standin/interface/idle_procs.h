// Idle procedures plug-ins register: the host calls each when its message
// loop has nothing else to do, no more often than its period.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "host/host_interface.h"

namespace standin {

struct IdleProc {
  ASCallback proc;
  void* clientData;
  ULONGLONG period;  // milliseconds
  ULONGLONG due;     // the clock's time of its next call
  int id;            // one per registration
};

class IdleProcs {
 public:
  // The time in milliseconds: GetTickCount64, or what a test puts instead.
  ULONGLONG Now() const { return clock_ ? clock_() : GetTickCount64(); }
  void SetClock(std::function<ULONGLONG()> clock) { clock_ = std::move(clock); }

  // Due one period from now; a period under one tick counts as one tick.
  void Register(ASCallback proc, void* clientData, ASUns32 periodTicks);
  // False when no such registration exists.
  bool Unregister(ASCallback proc, void* clientData);
  // Those due now, in registration order; each is due again one period from now.
  std::vector<IdleProc> TakeDue();
  bool Registered(int id) const;
  const std::vector<IdleProc>& All() const { return procs_; }
  // Until the next one is due: 0 when one is due, INFINITE when none is registered.
  DWORD MillisecondsToNext() const;
  std::size_t Count() const { return procs_.size(); }
  void Clear() { procs_.clear(); }

 private:
  std::vector<IdleProc> procs_;
  int lastId_ = 0;
  std::function<ULONGLONG()> clock_;
};

}  // namespace standin
