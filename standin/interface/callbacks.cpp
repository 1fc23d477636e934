#include "standin/interface/callbacks.h"

namespace standin {

ASCallback CallbackRegistry::Create(void* proc) {
  ++created_;
  ++alive_[proc];
  return proc;
}

bool CallbackRegistry::Destroy(ASCallback callback) {
  const auto it = alive_.find(callback);
  if (it == alive_.end()) return false;
  if (--it->second == 0) alive_.erase(it);
  ++destroyed_;
  return true;
}

bool CallbackRegistry::Alive(ASCallback callback) const { return alive_.count(callback) != 0; }

}  // namespace standin
