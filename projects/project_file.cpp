#include "projects/project_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "host/scoped_handle.h"
#include "host/system_error_text.h"
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
DWORD OpenForWriting(const std::string& path) {
  const FileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() ? ERROR_SUCCESS : GetLastError();
}

// The error of the call that just failed; one that left none still failed.
DWORD LastError() {
  const DWORD error = GetLastError();
  return error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
}

// Writes the whole store to the file at path, into the text of the file at
// base (path itself, or the system file for the user's first file, which
// starts empty when there is none). ERROR_SUCCESS, or the system's reason.
DWORD WriteProjects(const ProjectStore& store, const std::string& path, const std::string& base) {
  if (path.empty()) return ERROR_PATH_NOT_FOUND;
  if (const DWORD refused = OpenForWriting(path); refused != ERROR_SUCCESS) return refused;
  auto text = ReadWholeFile(base);
  if (!text) {
    const DWORD error = LastError();
    // What is there could not be kept.
    if (base == path || (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)) return error;
    text.emplace();
  }
  return ReplaceWholeFile(path, WriteProjectsToText(store, std::move(*text))) ? ERROR_SUCCESS : LastError();
}

// "<path>: <reason>", the reason without its line break.
std::string Tried(const std::string& path, DWORD error) {
  std::string reason = SystemErrorText(error);
  reason.erase(reason.find_last_not_of(" \r\n") + 1);
  return (path.empty() ? std::string(kProjectFileName) : path) + ": " + reason;
}

}  // namespace

int SaveProjectFile(const ProjectStore& store, const std::string& path) {
  return WriteProjects(store, path, path) == ERROR_SUCCESS ? 1 : 0;
}

SaveOutcome SaveProjectsTo(const ProjectStore& store, const ProjectFilePlaces& places) {
  if (FileToRead(places) == places.user) {
    const DWORD error = WriteProjects(store, places.user, places.user);
    return error == ERROR_SUCCESS ? SaveOutcome{true, {}} : SaveOutcome{false, Tried(places.user, error)};
  }
  const DWORD system = WriteProjects(store, places.system, places.system);
  if (system == ERROR_SUCCESS) return {true, {}};
  if (system != ERROR_ACCESS_DENIED || places.user.empty()) return {false, Tried(places.system, system)};
  CreateDirectoryA(places.user.substr(0, places.user.rfind('\\')).c_str(), nullptr);
  const DWORD user = WriteProjects(store, places.user, places.system);
  if (user == ERROR_SUCCESS) return {true, {}};
  // Left empty by the writability test, it would hide the system file.
  DeleteFileA(places.user.c_str());
  return {false, Tried(places.system, system) + "\n" + Tried(places.user, user)};
}

int LoadProjectFile(ProjectStore& store, const std::string& path) {
  if (path.empty()) return 1;
  auto text = ReadWholeFile(path);
  if (!text) return 1;
  ReadProjects(IniDocument::ParseOwned(std::move(*text)), store);
  return 1;
}

SaveOutcome SaveProjects(const ProjectStore& store) { return SaveProjectsTo(store, FindProjectFilePlaces()); }

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
