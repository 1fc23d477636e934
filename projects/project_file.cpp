#include "projects/project_file.h"

#include <windows.h>

#include <utility>

#include "host/scoped_handle.h"
#include "projects/ini_document.h"
#include "projects/project_file_path.h"
#include "projects/project_file_text.h"
#include "projects/project_store.h"
#include "projects/whole_file.h"

namespace {

// The writability test: open for writing with no sharing, creating the file
// when absent and leaving its content, and close it again at once.
bool CanWrite(const std::string& path) {
  const FileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid();
}

}  // namespace

int SaveProjectFile(const ProjectStore& store, const std::string& path) {
  if (path.empty() || !CanWrite(path)) return 0;
  auto text = ReadWholeFile(path);
  if (!text) return 0;  // what is there could not be kept
  return ReplaceWholeFile(path, WriteProjectsToText(store, std::move(*text))) ? 1 : 0;
}

int LoadProjectFile(ProjectStore& store, const std::string& path) {
  if (path.empty()) return 1;
  auto text = ReadWholeFile(path);
  if (!text) return 1;
  ReadProjects(IniDocument::ParseOwned(std::move(*text)), store);
  return 1;
}

void SaveProjects(const ProjectStore& store) { SaveProjectFile(store, ProjectFilePath()); }

void LoadProjects(ProjectStore& store) { LoadProjectFile(store, ProjectFilePath()); }
