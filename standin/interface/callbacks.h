// Host callbacks. A callback here is the plug-in function itself; the host
// counts what was created and destroyed so tests can find leaks and misuse.
#pragma once

#include <map>

#include "host/host_interface.h"

namespace standin {

class CallbackRegistry {
 public:
  ASCallback Create(void* proc);
  // False for a callback that is not alive.
  bool Destroy(ASCallback callback);
  int Created() const { return created_; }
  int Destroyed() const { return destroyed_; }
  bool Alive(ASCallback callback) const;

 private:
  std::map<ASCallback, int> alive_;  // callback -> times created and not destroyed
  int created_ = 0;
  int destroyed_ = 0;
};

}  // namespace standin
