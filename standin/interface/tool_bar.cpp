#include "standin/interface/tool_bar.h"

#include <algorithm>

namespace standin {

ToolBar::ToolBar() {
  // The host's own buttons.
  for (const char* name : {"Open", "Print", "Hand"}) Add(NewButton(name, nullptr, false, false), false, nullptr);
}

ToolButtonRecord* ToolBar::NewButton(const std::string& name, void* icon, bool longOnly, bool separator) {
  buttons_.push_back(std::make_unique<ToolButtonRecord>());
  ToolButtonRecord* button = buttons_.back().get();
  button->name = name;
  button->icon = icon;
  button->longOnly = longOnly;
  button->separator = separator;
  return button;
}

bool ToolBar::Add(ToolButtonRecord* button, bool before, ToolButtonRecord* other) {
  if (std::find(onBar_.begin(), onBar_.end(), button) != onBar_.end()) return false;
  if (other == nullptr) {
    onBar_.insert(before ? onBar_.begin() : onBar_.end(), button);
    return true;
  }
  const auto at = std::find(onBar_.begin(), onBar_.end(), other);
  if (at == onBar_.end()) return false;
  onBar_.insert(before ? at : at + 1, button);
  return true;
}

void ToolBar::Destroy(ToolButtonRecord* button) {
  onBar_.erase(std::remove(onBar_.begin(), onBar_.end(), button), onBar_.end());
  button->destroyed = true;
}

ToolButtonRecord* ToolBar::Find(AVToolButton handle) const {
  for (const auto& button : buttons_)
    if (reinterpret_cast<AVToolButton>(button.get()) == handle && !button->destroyed) return button.get();
  return nullptr;
}

ToolButtonRecord* ToolBar::FindOnBar(const std::string& name) const {
  for (ToolButtonRecord* button : onBar_)
    if (button->name == name) return button;
  return nullptr;
}

}  // namespace standin
