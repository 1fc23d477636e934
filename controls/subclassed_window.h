// Window subclassing shared by every object that takes over a control: the
// control's procedure is replaced by SharedWindowProc, which finds the
// control's object by its window handle in the one SubclassRegistry and gives
// it each message first; what the object leaves goes on to the control's
// previous procedure.
//
// A window's node leaves the registry when the window is destroyed (at
// WM_NCDESTROY, its last message), and its procedure is given back: the
// platform reuses window handles, and a new window carrying a destroyed one's
// handle must never reach the destroyed one's object.
//
// User-interface thread only; nothing here is locked.
#pragma once

#include <windows.h>

#include <list>

class SubclassedWindow {
 public:
  // Makes sure the registry exists first, so that it is destroyed after
  // every object (static ones included) and their destructors still find it.
  SubclassedWindow();
  SubclassedWindow(const SubclassedWindow&) = delete;
  SubclassedWindow& operator=(const SubclassedWindow&) = delete;
  virtual ~SubclassedWindow() = default;

  // A message for a window this object subclassed; nonzero when it is
  // handled (the window's previous procedure is not called).
  virtual int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Puts SharedWindowProc in place of the window's procedure, keeping the old
  // one (an object keeps one: it subclasses one window at a time), and registers the window with this object at the registry's end.
  // False, and nothing changed, for no window, a window already subclassed
  // through the registry, or when the registry cannot grow.
  bool Subclass(HWND window);
  // Removes the window's node and gives the window its kept procedure back,
  // if it still runs SharedWindowProc (a handle whose window is gone may
  // belong to another window by now). Nothing happens for no window.
  void Unsubclass(HWND window);

  WNDPROC PreviousProc() const { return previousProc_; }

 private:
  WNDPROC previousProc_ = nullptr;
};

// Subclassed windows with their objects, in the order they were registered.
class SubclassRegistry {
 public:
  void Add(HWND window, SubclassedWindow* object);
  // The object of the window's first node, or none.
  SubclassedWindow* Find(HWND window) const;
  // Unlinks the window's first node; false when it has none.
  bool Remove(HWND window);

 private:
  struct Node {
    HWND window;
    SubclassedWindow* object;
  };
  std::list<Node>::const_iterator FirstNode(HWND window) const;

  std::list<Node> nodes_;
};

// The process-wide registry, made at its first use.
SubclassRegistry& TheSubclassRegistry();

// The procedure of every subclassed window: the window's object handles the
// message (then 0 is returned) or the previous procedure does. A window that
// has no object gets the default handling.
LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
