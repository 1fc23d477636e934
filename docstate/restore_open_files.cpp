#include "docstate/restore_open_files.h"

#include <vector>

#include "docstate/activate_document.h"
#include "docstate/open_with_state.h"
#include "projects/project_file.h"
#include "projects/project_file_path.h"

bool OpenEntry(std::string_view entry) {
  const std::size_t question = entry.find('?');
  if (question == std::string_view::npos) return OpenWithState(entry, std::nullopt);
  return OpenWithState(entry.substr(0, question), entry.substr(question + 1));
}

void RestoreOpenFiles() {
  const StartupProject project = ReadStartupProject(ProjectFilePath());
  std::vector<bool> opened;
  for (const std::string& entry : project.entries) opened.push_back(OpenEntry(entry));
  if (project.activeIndex) ActivateOpenedEntry(opened, *project.activeIndex);
}
