#include "ui/file_commands.h"

#include <commdlg.h>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "projects/project_limits.h"
#include "projects/project_store.h"
#include "ui/file_list_view.h"
#include "ui/manager_window.h"
#include "ui/path_conversion.h"
#include "ui/project_list.h"
#include "ui/warning_box.h"

namespace {

constexpr std::size_t kChosenNamesSize = 4096;  // the Open dialog's buffer
constexpr char kFilter[] = "Pdf Files (*.pdf)\0*.pdf\0";
constexpr char kOpenTitle[] = "Open File";
constexpr char kDefaultCut[] = "Default project cannot be cut!";
constexpr char kTooManyChosen[] = "Too many PDF files were chosen at once, please add them in smaller groups!";
constexpr char kLeftOutFormat[] = "A project holds at most 256 PDF files: %d of the chosen files were not added!";

// The files the user picks, as path text; none when the dialog is cancelled
// or fails, and when the choice does not fit the buffer (the user is told).
std::vector<std::string> ChooseFiles(HWND page) {
  std::array<char, kChosenNamesSize> names{};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = page;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = names.data();
  dialog.nMaxFile = static_cast<DWORD>(names.size());
  dialog.lpstrTitle = kOpenTitle;
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT;
  dialog.lpstrDefExt = "pdf";
  if (!GetOpenFileNameA(&dialog)) {
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) ShowWarning(page, kTooManyChosen, MB_ICONHAND);
    return {};
  }
  std::optional<std::vector<std::string>> chosen =
      ChosenHostPaths(std::string_view(names.data(), names.size()), dialog.nFileOffset);
  if (chosen) return std::move(*chosen);
  ShowWarning(page, kTooManyChosen, MB_ICONHAND);
  return {};
}

}  // namespace

void OnAddFiles(HWND page, HWND fileList, HWND projectList) {
  const std::vector<std::string> chosen = ChooseFiles(page);
  const std::int32_t project = SelectedProject(projectList);
  if (chosen.empty() || project < 0) return;
  ProjectStore& store = PageStore(page);
  int added = 0;
  int leftOut = 0;
  for (const std::string& path : chosen) {
    if (store.FindFile(project, path) != kNoIndex) continue;  // already there: skipped, not counted
    if (store.AddFile(path, "", project)) {
      ++added;
    } else {
      ++leftOut;  // the project is full
    }
  }
  UpdateProjectItem(projectList, project, true);
  FillFileList(fileList, projectList);
  SelectLastRows(fileList, added);
  if (leftOut > 0) ShowLeftOutWarning(page, kLeftOutFormat, leftOut);
}

void OnDeleteFiles(HWND page, HWND fileList, HWND projectList) {
  const std::int32_t project = SelectedProject(projectList);
  if (project < 0) return;
  ProjectStore& store = PageStore(page);
  // From the last row up, so that the rows still to go keep their positions.
  const std::vector<int> rows = GetSelectedRows(fileList);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) store.RemoveFile(project, *row);
  UpdateProjectItem(projectList, project, true);
  FillFileList(fileList, projectList);
}

void OnCutFiles(HWND page, HWND fileList, HWND projectList) {
  const std::int32_t project = SelectedProject(projectList);
  if (project < 0) return;
  if (project == 0) {
    ShowWarning(page, kDefaultCut, MB_ICONHAND);
    return;
  }
  ProjectStore& store = PageStore(page);
  store.UnmarkFiles(project);
  for (const int row : GetSelectedRows(fileList)) store.MarkFile(project, row, ClipMode::kCut, true);
  UpdateCutLook(fileList, projectList);
}

void OnCopyFiles(HWND page, HWND fileList, HWND projectList) {
  const std::int32_t project = SelectedProject(projectList);
  if (project < 0) return;
  ProjectStore& store = PageStore(page);
  // Nothing is left to paste unless a row is selected.
  store.MarkAllFiles(project, ClipMode::kNone, false);
  for (const int row : GetSelectedRows(fileList)) store.MarkFile(project, row, ClipMode::kCopy, true);
  UpdateCutLook(fileList, projectList);
}
