#include "standin/interface/menu_bar.h"

#include <algorithm>

namespace standin {

MenuBar::MenuBar() {
  for (const char* name : {"File", "Edit", "View"}) AddMenu(name);
  AddItem(menus_.front().get(), "Open", nullptr);
  windowMenu_ = AddMenu(kWindowMenuName);
  for (const char* name : {"Cascade", "TileHorizontal", "TileVertical", kWindowMenuSeparatorName})
    AddItem(windowMenu_, name, nullptr);
  AddMenu("Help");
}

MenuRecord* MenuBar::AddMenu(const std::string& name) {
  menus_.push_back(std::make_unique<MenuRecord>(MenuRecord{name, {}}));
  return menus_.back().get();
}

MenuItemRecord* MenuBar::AddItem(MenuRecord* menu, const std::string& name, Document* document) {
  items_.push_back(std::make_unique<MenuItemRecord>(MenuItemRecord{name, menu, document, true}));
  menu->items.push_back(items_.back().get());
  return items_.back().get();
}

MenuRecord* MenuBar::AcquireMenu(const std::string& name) {
  for (const auto& menu : menus_) {
    if (menu->name == name) {
      ++acquired_[menu.get()];
      return menu.get();
    }
  }
  return nullptr;
}

MenuItemRecord* MenuBar::AcquireItem(const std::string& name) {
  for (const auto& menu : menus_) {
    for (MenuItemRecord* item : menu->items) {
      if (item->name == name) {
        ++acquired_[item];
        return item;
      }
    }
  }
  return nullptr;
}

MenuItemRecord* MenuBar::AcquireItemAt(MenuRecord* menu, ASInt32 index) {
  if (index < 0 || static_cast<std::size_t>(index) >= menu->items.size()) return nullptr;
  MenuItemRecord* item = menu->items[static_cast<std::size_t>(index)];
  ++acquired_[item];
  return item;
}

ASInt32 MenuBar::IndexOf(const MenuRecord* menu, const MenuItemRecord* item) const {
  const auto it = std::find(menu->items.begin(), menu->items.end(), item);
  return it == menu->items.end() ? -1 : static_cast<ASInt32>(it - menu->items.begin());
}

bool MenuBar::ReleaseMenu(MenuRecord* menu) {
  const auto it = acquired_.find(menu);
  if (it == acquired_.end()) return false;
  if (--it->second == 0) acquired_.erase(it);
  return true;
}

bool MenuBar::ReleaseItem(MenuItemRecord* item) {
  const auto it = acquired_.find(item);
  if (it == acquired_.end()) return false;
  if (--it->second == 0) acquired_.erase(it);
  return true;
}

int MenuBar::OutstandingMenus() const {
  int count = 0;
  for (const auto& menu : menus_)
    if (const auto it = acquired_.find(menu.get()); it != acquired_.end()) count += it->second;
  return count;
}

int MenuBar::OutstandingItems() const {
  int count = 0;
  for (const auto& item : items_)
    if (const auto it = acquired_.find(item.get()); it != acquired_.end()) count += it->second;
  return count;
}

void MenuBar::AddDocument(Document* document, const std::string& title) {
  AddItem(windowMenu_, "WindowDocument" + std::to_string(++documentItems_) + ":" + title, document);
}

void MenuBar::RemoveDocument(Document* document) {
  auto& items = windowMenu_->items;
  for (auto it = items.begin(); it != items.end(); ++it) {
    if ((*it)->document == document) {
      (*it)->inMenu = false;
      (*it)->document = nullptr;
      items.erase(it);
      return;
    }
  }
}

MenuRecord* MenuBar::FindMenu(AVMenu handle) const {
  for (const auto& menu : menus_)
    if (reinterpret_cast<AVMenu>(menu.get()) == handle) return menu.get();
  return nullptr;
}

MenuItemRecord* MenuBar::FindItem(AVMenuItem handle) const {
  for (const auto& item : items_)
    if (reinterpret_cast<AVMenuItem>(item.get()) == handle) return item.get();
  return nullptr;
}

}  // namespace standin
