#include "ui/project_list.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "host/scoped_handle.h"
#include "projects/project_store.h"
#include "res/resource_ids.h"
#include "ui/manager_window.h"
#include "ui/projects_page_state.h"

namespace {

constexpr std::size_t kEntryTextSize = 512;
constexpr std::size_t kLabelTextSize = 1024;

LPARAM FolderFor(bool current) {
  const ProjectsPageState& state = PageState();
  return reinterpret_cast<LPARAM>(current ? state.openFolder.get() : state.closedFolder.get());
}

}  // namespace

std::string ProjectEntryText(const ProjectStore& store, std::int32_t project) {
  std::array<char, kEntryTextSize> text{};
  std::snprintf(text.data(), text.size(), "%s (%d)", store.Name(project).c_str(),
                static_cast<int>(store.Files(project).Count()));
  return text.data();
}

void FillProjectList(HWND page, HWND /*fileList*/, HWND projectList, std::int32_t select) {
  const ProjectStore& store = PageStore(page);
  SendMessageA(projectList, WM_SETREDRAW, FALSE, 0);
  SendMessageA(projectList, LB_RESETCONTENT, 0, 0);
  for (std::int32_t i = 0; i < store.ProjectCount(); ++i) {
    const LRESULT entry =
        SendMessageA(projectList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ProjectEntryText(store, i).c_str()));
    SendMessageA(projectList, LB_SETITEMDATA, entry, FolderFor(i == select));
  }
  SendMessageA(projectList, WM_SETREDRAW, TRUE, 0);
  PageState().currentProject = select;
  SendMessageA(projectList, LB_SETCURSEL, select, 0);
  InvalidateRect(projectList, nullptr, TRUE);
  EnableWindow(GetDlgItem(page, IDC_DELETE_PROJECT), select != 0);
  UpdateProjectCountLabel(page, store.ProjectCount());
  UpdateHorizontalExtent(projectList);
}

void UpdateProjectItem(HWND projectList, std::int32_t project, bool makeCurrent) {
  const LRESULT count = SendMessageA(projectList, LB_GETCOUNT, 0, 0);
  if (count == LB_ERR || project < 0 || project > count - 1) return;
  const std::string text = ProjectEntryText(PageStore(GetParent(projectList)), project);
  // An entry whose text stays keeps its place (and the list its extent):
  // only its folder changes, and it is drawn again.
  const bool sameText = ListBoxEntryText(projectList, project) == text;
  if (!sameText) {
    SendMessageA(projectList, LB_DELETESTRING, project, 0);
    SendMessageA(projectList, LB_INSERTSTRING, project, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageA(projectList, LB_SETITEMDATA, project, FolderFor(makeCurrent));
  if (makeCurrent) SendMessageA(projectList, LB_SETCURSEL, project, 0);
  if (sameText) {
    RECT entry{};
    if (SendMessageA(projectList, LB_GETITEMRECT, project, reinterpret_cast<LPARAM>(&entry)) != LB_ERR)
      InvalidateRect(projectList, &entry, FALSE);
    return;
  }
  UpdateHorizontalExtent(projectList);
}

void UpdateProjectCountLabel(HWND page, std::int32_t projectCount) {
  std::array<char, kLabelTextSize> text{};
  std::snprintf(text.data(), text.size(), "Favorite Projects (%d)", static_cast<int>(projectCount - 1));
  SetDlgItemTextA(page, IDC_PROJECT_COUNT, text.data());
}

void UpdateHorizontalExtent(HWND projectList) {
  const LRESULT count = SendMessageA(projectList, LB_GETCOUNT, 0, 0);
  if (count == LB_ERR) return;
  LONG widest = 0;
  {
    // The list box's own context as the platform gives it, no font chosen.
    const WindowDc dc = GetWindowDc(projectList);
    for (LRESULT i = 0; i < count; ++i) {
      const std::string text = ListBoxEntryText(projectList, static_cast<int>(i));
      SIZE size{};
      if (GetTextExtentPoint32A(dc.get().dc, text.c_str(), static_cast<int>(text.size()), &size))
        widest = std::max(widest, size.cx);
    }
  }
  SendMessageA(projectList, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
}

std::int32_t SelectedProject(HWND projectList) {
  const LRESULT selected = SendMessageA(projectList, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<std::int32_t>(selected);
}

std::string ListBoxEntryText(HWND listBox, int entry) {
  const LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, entry, 0);
  if (length == LB_ERR || length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(listBox, LB_GETTEXT, entry, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}
