#pragma once
// The project file on disk (Vellora.ini in the system directory): the whole
// store written and the stored projects read, each in one pass over the
// file. The content is that of projects/project_file_text.h.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ProjectStore;

// Writes the whole store to the file at path. First the file is opened for
// writing without sharing (created when absent) and closed again: when that
// fails (locked by another handle, no rights) nothing is written and the
// result is 0. Otherwise the file is read, changed as the profile functions
// would change it, and replaced in one step by a complete new file; 1 when
// that succeeded, 0 when it failed (the old file is then as it was).
int SaveProjectFile(const ProjectStore& store, const std::string& path);

// Appends the stored projects 1 to n-1 from the file at path to a store that
// holds the default project; an absent or unreadable file adds nothing.
// Always 1.
int LoadProjectFile(ProjectStore& store, const std::string& path);

// What the plug-in calls: the store and ProjectFilePath(); the results are
// not used.
void SaveProjects(const ProjectStore& store);
void LoadProjects(ProjectStore& store);

// The default project as start-up restore takes it from the file at path,
// which is read only up to the end of that section: the file values of its
// numbered keys below "OpenNum", by the rule ReadProjects follows (in key
// order, each cut by FileValueThatFits, empty ones skipped, at most 256),
// and "ActiveArticleIndex" when it is present.
struct StartupProject {
  std::vector<std::string> entries;         // "<path>?<view-state string>"
  std::optional<std::int32_t> activeIndex;  // nothing when missing or empty
};
StartupProject ReadStartupProject(const std::string& path);
