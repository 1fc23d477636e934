// Drives the plug-in's real windows as a user would, from a second thread
// while the test's thread sits in their modal loops: finds windows, clicks,
// picks list rows and columns, reads what they show, answers message boxes
// and the Open dialog, and takes screenshots. A failed wait stops the script;
// a watchdog then cancels whatever is still open, so no test hangs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kit {

// Runs `open` on this thread (it returns once its windows are closed) while
// `script` drives them. Windows still open when the script has ended are
// cancelled and the test fails.
void Drive(const std::function<void()>& open, const std::function<void()>& script);

// A visible top-level window of this process with this caption (and class,
// when given); waits for it to appear.
HWND WaitForWindow(const std::string& caption, const char* className = nullptr);
// True when such a window is there now.
bool WindowShown(const std::string& caption, const char* className = nullptr);
void WaitUntilGone(HWND window);
// The descendant with this control id.
HWND Find(HWND parent, int id);

std::string Text(HWND window);
bool Enabled(HWND window);
bool Visible(HWND window);
LONG_PTR Style(HWND window, int which = GWL_STYLE);

// A button press; returns once it was handled or a modal window came up.
void Click(HWND button);
void Click(HWND parent, int id);

// A mouse message (a move, a button's press or release) at the middle of the
// window; returns once it was handled.
void Mouse(HWND window, UINT message);
// The cursor shown now.
HCURSOR Cursor();

// List boxes.
int ListCount(HWND list);
std::string ListText(HWND list, int row);
LPARAM ListData(HWND list, int row);
int ListSelection(HWND list);
// A mouse click (or double click) on the row.
void ClickListRow(HWND list, int row, bool doubleClick = false);

// Report list views.
int RowCount(HWND list);
std::string RowText(HWND list, int row, int column);
UINT RowState(HWND list, int row, UINT mask);
int RowImage(HWND list, int row);
std::vector<int> SelectedRows(HWND list);
void SelectRows(HWND list, const std::vector<int>& rows);  // exactly these
std::string ColumnTitle(HWND list, int column);
int ColumnWidth(HWND list, int column);
void ClickColumn(HWND list, int column);  // a mouse click on its header

// Waits for the message box titled `title`, checks its text and icon
// (IDI_HAND, IDI_EXCLAMATION, ...), presses `button` and waits until it is gone.
void AnswerBox(const std::string& title, const std::string& text, LPCSTR icon, int button);

// Types `names` into the Open dialog titled `title` and presses Open; with a
// folder, first goes there (typed, then Open) as a user does to pick several
// files of one folder.
void FillOpenDialog(const std::string& title, const std::string& names, const std::string& folder = {});

// A click on the tab of the sheet's page `index`.
void ShowPage(HWND sheet, int index);

// Presses the sheet's OK or Cancel and waits until it is gone.
void EndSheet(HWND sheet, int button);

// The window's pixels as shown on the screen (0xAARRGGBB, rows top down),
// after its top-level window has been painted again whole.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  bool operator==(const Picture&) const = default;
};
Picture Capture(HWND window);

// Writes a PNG of the window as shown on the screen into the build's
// screenshots folder.
void Screenshot(HWND window, const std::string& name);

}  // namespace kit
