// The host's menu bar. Its "Window" menu holds the host's window commands,
// then "WindowMenuSeparator", then one item per open document in the order
// they were opened. Menus and items handed out are acquired and must be
// released; the bar counts what is outstanding.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/host_interface.h"

namespace standin {

struct Document;
struct MenuRecord;

struct MenuItemRecord {
  std::string name;
  MenuRecord* menu = nullptr;
  Document* document = nullptr;  // a document's item in the "Window" menu
  bool inMenu = true;            // false once its document closed
};

struct MenuRecord {
  std::string name;
  std::vector<MenuItemRecord*> items;
};

class MenuBar {
 public:
  MenuBar();

  AVMenubar Handle() { return reinterpret_cast<AVMenubar>(this); }
  MenuRecord* AcquireMenu(const std::string& name);
  // The item of that name in any menu.
  MenuItemRecord* AcquireItem(const std::string& name);
  // The item at `index` of `menu`, or nullptr past either end.
  MenuItemRecord* AcquireItemAt(MenuRecord* menu, ASInt32 index);
  // -1 when the item is not in the menu.
  ASInt32 IndexOf(const MenuRecord* menu, const MenuItemRecord* item) const;
  // False when nothing of it is outstanding.
  bool ReleaseMenu(MenuRecord* menu);
  bool ReleaseItem(MenuItemRecord* item);
  int OutstandingMenus() const;
  int OutstandingItems() const;

  void AddDocument(Document* document, const std::string& title);
  void RemoveDocument(Document* document);
  MenuRecord* WindowMenu() { return windowMenu_; }

  MenuRecord* FindMenu(AVMenu menu) const;
  MenuItemRecord* FindItem(AVMenuItem item) const;  // any item ever made, in a menu or not

 private:
  MenuRecord* AddMenu(const std::string& name);
  MenuItemRecord* AddItem(MenuRecord* menu, const std::string& name, Document* document);

  std::vector<std::unique_ptr<MenuRecord>> menus_;
  std::vector<std::unique_ptr<MenuItemRecord>> items_;  // kept until the bar goes, so old handles stay checkable
  MenuRecord* windowMenu_ = nullptr;
  std::map<const void*, int> acquired_;  // handle -> times acquired and not released
  int documentItems_ = 0;
};

constexpr char kWindowMenuName[] = "Window";
constexpr char kWindowMenuSeparatorName[] = "WindowMenuSeparator";

}  // namespace standin
