#include "ui/open_documents.h"

#include <vector>

#include "docstate/open_with_state.h"
#include "host/host_error.h"  // before host_callback.h, which uses it
#include "host/host_callback.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "projects/project_store.h"
#include "ui/manager_window.h"
#include "ui/warning_box.h"

namespace {

constexpr char kLoadTitle[] = "Load project";
constexpr char kReloadQuestion[] =
    "You have changed the default project [CURRENT OPENED FILES],\n"
    "Do you wish to close the current open files, then load the new list?";
constexpr UINT kQuestionStyle = MB_YESNOCANCEL | MB_ICONEXCLAMATION;

ASBool CollectDocument(AVDoc doc, void* documents) {
  static_cast<std::vector<AVDoc>*>(documents)->push_back(doc);
  return kHostTrue;
}

}  // namespace

void CloseAllDocuments() {
  std::vector<AVDoc> documents;
  {
    const HostCallback collect(HostEntryProc<CollectDocument>());
    host::AVAppEnumDocs(collect.get(), &documents);
  }
  for (auto doc = documents.rbegin(); doc != documents.rend(); ++doc) host::AVDocClose(*doc, kHostFalse);
}

bool OpenProjectEntry(HWND page, std::string_view hostPath, std::string_view state) {
  const std::string path(hostPath);
  if (host::ASFileSysPathFromDIPath(host::ASGetDefaultFileSys(), path.c_str(), nullptr) == nullptr) {
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
