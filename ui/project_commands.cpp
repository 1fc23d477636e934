#include "ui/project_commands.h"

#include <cstdio>

#include "projects/project_limits.h"
#include "projects/project_store.h"
#include "projects/project_file_format.h"
#include "res/resource_ids.h"
#include "ui/file_list_view.h"
#include "ui/manager_window.h"
#include "ui/project_list.h"
#include "ui/project_name_dialog.h"
#include "ui/projects_page_state.h"
#include "ui/warning_box.h"

namespace {

constexpr char kNameExists[] = "The project name has existed, please choose another!";
constexpr char kStoreFull[] = "The project list is full (256 projects), please delete a project first!";
constexpr char kDefaultNotRemoved[] = "Default project cannot be removed!";
constexpr char kDeleteQuestion[] = "This project's PDF infomation will be lost!\nAre you sure?";
constexpr char kSamePaste[] = "Cannot paste to the same project!";
constexpr char kNotPastedFormat[] = "A project holds at most 256 PDF files: %d of the files were not pasted!";

// Position of the first project that would share a section of the project
// file with a project named `name`; kNoIndex for none.
std::int32_t FindProjectAsRead(const ProjectStore& store, std::string_view name) {
  for (std::int32_t i = 0; i < store.ProjectCount(); ++i) {
    if (project_file::ShareASection(store.Name(i), name)) return i;
  }
  return kNoIndex;
}

// The marked files of the source that a paste left behind for want of room:
// their path is not in the destination (a file whose path is there is
// skipped, and not counted).
int LeftBehind(const ProjectStore& store, std::int32_t destination, std::int32_t source) {
  const FileList& files = store.Files(source);
  int left = 0;
  for (std::int32_t i = 0; i < files.Count(); ++i) {
    if (files.Entry(i).marked && store.FindFile(destination, files.Entry(i).path) == kNoIndex) ++left;
  }
  return left;
}

// Runs the name dialog; true with an accepted name that no project has, also
// once the project file has read the names back (blanks at either end and
// enclosing quotes away, letter case ignored): two such projects would share
// one section of the file.
bool AskForNewName(HWND page, const ProjectStore& store) {
  if (RunProjectNameDialog(page) == IDCANCEL) return false;
  if (FindProjectAsRead(store, PageState().projectNameBuffer.data()) == kNoIndex) return true;
  ShowWarning(page, kNameExists, MB_ICONEXCLAMATION);
  return false;
}

}  // namespace

void OnNewProject(HWND page, HWND fileList, HWND projectList) {
  ProjectStore& store = PageStore(page);
  if (store.ProjectCount() >= kMaxProjects) {
    ShowWarning(page, kStoreFull, MB_ICONHAND);
    return;
  }
  ProjectsPageState& state = PageState();
  SYSTEMTIME now{};
  GetSystemTime(&now);
  std::snprintf(state.projectNameBuffer.data(), state.projectNameBuffer.size(), "%d/%d/%d Project%d", now.wMonth,
                now.wDay, now.wYear, static_cast<int>(store.ProjectCount()));
  state.isNewProject = true;
  if (!AskForNewName(page, store)) return;
  store.AddProject(state.projectNameBuffer.data());
  FillProjectList(page, fileList, projectList, store.ProjectCount() - 1);
  FillFileList(fileList, projectList);
}

void OnRenameProject(HWND page, HWND /*fileList*/, HWND projectList) {
  const std::int32_t project = SelectedProject(projectList);
  if (project <= 0) return;  // the default project keeps its name
  ProjectStore& store = PageStore(page);
  ProjectsPageState& state = PageState();
  std::snprintf(state.projectNameBuffer.data(), state.projectNameBuffer.size(), "%s", store.Name(project).c_str());
  state.isNewProject = false;
  // Its own name, in any letter case, is taken too.
  if (!AskForNewName(page, store)) return;
  store.RenameProject(project, state.projectNameBuffer.data());
  UpdateProjectItem(projectList, project, true);
}

void OnDeleteProject(HWND page, HWND fileList, HWND projectList) {
  std::int32_t project = SelectedProject(projectList);
  if (project < 0) return;
  if (project == 0) {
    ShowWarning(page, kDefaultNotRemoved, MB_ICONHAND);
    return;
  }
  ProjectStore& store = PageStore(page);
  if (store.Files(project).Count() > 0 && ShowWarning(page, kDeleteQuestion, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
    return;
  SendMessageA(projectList, LB_DELETESTRING, project, 0);
  // The store also moves or empties the clipboard's source with its project.
  const std::int32_t count = store.RemoveProject(project);
  if (project == count) project = count - 1;
  SendMessageA(projectList, LB_SETCURSEL, project, 0);
  UpdateProjectItem(projectList, project, true);
  UpdateHorizontalExtent(projectList);  // the widest entry may be gone
  PageState().currentProject = project;
  EnableWindow(GetDlgItem(page, IDC_DELETE_PROJECT), count != 1);
  UpdateProjectCountLabel(page, count);
  FillFileList(fileList, projectList);
}

void OnCutProject(HWND page, HWND fileList, HWND projectList) {
  const std::int32_t project = SelectedProject(projectList);
  if (project < 0) return;
  PageStore(page).MarkAllFiles(project, ClipMode::kCut, true);
  FillFileList(fileList, projectList);
}

void OnCopyProject(HWND page, HWND fileList, HWND projectList) {
  const std::int32_t project = SelectedProject(projectList);
  if (project < 0) return;
  PageStore(page).MarkAllFiles(project, ClipMode::kCopy, true);
  // Rows cut before lose their look: a copy has none.
  UpdateCutLook(fileList, projectList);
}

void OnPasteProject(HWND page, HWND fileList, HWND projectList) {
  ProjectStore& store = PageStore(page);
  const std::int32_t source = store.ClipboardSource();
  if (source == kNoIndex) return;
  const std::int32_t project = SelectedProject(projectList);
  if (project < 0) return;
  if (project == source) {
    ShowWarning(page, kSamePaste, MB_ICONINFORMATION);
    return;
  }
  const std::int32_t pasted = store.PasteMarked(project, source);
  UpdateProjectItem(projectList, project, true);
  UpdateProjectItem(projectList, source, false);
  FillFileList(fileList, projectList);
  SelectLastRows(fileList, pasted);
  if (project == 0 && pasted > 0) PageState().defaultProjectChanged = true;
  // What did not fit stays in its project, marked, for another paste.
  if (const int left = LeftBehind(store, project, source); left > 0) ShowLeftOutWarning(page, kNotPastedFormat, left);
}
