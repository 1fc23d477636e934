// Notifications plug-ins listen to (AVAppDidInitialize).
#pragma once

#include <vector>

#include "host/host_interface.h"

namespace standin {

struct NotificationListener {
  NSelector nsel;
  ASExtension owner;
  ASCallback proc;
  void* clientData;
};

class Notifications {
 public:
  void Register(const NotificationListener& listener) { listeners_.push_back(listener); }
  // False when no such registration exists.
  bool Unregister(const NotificationListener& listener);
  std::vector<NotificationListener> ListenersOf(NSelector nsel) const;

 private:
  std::vector<NotificationListener> listeners_;
};

}  // namespace standin
