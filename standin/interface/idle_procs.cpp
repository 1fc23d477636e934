#include "standin/interface/idle_procs.h"

#include <algorithm>

namespace standin {

void IdleProcs::Register(ASCallback proc, void* clientData, ASUns32 periodTicks) {
  const ULONGLONG ticks = std::max<ASUns32>(periodTicks, 1);
  const ULONGLONG period = (ticks * 1000 + kTicksPerSecond - 1) / kTicksPerSecond;
  procs_.push_back({proc, clientData, period, Now() + period, ++lastId_});
}

bool IdleProcs::Unregister(ASCallback proc, void* clientData) {
  const auto it = std::find_if(procs_.begin(), procs_.end(), [&](const IdleProc& idle) {
    return idle.proc == proc && idle.clientData == clientData;
  });
  if (it == procs_.end()) return false;
  procs_.erase(it);
  return true;
}

std::vector<IdleProc> IdleProcs::TakeDue() {
  const ULONGLONG now = Now();
  std::vector<IdleProc> due;
  for (IdleProc& idle : procs_) {
    if (idle.due > now) continue;
    idle.due = now + idle.period;
    due.push_back(idle);
  }
  return due;
}

bool IdleProcs::Registered(int id) const {
  return std::any_of(procs_.begin(), procs_.end(), [id](const IdleProc& idle) { return idle.id == id; });
}

DWORD IdleProcs::MillisecondsToNext() const {
  if (procs_.empty()) return INFINITE;
  const ULONGLONG now = Now();
  ULONGLONG next = INFINITE - 1;
  for (const IdleProc& idle : procs_) next = std::min(next, idle.due > now ? idle.due - now : 0);
  return static_cast<DWORD>(next);
}

}  // namespace standin
