#include "standin/notifications.h"

namespace standin {

bool Notifications::Unregister(const NotificationListener& listener) {
  for (auto it = listeners_.begin(); it != listeners_.end(); ++it) {
    if (it->nsel == listener.nsel && it->owner == listener.owner && it->proc == listener.proc &&
        it->clientData == listener.clientData) {
      listeners_.erase(it);
      return true;
    }
  }
  return false;
}

std::vector<NotificationListener> Notifications::ListenersOf(NSelector nsel) const {
  std::vector<NotificationListener> found;
  for (const NotificationListener& listener : listeners_)
    if (listener.nsel == nsel) found.push_back(listener);
  return found;
}

}  // namespace standin
