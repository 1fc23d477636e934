#include "docstate/restore_open_files.h"

#include <cstdint>

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
  std::int32_t opened = 0;
  for (const std::string& entry : project.entries) {
    if (OpenEntry(entry)) ++opened;
  }
  if (project.activeIndex && *project.activeIndex < opened) ActivateNthDocument(*project.activeIndex);
}
