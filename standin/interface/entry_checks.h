// Checks of the handles and arguments a plug-in hands to a host operation.
// Each gives the host's record or fails the operation with kErrBadParameter.
#pragma once

#include "standin/interface/operation_entry.h"
#include "standin/interface/standin_host.h"

namespace standin {

[[noreturn]] inline void Fail(ASErrorCode code) { throw OperationFailure{code}; }

template <typename T>
T Required(T value) {
  if (value == nullptr) Fail(kErrBadParameter);
  return value;
}

inline Document& DocumentOf(AVDoc doc) { return *Required(CurrentHost().Docs().Find(doc)); }
inline Document& DocumentOfModel(PDDoc model) { return *Required(CurrentHost().Docs().FindModel(model)); }
inline Document& DocumentOfFile(ASFile file) { return *Required(CurrentHost().Docs().FindFile(file)); }
inline PageViewRecord& ViewOf(AVPageView view) { return *Required(CurrentHost().Docs().FindView(view)); }
inline PageRecord& PageOf(PDPage page) { return *Required(CurrentHost().Docs().FindPage(page)); }
inline const PathRecord& PathOf(ASPathName path) { return *Required(CurrentHost().Paths().Find(path)); }
inline void CheckFileSys(ASFileSys fileSys) {
  if (fileSys != CurrentHost().Paths().DefaultFileSys()) Fail(kErrBadParameter);
}
inline void CheckMenuBar(AVMenubar bar) {
  if (bar != CurrentHost().Menus().Handle()) Fail(kErrBadParameter);
}
inline MenuRecord& MenuOf(AVMenu menu) { return *Required(CurrentHost().Menus().FindMenu(menu)); }
inline MenuItemRecord& ItemOf(AVMenuItem item) { return *Required(CurrentHost().Menus().FindItem(item)); }
inline void CheckToolBar(AVToolBar bar) {
  if (bar != CurrentHost().Tools().Handle()) Fail(kErrBadParameter);
}
inline ToolButtonRecord& ButtonOf(AVToolButton button) { return *Required(CurrentHost().Tools().Find(button)); }

}  // namespace standin
