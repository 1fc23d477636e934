// Notifications plug-ins listen to: AVAppDidInitialize, AVDocDidOpen,
// AVDocWillClose, AVPageViewDidChange.
#pragma once

#include <vector>

#include "host/host_interface.h"

namespace standin {

struct NotificationListener {
  NSelector nsel;
  ASExtension owner;
  ASCallback proc;
  void* clientData;
  bool operator==(const NotificationListener&) const = default;
};

class Notifications {
 public:
  void Register(const NotificationListener& listener) { listeners_.push_back(listener); }
  // False when no such registration exists.
  bool Unregister(const NotificationListener& listener);
  bool Registered(const NotificationListener& listener) const;
  std::vector<NotificationListener> ListenersOf(NSelector nsel) const;
  std::size_t Count() const { return listeners_.size(); }
  void Clear() { listeners_.clear(); }

 private:
  std::vector<NotificationListener> listeners_;
};

}  // namespace standin
