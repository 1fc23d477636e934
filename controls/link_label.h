// A static text control of a dialog made a link: its text painted in blue and
// underlined, a pointing hand over it, and its target (a web address or a
// mailto: link) opened with the shell's "open" verb on a left-button release
// or a right-button press. The control needs the notify style (SS_NOTIFY), or
// it gets no mouse messages.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "controls/subclassed_window.h"

inline constexpr std::size_t kLinkTargetSize = 260;  // at most 259 characters and the terminating zero
inline constexpr std::size_t kLinkTextSize = 50;     // at most 49 characters of the text are painted
inline constexpr COLORREF kLinkColour = RGB(0, 0, 255);

class LinkLabel : public SubclassedWindow {
 public:
  LinkLabel() = default;
  // Gives the control it is attached to its own procedure back.
  ~LinkLabel() override;

  // Makes the dialog's control `id` this link, opening `target`; the control
  // it was attached to before is let go first. False, the control left plain
  // text and the link attached to none, when the dialog has no such control
  // or the target is longer than 259 characters (refused: a cut address
  // would open another place).
  bool Attach(HWND dialog, int id, const char* target);

  int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HWND window) const;
  void Open() const;

  COLORREF colour_ = kLinkColour;
  HWND control_ = nullptr;  // none once the control is destroyed
  std::array<char, kLinkTargetSize> target_{};
};
