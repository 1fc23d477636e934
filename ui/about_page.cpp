#include "ui/about_page.h"

#include <commctrl.h>

#include "controls/help_launcher.h"
#include "controls/link_label.h"
#include "res/resource_ids.h"
#include "ui/manager_window.h"

namespace {

// From the library's load to its unload; attached again to the new controls
// at each opening of the window.
LinkLabel homePageLink;
LinkLabel supportLink;
LinkLabel ideasLink;

}  // namespace

INT_PTR CALLBACK AboutPage(HWND page, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      AttachPage(page, lParam);  // so that an error in a handler reaches the sheet
      homePageLink.Attach(page, IDC_HOME_PAGE_LINK, VELLORA_HOME_PAGE_TARGET);
      supportLink.Attach(page, IDC_SUPPORT_LINK, VELLORA_SUPPORT_TARGET);
      ideasLink.Attach(page, IDC_IDEAS_LINK, VELLORA_IDEAS_TARGET);
      return FALSE;
    case WM_ERASEBKGND:
      // The page leaves its background as the sheet painted it.
      return TRUE;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_HELP))
        GuardPage(page, [page] { ShowPageHelp(page, kAboutPageTopic); });
      return FALSE;
    default:
      return FALSE;
  }
}
