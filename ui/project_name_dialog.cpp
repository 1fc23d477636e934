#include "ui/project_name_dialog.h"

#include <algorithm>
#include <array>

#include "host/host_api.h"
#include "projects/project_file_format.h"
#include "res/resource_ids.h"
#include "ui/projects_page_state.h"
#include "ui/warning_box.h"

namespace {

constexpr char kNewCaption[] = "New Project";
constexpr char kRenameCaption[] = "Rename Project";
// Such a project would be left out of the project file at the next save.
constexpr char kNameCannotBeSaved[] =
    "The project name cannot be saved, please choose another!\n"
    "A name cannot hold \"]\" or a line break, nor be PROJECT_NAME.";
// A name such as "" or '  ': the project file gives it back without its quotes
// and blanks, as nothing.
constexpr char kNameEmpty[] = "The project name is empty without its quotes and blanks, please choose another!";

// Puts the focus back into the name with all of it selected.
void SelectName(HWND dialog) {
  const HWND edit = GetDlgItem(dialog, IDC_PROJECT_NAME);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SetFocus(edit);
}

void AcceptName(HWND dialog, WPARAM command) {
  // The edit text is taken with a limit of one byte less than the buffer:
  // at most 254 characters.
  std::array<char, kProjectNameSize> name{};
  GetDlgItemTextA(dialog, IDC_PROJECT_NAME, name.data(), static_cast<int>(name.size() - 1));
  if (TrimLeadingSpaces(name)) {
    SetDlgItemTextA(dialog, IDC_PROJECT_NAME, "");
    SetFocus(GetDlgItem(dialog, IDC_PROJECT_NAME));
    return;
  }
  // "]" is refused too: a section header holding it reads back only where
  // the reader ends a header at its last "]", not at its first.
  const std::string_view entered(name.data());
  if (entered.find(']') != std::string_view::npos || !project_file::ProjectNameAsRead(entered)) {
    ShowWarning(dialog, project_file::ReadsBackEmpty(entered) ? kNameEmpty : kNameCannotBeSaved, MB_ICONEXCLAMATION);
    SelectName(dialog);
    return;
  }
  PageState().projectNameBuffer = name;
  EndDialog(dialog, static_cast<INT_PTR>(command));
}

}  // namespace

INT_PTR RunProjectNameDialog(HWND page) {
  return DialogBoxParamA(Host().moduleInstance, MAKEINTRESOURCEA(IDD_PROJECT_NAME), page, ProjectNameDialog,
                         reinterpret_cast<LPARAM>(PageState().projectNameBuffer.data()));
}

INT_PTR CALLBACK ProjectNameDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextA(dialog, PageState().isNewProject ? kNewCaption : kRenameCaption);
      SetDlgItemTextA(dialog, IDC_PROJECT_NAME, reinterpret_cast<const char*>(lParam));
      SelectName(dialog);
      return FALSE;  // the focus is set
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        AcceptName(dialog, wParam);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, static_cast<INT_PTR>(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

bool TrimLeadingSpaces(std::span<char> text) {
  const auto end = std::find(text.begin(), text.end(), '\0');
  const auto rest = std::find_if(text.begin(), end, [](char c) { return c != ' '; });
  // The rest moves to the start with its terminating zero.
  const auto moved = std::copy(rest, end, text.begin());
  if (moved != text.end()) *moved = '\0';
  return moved == text.begin();
}
