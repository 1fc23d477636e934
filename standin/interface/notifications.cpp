#include "standin/interface/notifications.h"

#include <algorithm>

namespace standin {

bool Notifications::Unregister(const NotificationListener& listener) {
  const auto it = std::find(listeners_.begin(), listeners_.end(), listener);
  if (it == listeners_.end()) return false;
  listeners_.erase(it);
  return true;
}

bool Notifications::Registered(const NotificationListener& listener) const {
  return std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
}

std::vector<NotificationListener> Notifications::ListenersOf(NSelector nsel) const {
  std::vector<NotificationListener> found;
  for (const NotificationListener& listener : listeners_)
    if (listener.nsel == nsel) found.push_back(listener);
  return found;
}

}  // namespace standin
