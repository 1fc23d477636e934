#include "ui/manager_window.h"

#include <cstdint>
#include <cstring>

#include "host/host_api.h"
#include "res/resource_ids.h"
#include "ui/about_page.h"
#include "ui/projects_page.h"

namespace {

constexpr char kSheetCaption[] = "Vellora v1.51";
// The first-version layouts of the sheet header and the page descriptions.
const DWORD kHeaderSize = PROPSHEETHEADERA_V1_SIZE;
const DWORD kPageSize = sizeof(PROPSHEETPAGEA_V1);

struct PageKind {
  WORD templateId;
  DLGPROC procedure;
};
constexpr PageKind kPages[] = {
    {IDD_PROJECTS_PAGE, ProjectsPage},
    {IDD_ABOUT_PAGE, AboutPage},
};

// Words of an extended dialog template before its style: version,
// signature, and the two 32-bit help id and extended style.
constexpr std::size_t kExtendedStyleOffset = 2 * sizeof(WORD) + 2 * sizeof(DWORD);

}  // namespace

int OpenManagerWindow(ManagerWindow& window, UINT startPage) {
  window.startPage = startPage;
  window.pages.assign(window.pageCount, PROPSHEETPAGEA_V1{});
  for (UINT i = 0; i < window.pageCount && i < std::size(kPages); ++i) {
    PROPSHEETPAGEA_V1& page = window.pages[i];
    page.dwSize = kPageSize;
    page.dwFlags = PSP_USEHICON | PSP_HASHELP;
    page.hInstance = Host().moduleInstance;
    page.pszTemplate = MAKEINTRESOURCEA(kPages[i].templateId);
    page.pfnDlgProc = kPages[i].procedure;
    page.lParam = reinterpret_cast<LPARAM>(&window);
  }
  window.header = PROPSHEETHEADERA{};
  window.header.dwSize = kHeaderSize;
  window.header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK | PSH_RTLREADING;
  window.header.hwndParent = Host().hostMainWindow;
  window.header.hInstance = Host().moduleInstance;
  window.header.pszCaption = kSheetCaption;
  window.header.nPages = window.pageCount;
  window.header.nStartPage = window.startPage;
  window.header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(window.pages.data());
  window.header.pfnCallback = RemoveContextHelp;

  PropertySheetA(&window.header);
  if (window.escaped) std::rethrow_exception(std::exchange(window.escaped, nullptr));
  return 1;
}

int CALLBACK RemoveContextHelp(HWND /*window*/, UINT message, LPARAM data) {
  if (message != PSCB_PRECREATE) return 0;
  auto* bytes = reinterpret_cast<std::uint8_t*>(data);
  WORD words[2];
  std::memcpy(words, bytes, sizeof words);
  std::uint8_t* style = words[1] == 0xFFFF ? bytes + kExtendedStyleOffset : bytes;
  DWORD value;
  std::memcpy(&value, style, sizeof value);
  value &= ~static_cast<DWORD>(DS_CONTEXTHELP);
  std::memcpy(style, &value, sizeof value);
  return 1;
}

void CentreWindow(HWND window) {
  HWND parent = GetParent(window);
  if (parent == nullptr) parent = GetDesktopWindow();
  RECT outer{};
  RECT inner{};
  GetWindowRect(parent, &outer);
  GetWindowRect(window, &inner);
  const LONG left = outer.left + ((outer.right - outer.left) - (inner.right - inner.left)) / 2;
  const LONG top = outer.top + ((outer.bottom - outer.top) - (inner.bottom - inner.top)) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE);
}

void AttachPage(HWND page, LPARAM pageDescription) {
  const auto* description = reinterpret_cast<const PROPSHEETPAGEA_V1*>(pageDescription);
  SetWindowLongPtrA(page, DWLP_USER, description->lParam);
}

ManagerWindow* WindowOfPage(HWND page) {
  return reinterpret_cast<ManagerWindow*>(GetWindowLongPtrA(page, DWLP_USER));
}

ProjectStore& PageStore(HWND page) { return WindowOfPage(page)->store; }

void KeepEscapedError(HWND page, std::exception_ptr error) noexcept {
  ManagerWindow* window = WindowOfPage(page);
  if (window == nullptr) return;  // not yet attached: nothing of the page ran
  if (!window->escaped) window->escaped = std::move(error);
  PostMessageA(GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
