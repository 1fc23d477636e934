// The "Quendle" window: a modal property sheet owned by the host's main
// window, with the projects page and the About page. It shows and edits the
// store it is given; nothing reaches the project file unless the user
// presses OK.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <prsht.h>

#include <exception>
#include <utility>
#include <vector>

class ProjectStore;

struct ManagerWindow {
  explicit ManagerWindow(ProjectStore& shown) : store(shown) {}

  PROPSHEETHEADERA header{};
  // pageCount entries, made when the window opens. The sheet steps through
  // them by their size field: they are of the first-version layout.
  std::vector<PROPSHEETPAGEA_V1> pages;
  UINT startPage = 0;
  UINT pageCount = 2;
  ProjectStore& store;
  // The first error that escaped a page's handler: the sheet closes and the
  // error leaves OpenManagerWindow, for the host call that opened it.
  std::exception_ptr escaped;
};

// Runs the sheet modally, starting at `startPage`. Gives 1 once it has closed,
// whatever the user pressed; throws what escaped a page's handler.
int OpenManagerWindow(ManagerWindow& window, UINT startPage);

// The sheet's callback: takes the context-help button off the sheet's caption.
int CALLBACK RemoveContextHelp(HWND window, UINT message, LPARAM data);

// Moves the window to the middle of its parent (the desktop when it has
// none), on top, keeping its size.
void CentreWindow(HWND window);

// For the page procedures. At WM_INITDIALOG: keeps the ManagerWindow that the
// page description carries with the page.
void AttachPage(HWND page, LPARAM pageDescription);
// The ManagerWindow of a page (or of a control on it), or none before
// AttachPage.
ManagerWindow* WindowOfPage(HWND page);
ProjectStore& PageStore(HWND page);

// Runs `handler`; an exception that escapes it is kept for OpenManagerWindow
// and the sheet is told to close, since no exception may cross the
// platform's window code.
template <typename Handler>
void GuardPage(HWND page, Handler&& handler) noexcept;

void KeepEscapedError(HWND page, std::exception_ptr error) noexcept;

template <typename Handler>
void GuardPage(HWND page, Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
  } catch (...) {
    KeepEscapedError(page, std::current_exception());
  }
}
