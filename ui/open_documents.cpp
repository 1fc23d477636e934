#include "ui/open_documents.h"

#include <vector>

#include "docstate/activate_document.h"
#include "docstate/open_with_state.h"
#include "host/host_api.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "host/scoped_handle.h"
#include "projects/project_store.h"
#include "ui/file_list_view.h"
#include "ui/manager_window.h"
#include "ui/project_list.h"
#include "ui/projects_page_state.h"
#include "ui/warning_box.h"

namespace {

constexpr char kLoadTitle[] = "Load project";
constexpr char kLoadQuestion[] = "Do you wish to close the current open files, then load the new project?";
constexpr char kReloadQuestion[] =
    "You have changed the default project [CURRENT OPENED FILES],\n"
    "Do you wish to close the current open files, then load the new list?";
constexpr UINT kQuestionStyle = MB_YESNOCANCEL | MB_ICONEXCLAMATION;

ASBool CollectDocument(AVDoc doc, void* documents) {
  static_cast<std::vector<AVDoc>*>(documents)->push_back(doc);
  return kHostTrue;
}

// Opens the files in order; each that opened joins the default project,
// whose entry then shows its new count (and stays the current one when it is
// the project being opened). Gives which files opened.
std::vector<bool> OpenIntoDefaultProject(HWND page, HWND projectList, std::int32_t project,
                                         const std::vector<FileEntry>& files) {
  ProjectStore& store = PageStore(page);
  std::vector<bool> opened;
  for (const FileEntry& file : files) {
    opened.push_back(OpenProjectEntry(page, file.path, file.state));
    if (!opened.back()) continue;
    store.AddFile(file.path, file.state, 0);
    UpdateProjectItem(projectList, 0, project == 0);
  }
  return opened;
}

// A copy of the project's files: what opens is what the project held when
// the command began, whatever the openings add to the default project.
std::vector<FileEntry> FilesOf(const ProjectStore& store, std::int32_t project) {
  std::vector<FileEntry> files;
  for (std::int32_t i = 0; i < store.Files(project).Count(); ++i) files.push_back(store.Files(project).Entry(i));
  return files;
}

}  // namespace

void CloseAllDocuments() {
  std::vector<AVDoc> documents;
  {
    const HostCallback collect(host::ASCallbackCreate(Host().extensionId, HostEntryProc<CollectDocument>()));
    host::AVAppEnumDocs(collect.get(), &documents);
  }
  for (auto doc = documents.rbegin(); doc != documents.rend(); ++doc) host::AVDocClose(*doc, kHostFalse);
}

bool OpenProjectEntry(HWND page, std::string_view hostPath, std::string_view state) {
  const std::string path(hostPath);
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  if (!HostPath({fileSys, host::ASFileSysPathFromDIPath(fileSys, path.c_str(), nullptr)})) {
    ShowWarning(page, "Wrong path or file name, cannot open", MB_ICONHAND);
    return false;
  }
  return OpenWithState(path, state);
}

void ReloadDefaultProject(HWND page, HWND /*fileList*/, HWND /*projectList*/) {
  const int answer = MessageBoxA(page, kReloadQuestion, kLoadTitle, kQuestionStyle);
  if (answer == IDCANCEL) return;
  if (answer == IDYES) CloseAllDocuments();
  const FileList& files = PageStore(page).Files(0);
  for (std::int32_t i = 0; i < files.Count(); ++i) OpenProjectEntry(page, files.Entry(i).path, files.Entry(i).state);
}

void LoadProject(HWND page, HWND /*fileList*/, HWND projectList) {
  const std::int32_t project = SelectedProject(projectList);
  const int answer = MessageBoxA(page, kLoadQuestion, kLoadTitle, kQuestionStyle);
  if (answer == IDCANCEL) return;
  ProjectStore& store = PageStore(page);
  if (answer == IDYES) {
    CloseAllDocuments();
    // None of its documents is open any more; the default project itself is
    // about to be opened again and keeps its files.
    if (project != 0) {
      store.ClearFiles(0);
      UpdateProjectItem(projectList, 0, false);
    }
  }
  if (project < 0) return;
  const std::vector<bool> opened = OpenIntoDefaultProject(page, projectList, project, FilesOf(store, project));
  if (project == 0) PageState().defaultProjectChanged = false;
  ActivateOpenedEntry(opened, store.Files(project).ActiveIndex());
}

void OpenSelectedFiles(HWND page, HWND fileList, HWND projectList) {
  const std::vector<int> rows = GetSelectedRows(fileList);
  const std::int32_t project = SelectedProject(projectList);
  if (project < 0) return;
  const ProjectStore& store = PageStore(page);
  std::vector<FileEntry> files;
  for (const int row : rows) files.push_back(store.Files(project).Entry(row));
  OpenIntoDefaultProject(page, projectList, project, files);
}
