#pragma once
// The project file on disk (where it is: projects/project_file_path.h): the
// whole store written and the stored projects read, each in one pass over
// the file. The content is that of projects/project_file_text.h.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "projects/project_file_path.h"

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

// What a save of the plug-in came to. problem, when nothing was saved: one
// line per path tried, "<path>: <the system's reason>"; empty when saved.
struct SaveOutcome {
  bool saved = false;
  std::string problem;
};

// The plug-in's save, at the places given: the user's file when it exists.
// Otherwise the system file; when that refuses the user for lack of rights
// (access denied, not a lock), the user's file instead, its folder made when
// missing, starting from the system file's text so that nothing of it is
// lost. A user's file that could not be written is not left behind.
SaveOutcome SaveProjectsTo(const ProjectStore& store, const ProjectFilePlaces& places);

// What the plug-in calls: SaveProjectsTo(FindProjectFilePlaces()), and
// LoadProjectFile(ProjectFilePath()).
SaveOutcome SaveProjects(const ProjectStore& store);
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
