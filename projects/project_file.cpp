#include "projects/project_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "host/scoped_handle.h"
#include "projects/ascii_text.h"
#include "projects/ini_document.h"
#include "projects/ini_section_file.h"
#include "projects/project_file_format.h"
#include "projects/project_file_path.h"
#include "projects/project_file_text.h"
#include "projects/project_limits.h"
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

StartupProject ReadStartupProject(const std::string& path) {
  using namespace project_file;
  StartupProject project;
  if (path.empty()) return project;
  // The profile functions read only the first section of the name: the file
  // read up to its end gives the same values without the other projects.
  const IniDocument section = ReadFirstIniSection(path, kDefaultProjectName);
  const std::string_view count = section.ReadView(kDefaultProjectName, kFileCountKey, kStartupNumberBuffer);
  if (!count.empty()) {
    for (const std::uint32_t key :
         section.NumberedKeys(kDefaultProjectName, std::max(0, ReadInteger(count).value_or(0)))) {
      const auto value =
          FileValueThatFits(section.ReadView(kDefaultProjectName, std::to_string(key), std::string_view::npos));
      if (!value || value->empty()) continue;
      project.entries.emplace_back(*value);
      if (project.entries.size() == static_cast<std::size_t>(kMaxFiles)) break;
    }
  }
  const std::string_view active = section.ReadView(kDefaultProjectName, kActiveIndexKey, kStartupNumberBuffer);
  if (!active.empty()) project.activeIndex = ReadInteger(active);
  return project;
}
