#include "ui/projects_page.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "controls/help_launcher.h"
#include "docstate/capture.h"
#include "host/host_api.h"
#include "projects/project_file.h"
#include "projects/project_store.h"
#include "res/resource_ids.h"
#include "ui/file_commands.h"
#include "ui/file_list_view.h"
#include "ui/manager_window.h"
#include "ui/open_documents.h"
#include "ui/project_commands.h"
#include "ui/project_list.h"
#include "ui/projects_page_state.h"
#include "ui/save_failure.h"

namespace {

constexpr UINT kEntryHeight = 16;
constexpr int kFolderWidth = 15;  // the coloured band starts right of the folder's left part
constexpr int kTextLeft = 20;
constexpr COLORREF kSelectedFill = RGB(0, 128, 128);
constexpr COLORREF kSelectedText = RGB(255, 255, 255);
constexpr COLORREF kEntryFill = RGB(255, 255, 255);
constexpr COLORREF kNameText = RGB(0, 64, 128);
constexpr COLORREF kCountText = RGB(128, 128, 128);

// The controls of ids 1024 to 1042 and what a click on each does; empty: nothing.
// The project list (1032) is answered by its notifications instead (below).
constexpr int kFirstCommand = IDC_NEW_PROJECT;
constexpr int kLastCommand = IDC_DELETE_FILES;
constexpr std::array<PageCommand, kLastCommand - kFirstCommand + 1> kCommands = {
    /* 1024 New Project   */ OnNewProject,
    /* 1025 file list     */ nullptr,
    /* 1026 Load Project  */ LoadProject,
    /* 1027 Delete Project*/ OnDeleteProject,
    /* 1028 Add PDF Files */ OnAddFiles,
    /* 1029 Copy Project  */ OnCopyProject,
    /* 1030 Paste Project */ OnPasteProject,
    /* 1031 Cut Project   */ OnCutProject,
    /* 1032 project list  */ nullptr,
    /* 1033 Cut           */ OnCutFiles,
    /* 1034 to 1038: none */ nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 1039 Paste         */ OnPasteProject,  // pasting files and a project are one
    /* 1040 Copy          */ OnCopyFiles,
    /* 1041 Open PDFs     */ OpenSelectedFiles,
    /* 1042 Delete PDFs   */ OnDeleteFiles,
};
// A double click on a project list entry.
constexpr PageCommand kOnProjectDoubleClick = OnRenameProject;

HWND FileListOf(HWND page) { return GetDlgItem(page, IDC_FILE_LIST); }
HWND ProjectListOf(HWND page) { return GetDlgItem(page, IDC_PROJECT_LIST); }

void CreatePage(HWND page) {
  ProjectsPageState& state = PageState();
  state.defaultProjectChanged = false;
  const HINSTANCE module = Host().moduleInstance;
  state.closedFolder.reset(LoadBitmapA(module, MAKEINTRESOURCEA(IDB_CLOSED_FOLDER)));
  state.openFolder.reset(LoadBitmapA(module, MAKEINTRESOURCEA(IDB_OPEN_FOLDER)));
  CentreWindow(GetParent(page));
  ProjectStore& store = PageStore(page);
  CaptureOpenDocuments(store);
  LoadProjects(store);
  const HWND fileList = FileListOf(page);
  const HWND projectList = ProjectListOf(page);
  SetupFileList(fileList);
  FillProjectList(page, fileList, projectList, 0);
  FillFileList(fileList, projectList);
}

void OnProjectSelected(HWND page, HWND fileList, HWND projectList) {
  const std::int32_t selected = SelectedProject(projectList);
  ProjectsPageState& state = PageState();
  if (selected == state.currentProject) return;
  state.sortDirection = 0;
  state.sortColumn = -1;
  UpdateProjectItem(projectList, state.currentProject, false);
  UpdateProjectItem(projectList, selected, true);
  state.currentProject = selected;
  EnableWindow(GetDlgItem(page, IDC_DELETE_PROJECT), selected != 0);
  FillFileList(fileList, projectList);
}

void DispatchCommand(HWND page, int id, int code) {
  const HWND fileList = FileListOf(page);
  const HWND projectList = ProjectListOf(page);
  if (id == IDC_PROJECT_LIST) {
    if (code == LBN_SELCHANGE) OnProjectSelected(page, fileList, projectList);
    if (code == LBN_DBLCLK) kOnProjectDoubleClick(page, fileList, projectList);
    return;
  }
  if (id < kFirstCommand || id > kLastCommand) return;
  if (const PageCommand command = kCommands[static_cast<std::size_t>(id - kFirstCommand)]) command(page, fileList, projectList);
}

// Sorts the current project by the clicked column (a second click on the
// same column sorts the other way) and shows its files in their new order,
// the same files selected as before.
void OnSortColumn(HWND page, HWND fileList, HWND projectList, int column) {
  ProjectsPageState& state = PageState();
  state.sortDirection = column == state.sortColumn && state.sortDirection == 1 ? -1 : 1;
  state.sortColumn = column;

  ProjectStore& store = PageStore(page);
  const std::int32_t project = state.currentProject;
  const FileList& files = store.Files(project);
  std::vector<FileEntry> selected;
  for (const int row : GetSelectedRows(fileList)) selected.push_back(files.Entry(row));

  store.SortFiles(project, state.sortColumn != 0, state.sortDirection == 1);
  FillFileList(fileList, projectList);

  // A file is known by its path, state and mark: entries alike in all three
  // look alike too, so either may be the one selected again.
  std::vector<bool> taken(static_cast<std::size_t>(files.Count()), false);
  for (const FileEntry& wanted : selected) {
    for (std::int32_t row = 0; row < files.Count(); ++row) {
      const FileEntry& entry = files.Entry(row);
      if (taken[static_cast<std::size_t>(row)] || entry.path != wanted.path || entry.state != wanted.state ||
          entry.marked != wanted.marked)
        continue;
      taken[static_cast<std::size_t>(row)] = true;
      SelectRow(fileList, row);
      break;
    }
  }
  if (SelectedProject(projectList) == 0) state.defaultProjectChanged = true;
}

void OnApply(HWND page) {
  // The sheet closes afterwards whatever the outcome.
  ShowSaveFailure(GetParent(page), SaveProjects(PageStore(page)), SaveMoment::kWindowOk);
  if (PageState().defaultProjectChanged) ReloadDefaultProject(page, FileListOf(page), ProjectListOf(page));
}

void OnNotify(HWND page, const NMHDR& header, LPARAM lParam) {
  if (header.idFrom == IDC_FILE_LIST && header.code == LVN_COLUMNCLICK) {
    const auto& click = *reinterpret_cast<const NMLISTVIEW*>(lParam);
    OnSortColumn(page, FileListOf(page), ProjectListOf(page), click.iSubItem);
  } else if (header.code == PSN_HELP) {
    ShowPageHelp(page, kProjectsPageTopic);
  } else if (header.code == PSN_APPLY) {
    OnApply(page);
  }
}

// The entry's bitmap at its left, then its text: the name in the name colour
// and the final count, from the last "(", in grey; a selected entry all white
// on the selection colour.
BOOL DrawProjectEntry(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return FALSE;
  if (item.itemAction != ODA_DRAWENTIRE && item.itemAction != ODA_SELECT) return TRUE;
  const HDC dc = item.hDC;
  RECT band = item.rcItem;
  band.left += kFolderWidth;
  band.top += 1;
  band.bottom -= 1;
  SetBkMode(dc, TRANSPARENT);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  SetTextColor(dc, selected ? kSelectedText : kNameText);
  {
    const BrushHandle brush(CreateSolidBrush(selected ? kSelectedFill : kEntryFill));
    FillRect(dc, &band, brush.get());
  }

  const auto bitmap = reinterpret_cast<HBITMAP>(item.itemData);
  if (bitmap != nullptr) {
    const MemoryDc source(CreateCompatibleDC(dc));
    const HGDIOBJ previous = SelectObject(source.get(), bitmap);
    BitBlt(dc, item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
           item.rcItem.bottom - item.rcItem.top, source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), previous);
  }

  const std::string text = ListBoxEntryText(item.hwndItem, static_cast<int>(item.itemID));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const int y = (item.rcItem.top + item.rcItem.bottom - metrics.tmHeight) / 2;
  // From the item's left, which moves when the list is scrolled sideways.
  const int x = item.rcItem.left + kTextLeft;
  const std::size_t count = text.rfind('(');
  if (selected || count == std::string::npos) {
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    return TRUE;
  }
  SIZE nameSize{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(count), &nameSize);
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(count));
  SetTextColor(dc, kCountText);
  TextOutA(dc, x + nameSize.cx, y, text.c_str() + count, static_cast<int>(text.size() - count));
  return TRUE;
}

}  // namespace

INT_PTR CALLBACK ProjectsPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      AttachPage(page, lParam);
      GuardPage(page, [page] { CreatePage(page); });
      return TRUE;
    case WM_COMMAND:
      GuardPage(page, [&] { DispatchCommand(page, LOWORD(wParam), HIWORD(wParam)); });
      return TRUE;
    case WM_MEASUREITEM:
      if (wParam != IDC_PROJECT_LIST) return FALSE;
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kEntryHeight;
      return TRUE;
    case WM_DRAWITEM: {
      BOOL drawn = FALSE;
      GuardPage(page, [&] { drawn = DrawProjectEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); });
      return drawn;
    }
    case WM_NOTIFY:
      GuardPage(page, [&] { OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam), lParam); });
      SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_DESTROY: {
      ProjectsPageState& state = PageState();
      state.closedFolder.reset();
      state.openFolder.reset();
      return FALSE;
    }
    default:
      return FALSE;
  }
}
