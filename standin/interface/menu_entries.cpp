// AcroView, the menu bar and its "Window" menu.
#include "standin/interface/entry_checks.h"
#include "standin/interface/operation_entries.h"

namespace standin {
extern "C" {

AVMenubar HOSTCALL AVAppGetMenubarEntry() {
  return RunOperation<AVMenubar>("AVAppGetMenubar", [] { return CurrentHost().Menus().Handle(); });
}

AVMenu HOSTCALL AVMenubarAcquireMenuByNameEntry(AVMenubar bar, const char* name) {
  return RunOperation<AVMenu>(
      "AVMenubarAcquireMenuByName",
      [=] {
        CheckMenuBar(bar);
        return reinterpret_cast<AVMenu>(CurrentHost().Menus().AcquireMenu(Required(name)));
      },
      bar, name);
}

AVMenuItem HOSTCALL AVMenubarAcquireMenuItemByNameEntry(AVMenubar bar, const char* name) {
  return RunOperation<AVMenuItem>(
      "AVMenubarAcquireMenuItemByName",
      [=] {
        CheckMenuBar(bar);
        return reinterpret_cast<AVMenuItem>(CurrentHost().Menus().AcquireItem(Required(name)));
      },
      bar, name);
}

AVMenuIndex HOSTCALL AVMenuGetMenuItemIndexEntry(AVMenu menu, AVMenuItem item) {
  return RunOperation<AVMenuIndex>(
      "AVMenuGetMenuItemIndex", [=] { return CurrentHost().Menus().IndexOf(&MenuOf(menu), &ItemOf(item)); }, menu,
      item);
}

AVMenuItem HOSTCALL AVMenuAcquireMenuItemByIndexEntry(AVMenu menu, AVMenuIndex index) {
  return RunOperation<AVMenuItem>(
      "AVMenuAcquireMenuItemByIndex",
      [=] { return reinterpret_cast<AVMenuItem>(CurrentHost().Menus().AcquireItemAt(&MenuOf(menu), index)); }, menu,
      index);
}

void HOSTCALL AVMenuItemExecuteEntry(AVMenuItem item) {
  RunOperation<void>(
      "AVMenuItemExecute",
      [=] {
        MenuItemRecord& record = ItemOf(item);
        if (!record.inMenu) Fail(kErrBadParameter);  // its document has closed
        // A document's item brings the document to the front; the host's
        // window arrangements change nothing this host keeps.
        if (record.document != nullptr) CurrentHost().Docs().BringToFront(record.document);
      },
      item);
}

void HOSTCALL AVMenuReleaseEntry(AVMenu menu) {
  RunOperation<void>(
      "AVMenuRelease",
      [=] {
        if (!CurrentHost().Menus().ReleaseMenu(&MenuOf(menu))) {
          CurrentHost().Violation("AVMenuRelease of a menu not acquired");
          Fail(kErrBadParameter);
        }
      },
      menu);
}

void HOSTCALL AVMenuItemReleaseEntry(AVMenuItem item) {
  RunOperation<void>(
      "AVMenuItemRelease",
      [=] {
        if (!CurrentHost().Menus().ReleaseItem(&ItemOf(item))) {
          CurrentHost().Violation("AVMenuItemRelease of an item not acquired");
          Fail(kErrBadParameter);
        }
      },
      item);
}

}  // extern "C"

}  // namespace standin
