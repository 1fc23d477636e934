#include "ui/file_list_view.h"

#include <commctrl.h>

#include <string>

#include "host/host_api.h"
#include "host/scoped_handle.h"
#include "projects/project_store.h"
#include "res/resource_ids.h"
#include "ui/manager_window.h"
#include "ui/path_conversion.h"
#include "ui/project_list.h"

namespace {

constexpr int kIconSize = 16;
constexpr WORD kRowIcons[] = {IDI_PDF_FILE, IDI_ACTIVE_PDF_FILE, IDI_SORT_UP, IDI_SORT_DOWN};
constexpr int kPlainImage = 0;
constexpr int kActiveImage = 1;
constexpr LPARAM kScrollToEnd = 0x7FFF;  // pixels down: past the end of any list

struct Column {
  const char* title;
  int width;
};
constexpr Column kColumns[] = {{"PDF File Name", 128}, {"Path", 300}};

// A file marked in the project the clipboard cuts from is shown cut.
bool ShowsCutLook(const ProjectStore& store, std::int32_t project, std::int32_t file) {
  return store.ClipboardMode() == ClipMode::kCut && store.ClipboardSource() == project &&
         store.Files(project).Entry(file).marked;
}

void SetRowState(HWND fileList, int row, UINT state, UINT mask) {
  LVITEMA item{};
  item.state = state;
  item.stateMask = mask;
  SendMessageA(fileList, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

bool SetupFileList(HWND fileList) {
  SendMessageA(fileList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);

  ImageList images(ImageList_Create(kIconSize, kIconSize, ILC_COLOR8, std::size(kRowIcons), 0));
  for (const WORD icon : kRowIcons)
    ImageList_ReplaceIcon(images.get(), -1, LoadIconA(Host().moduleInstance, MAKEINTRESOURCEA(icon)));
  if (!images || ImageList_GetImageCount(images.get()) < static_cast<int>(std::size(kRowIcons))) return false;
  // The list view owns its image list from here on.
  SendMessageA(fileList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images.release()));

  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = kColumns[i].width;
    column.pszText = const_cast<char*>(kColumns[i].title);
    if (SendMessageA(fileList, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column)) == -1) return false;
  }
  return true;
}

void FillFileList(HWND fileList, HWND projectList) {
  const std::int32_t p = SelectedProject(projectList);
  if (p < 0) return;
  const ProjectStore& store = PageStore(GetParent(projectList));
  const FileList& files = store.Files(p);
  SendMessageA(fileList, WM_SETREDRAW, FALSE, 0);
  SendMessageA(fileList, LVM_DELETEALLITEMS, 0, 0);
  for (std::int32_t j = 0; j < files.Count(); ++j)
    InsertFileRow(fileList, files.Entry(j).path, ShowsCutLook(store, p, j), files.ActiveIndex() == j);
  SendMessageA(fileList, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(fileList, nullptr, TRUE);
}

bool InsertFileRow(HWND fileList, std::string_view hostPath, bool cutLook, bool active) {
  const int row = static_cast<int>(SendMessageA(fileList, LVM_GETITEMCOUNT, 0, 0));
  std::string path = HostPathToWindows(hostPath);
  const std::size_t split = path.rfind('\\');
  std::string folder;
  if (split != std::string::npos) {
    folder = path.substr(0, split);
    path.erase(0, split + 1);
  }

  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
  item.iItem = row;
  item.pszText = path.data();
  item.iImage = active ? kActiveImage : kPlainImage;
  item.state = cutLook ? LVIS_CUT : 0;
  item.stateMask = LVIS_CUT;
  if (SendMessageA(fileList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) == -1) return false;

  LVITEMA folderItem{};
  folderItem.iSubItem = 1;
  folderItem.pszText = folder.data();
  return SendMessageA(fileList, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&folderItem)) != FALSE;
}

std::vector<int> GetSelectedRows(HWND fileList) {
  std::vector<int> rows;
  int row = -1;
  while ((row = static_cast<int>(SendMessageA(fileList, LVM_GETNEXTITEM, row, LVNI_SELECTED))) != -1)
    rows.push_back(row);
  return rows;
}

void SelectRow(HWND fileList, int row) { SetRowState(fileList, row, LVIS_SELECTED, LVIS_SELECTED); }

void SelectLastRows(HWND fileList, int n) {
  const int count = static_cast<int>(SendMessageA(fileList, LVM_GETITEMCOUNT, 0, 0));
  if (count <= 0) return;
  for (int row = count - 1; row >= 0 && row >= count - n; --row) SelectRow(fileList, row);
  SendMessageA(fileList, LVM_SCROLL, 0, kScrollToEnd);
}

void UpdateCutLook(HWND fileList, HWND projectList) {
  const std::int32_t p = SelectedProject(projectList);
  if (p < 0) return;
  const ProjectStore& store = PageStore(GetParent(projectList));
  const int count = static_cast<int>(SendMessageA(fileList, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) SetRowState(fileList, row, ShowsCutLook(store, p, row) ? LVIS_CUT : 0, LVIS_CUT);
}
