#include "ui/ui_kit.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdio>

#include "host/scoped_handle.h"
#include "tests/support/test_support.h"

namespace kit {
namespace {

constexpr DWORD kWaitMs = 10000;  // for a window to come or go, or to answer
constexpr DWORD kPollMs = 20;
constexpr int kCancelRounds = 250;  // of kPollMs * 2 each, before giving up on the process
constexpr int kMessageBoxText = 0xFFFF;
constexpr int kMessageBoxIcon = 0x0440;
constexpr int kOpenNameCombo = 0x047C;  // cmb13
constexpr int kOpenNameEdit = 0x0480;   // edt1

// A failed wait: the script stops here.
struct ScriptStopped {};

[[noreturn]] void Stop(const std::string& why) {
  ADD_FAILURE() << why;
  throw ScriptStopped{};
}

// A message to a window of the other thread, answered within the wait.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result))
    Stop("no answer from a window to message " + std::to_string(message));
  return static_cast<LRESULT>(result);
}

// Sends without waiting, then waits until the window's thread has handled it
// or has entered a modal loop that it started (which answers sent messages).
// A modal loop looks at its end only when a posted message arrives (a user's
// mouse sends plenty): one is posted after.
// A window that the message closed (a message box's button) has settled too.
void SendAndSettle(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  SendNotifyMessageA(window, message, wParam, lParam);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &result) && IsWindow(window))
    Stop("no answer from a window to message " + std::to_string(message));
  PostMessageA(window, WM_NULL, 0, 0);
}

// A mouse click at a point of the window's client area.
// A click in the middle of the rectangle the message gives for `item`; with
// `second`, the second click of a double click.
void ClickItem(HWND window, UINT rectMessage, int item, bool second = false) {
  RECT rect{};
  Send(window, rectMessage, item, reinterpret_cast<LPARAM>(&rect));
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendAndSettle(window, second ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendAndSettle(window, WM_LBUTTONUP, 0, point);
}

struct Search {
  std::string caption;
  const char* className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  std::array<char, 256> name{};
  GetClassNameA(window, name.data(), name.size());
  if (search.className != nullptr && search.className != std::string(name.data())) return TRUE;
  if (Text(window) != search.caption) return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK MatchId(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<std::pair<int, HWND>*>(data);
  if (GetDlgCtrlID(window) != search.first) return TRUE;
  search.second = window;
  return FALSE;
}

BOOL CALLBACK CancelWindow(HWND window, LPARAM) {
  if (IsWindowVisible(window)) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  return TRUE;
}

struct DriveContext {
  const std::function<void()>* script;
  DWORD uiThread;
  std::atomic<bool> opened{false};  // `open` has returned
};

DWORD WINAPI RunScript(void* data) {
  auto& context = *static_cast<DriveContext*>(data);
  try {
    (*context.script)();
  } catch (const ScriptStopped&) {
  }
  // What the script opened closes by itself; what is still open after the
  // wait is cancelled, again and again, and the test fails.
  for (DWORD waited = 0; !context.opened && waited < kWaitMs; waited += kPollMs) Sleep(kPollMs);
  if (!context.opened) ADD_FAILURE() << "windows still open after the script: cancelled";
  for (int round = 0; !context.opened; ++round) {
    if (round > kCancelRounds) {
      std::fprintf(stderr, "watchdog: the windows do not close, ending the test program\n");
      ExitProcess(3);
    }
    EnumThreadWindows(context.uiThread, CancelWindow, 0);
    Sleep(kPollMs * 2);
  }
  return 0;
}

}  // namespace

void Drive(const std::function<void()>& open, const std::function<void()>& script) {
  DriveContext context{&script, GetCurrentThreadId()};
  const HANDLE driver = CreateThread(nullptr, 0, RunScript, &context, 0, nullptr);
  ASSERT_NE(driver, nullptr);
  open();
  context.opened = true;
  // Answers the script's messages until it has ended.
  while (MsgWaitForMultipleObjects(1, &driver, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  CloseHandle(driver);
}

HWND WaitForWindow(const std::string& caption, const char* className) {
  for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
    Search search{caption, className};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(kPollMs);
  }
  Stop("no window \"" + caption + "\" came up");
}

bool WindowShown(const std::string& caption, const char* className) {
  Search search{caption, className};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found != nullptr;
}

void WaitUntilGone(HWND window) {
  for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
    if (!IsWindow(window)) return;
    Sleep(kPollMs);
  }
  Stop("a window did not close");
}

HWND Find(HWND parent, int id) {
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(parent, MatchId, reinterpret_cast<LPARAM>(&search));
  if (search.second == nullptr) Stop("no control " + std::to_string(id));
  return search.second;
}

std::string Text(HWND window) {
  std::array<char, 4096> text{};
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, kWaitMs,
                      &copied);
  return text.data();
}

bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }
LONG_PTR Style(HWND window, int which) { return GetWindowLongPtrA(window, which); }

void Click(HWND button) { SendAndSettle(button, BM_CLICK); }

void Mouse(HWND window, UINT message) {
  RECT client{};
  GetClientRect(window, &client);
  const WPARAM keys = message == WM_LBUTTONDOWN ? MK_LBUTTON : message == WM_RBUTTONDOWN ? MK_RBUTTON : 0;
  SendAndSettle(window, message, keys, MAKELPARAM(client.right / 2, client.bottom / 2));
}

HCURSOR Cursor() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  GetCursorInfo(&info);
  return info.hCursor;
}
void Click(HWND parent, int id) { Click(Find(parent, id)); }

int ListCount(HWND list) { return static_cast<int>(Send(list, LB_GETCOUNT)); }

std::string ListText(HWND list, int row) {
  std::string text(static_cast<std::size_t>(std::max<LRESULT>(Send(list, LB_GETTEXTLEN, row), 0)) + 1, '\0');
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(Send(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data())), 0)));
  return text;
}

LPARAM ListData(HWND list, int row) { return Send(list, LB_GETITEMDATA, row); }
int ListSelection(HWND list) { return static_cast<int>(Send(list, LB_GETCURSEL)); }

// The list box takes no click while it waits for the focus that a closing
// dialog gives back: the click is repeated until the row is selected, and
// only then is the second click of a double click sent.
void ClickListRow(HWND list, int row, bool doubleClick) {
  for (DWORD waited = 0; ClickItem(list, LB_GETITEMRECT, row), ListSelection(list) != row; waited += kPollMs) {
    if (waited >= kWaitMs) Stop("row " + std::to_string(row) + " could not be selected");
    Sleep(kPollMs);
  }
  if (doubleClick) ClickItem(list, LB_GETITEMRECT, row, true);
}

int RowCount(HWND list) { return static_cast<int>(Send(list, LVM_GETITEMCOUNT)); }

std::string RowText(HWND list, int row, int column) {
  std::array<char, 1024> text{};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  Send(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text.data();
}

UINT RowState(HWND list, int row, UINT mask) { return static_cast<UINT>(Send(list, LVM_GETITEMSTATE, row, mask)); }

int RowImage(HWND list, int row) {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  Send(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

std::vector<int> SelectedRows(HWND list) {
  std::vector<int> rows;
  for (int row = -1; (row = static_cast<int>(Send(list, LVM_GETNEXTITEM, row, LVNI_SELECTED))) != -1;) rows.push_back(row);
  return rows;
}

void SelectRows(HWND list, const std::vector<int>& rows) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED;
  Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED;
  for (const int row : rows) Send(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

std::string ColumnTitle(HWND list, int column) {
  std::array<char, 256> text{};
  LVCOLUMNA item{};
  item.mask = LVCF_TEXT;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  Send(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&item));
  return text.data();
}

int ColumnWidth(HWND list, int column) { return static_cast<int>(Send(list, LVM_GETCOLUMNWIDTH, column)); }

void ClickColumn(HWND list, int column) {
  ClickItem(reinterpret_cast<HWND>(Send(list, LVM_GETHEADER)), HDM_GETITEMRECT, column);
}

void ShowPage(HWND sheet, int index) { ClickItem(PropSheet_GetTabControl(sheet), TCM_GETITEMRECT, index); }

void AnswerBox(const std::string& title, const std::string& text, LPCSTR icon, int button) {
  const HWND box = WaitForWindow(title, "#32770");
  EXPECT_EQ(Text(Find(box, kMessageBoxText)), text) << "the text of the box \"" << title << "\"";
  EXPECT_EQ(reinterpret_cast<HICON>(Send(Find(box, kMessageBoxIcon), STM_GETICON)), LoadIconA(nullptr, icon))
      << "the icon of the box \"" << title << "\"";
  Click(box, button);
  WaitUntilGone(box);
}

void FillOpenDialog(const std::string& title, const std::string& names, const std::string& folder) {
  const HWND dialog = WaitForWindow(title, "#32770");
  std::pair<int, HWND> field{kOpenNameCombo, nullptr};
  EnumChildWindows(dialog, MatchId, reinterpret_cast<LPARAM>(&field));
  const HWND name = field.second != nullptr ? field.second : Find(dialog, kOpenNameEdit);
  for (const std::string& text : {folder, names}) {
    if (text.empty()) continue;
    Send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // The dialog's own Open button: its shell view holds controls of id 1 too.
    Click(GetDlgItem(dialog, IDOK));
  }
  WaitUntilGone(dialog);
}

void EndSheet(HWND sheet, int button) {
  Click(sheet, button);
  WaitUntilGone(sheet);
}

namespace {

// The window's whole top-level window drawn anew, and the drawing settled.
void Redrawn(HWND window) {
  RedrawWindow(GetAncestor(window, GA_ROOT), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Send(window, WM_NULL);
  Sleep(200);
}

}  // namespace

Picture Capture(HWND window) {
  Redrawn(window);
  RECT rect{};
  GetWindowRect(window, &rect);
  Picture picture{rect.right - rect.left, rect.bottom - rect.top, {}};
  const WindowDc screen = GetWindowDc(nullptr);
  const MemoryDc memory(CreateCompatibleDC(screen.get().dc));
  const BitmapHandle bitmap(CreateCompatibleBitmap(screen.get().dc, picture.width, picture.height));
  const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, picture.width, picture.height, screen.get().dc, rect.left, rect.top, SRCCOPY);
  SelectObject(memory.get(), previous);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  GetDIBits(memory.get(), bitmap.get(), 0, picture.height, picture.pixels.data(), &info, DIB_RGB_COLORS);
  for (std::uint32_t& pixel : picture.pixels) pixel |= 0xFF000000u;
  return picture;
}

void Screenshot(HWND window, const std::string& name) {
  Redrawn(window);
  std::string problem;
  EXPECT_TRUE(support::Screenshot(window, name, problem)) << name << ": " << problem;
}

}  // namespace kit
