#include "ui/about_page.h"

#include <commctrl.h>

#include "controls/help_launcher.h"

INT_PTR CALLBACK AboutPage(HWND page, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_HELP))
    ShowPageHelp(page, kAboutPageTopic);
  return FALSE;
}
