#include "controls/link_label.h"

#include <shellapi.h>

#include <cstring>
#include <utility>

#include "host/host_api.h"
#include "host/scoped_handle.h"
#include "res/resource_ids.h"

namespace {

void SetHandCursor() {
  if (const HCURSOR hand = LoadCursorA(Host().moduleInstance, MAKEINTRESOURCEA(IDC_LINK_HAND))) SetCursor(hand);
}

// The description of the control's font; of its dialog's for a control
// without one; else of the font the control's painting starts with.
LOGFONTA FontDescription(HWND control, HDC dc) {
  const HGDIOBJ fonts[] = {
      reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)),
      reinterpret_cast<HGDIOBJ>(SendMessageA(GetParent(control), WM_GETFONT, 0, 0)),
      GetCurrentObject(dc, OBJ_FONT),
  };
  LOGFONTA description{};
  for (const HGDIOBJ font : fonts)
    if (font != nullptr && GetObjectA(font, sizeof description, &description) == sizeof description) break;
  return description;
}

}  // namespace

LinkLabel::~LinkLabel() { Unsubclass(control_); }

bool LinkLabel::Attach(HWND dialog, int id, const char* target) {
  colour_ = kLinkColour;
  Unsubclass(std::exchange(control_, nullptr));
  target_.fill('\0');
  const HWND control = GetDlgItem(dialog, id);
  if (control == nullptr || target == nullptr || std::strlen(target) >= target_.size()) return false;
  std::strcpy(target_.data(), target);
  if (!Subclass(control)) return false;
  control_ = control;
  return true;
}

int LinkLabel::HandleMessage(HWND window, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_CREATE:
    case WM_LBUTTONDOWN:
      SetHandCursor();
      return 0;
    case WM_PAINT:
      Paint(window);
      return 1;
    case WM_MOUSEMOVE:
      SetHandCursor();
      colour_ = kLinkColour;
      return 1;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
      Open();
      return 0;
    case WM_NCDESTROY:
      if (window == control_) control_ = nullptr;
      return 0;
    default:
      return 0;
  }
}

// The text, at most kLinkTextSize - 1 characters of it, on one line from the
// control's top-left corner, underlined in the link's colour over whatever is
// there; the control's own painting does not run.
void LinkLabel::Paint(HWND window) const {
  const Painting painting = BeginPainting(window);
  const HDC dc = painting.get().paint.hdc;
  if (dc == nullptr) return;
  LOGFONTA description = FontDescription(window, dc);
  description.lfUnderline = TRUE;
  const GdiObject font(CreateFontIndirectA(&description));
  const Selection selected = Select(dc, font.get());
  SetTextColor(dc, colour_);
  SetBkMode(dc, TRANSPARENT);
  std::array<char, kLinkTextSize> text{};
  const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  TextOutA(dc, 0, 0, text.data(), length);
}

// Whether the shell could open it is not looked at: nothing is reported.
void LinkLabel::Open() const {
  if (target_[0] != '\0') ShellExecuteA(nullptr, "open", target_.data(), nullptr, nullptr, SW_SHOWNORMAL);
}
