#include "controls/subclassed_window.h"

#include <algorithm>
#include <new>

namespace {

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

WNDPROC ReplaceProcedure(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

}  // namespace

SubclassedWindow::SubclassedWindow() { TheSubclassRegistry(); }

int SubclassedWindow::HandleMessage(HWND, UINT, WPARAM, LPARAM) { return 0; }

bool SubclassedWindow::Subclass(HWND window) {
  SubclassRegistry& registry = TheSubclassRegistry();
  if (window == nullptr || registry.Find(window) != nullptr) return false;
  // Registered before the procedure changes, so that no message reaches
  // SharedWindowProc without finding this object.
  try {
    registry.Add(window, this);
  } catch (const std::bad_alloc&) {
    return false;
  }
  const WNDPROC previous = ReplaceProcedure(window, SharedWindowProc);
  if (previous == nullptr) {
    registry.Remove(window);
    return false;
  }
  previousProc_ = previous;
  return true;
}

void SubclassedWindow::Unsubclass(HWND window) {
  if (window == nullptr) return;
  TheSubclassRegistry().Remove(window);
  if (IsWindow(window) && ProcedureOf(window) == SharedWindowProc) ReplaceProcedure(window, previousProc_);
}

void SubclassRegistry::Add(HWND window, SubclassedWindow* object) { nodes_.push_back({window, object}); }

std::list<SubclassRegistry::Node>::const_iterator SubclassRegistry::FirstNode(HWND window) const {
  return std::find_if(nodes_.begin(), nodes_.end(), [window](const Node& node) { return node.window == window; });
}

SubclassedWindow* SubclassRegistry::Find(HWND window) const {
  const auto node = FirstNode(window);
  return node != nodes_.end() ? node->object : nullptr;
}

bool SubclassRegistry::Remove(HWND window) {
  const auto node = FirstNode(window);
  if (node == nodes_.end()) return false;
  nodes_.erase(node);
  return true;
}

SubclassRegistry& TheSubclassRegistry() {
  static SubclassRegistry registry;
  return registry;
}

LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SubclassedWindow* const object = TheSubclassRegistry().Find(window);
  if (object == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC previous = object->PreviousProc();
  const bool handled = object->HandleMessage(window, message, wParam, lParam) != 0;
  // The window's last message: its handle is free for the next window.
  if (message == WM_NCDESTROY) object->Unsubclass(window);
  if (handled) return 0;
  return CallWindowProcA(previous, window, message, wParam, lParam);
}
