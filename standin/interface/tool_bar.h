// The host's tool bar and its buttons. A plug-in makes a button, adds it to
// the bar, gives it an execute procedure and help text, and destroys it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/host_interface.h"

namespace standin {

struct ToolButtonRecord {
  std::string name;
  void* icon = nullptr;
  bool longOnly = false;
  bool separator = false;
  std::string helpText;
  ASCallback executeProc = nullptr;
  void* clientData = nullptr;
  bool destroyed = false;
};

class ToolBar {
 public:
  ToolBar();

  AVToolBar Handle() { return reinterpret_cast<AVToolBar>(this); }
  ToolButtonRecord* NewButton(const std::string& name, void* icon, bool longOnly, bool separator);
  // Puts the button before or after `other`; with no other, first (before) or
  // last (after). False when the button is on the bar already or `other` is
  // not on it.
  bool Add(ToolButtonRecord* button, bool before, ToolButtonRecord* other);
  // Takes the button off the bar; it can no longer be used.
  void Destroy(ToolButtonRecord* button);

  // A button that exists and is not destroyed, or nullptr.
  ToolButtonRecord* Find(AVToolButton button) const;
  // The button of that name on the bar, or nullptr.
  ToolButtonRecord* FindOnBar(const std::string& name) const;
  const std::vector<ToolButtonRecord*>& OnBar() const { return onBar_; }

 private:
  std::vector<std::unique_ptr<ToolButtonRecord>> buttons_;  // every button ever made
  std::vector<ToolButtonRecord*> onBar_;
};

}  // namespace standin
