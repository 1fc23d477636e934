// What the projects page keeps from one opening of the window to the next,
// for the life of the plug-in: its one owner.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "host/scoped_handle.h"

inline constexpr std::size_t kProjectNameSize = 256;  // a project name, terminating zero included

struct ProjectsPageState {
  // The project selected in the project list, whose files the file list shows.
  std::int32_t currentProject = 0;
  // The default project's files or their order changed while the window was
  // open: OK then offers to reload it.
  bool defaultProjectChanged = false;
  // The file list column clicked last (-1 none, 0 "PDF File Name", 1 "Path")
  // and the direction it sorted (0 none, 1 ascending, -1 descending).
  std::int32_t sortColumn = 0;
  std::int32_t sortDirection = 0;
  // Item data of the project list's entries: the current project's entry
  // shows the open folder, every other the closed one. Loaded when the page
  // is made, released when it goes.
  BitmapHandle closedFolder;
  BitmapHandle openFolder;
  // The name dialog's text and whether it names a new project.
  std::array<char, kProjectNameSize> projectNameBuffer{};
  bool isNewProject = false;
};

ProjectsPageState& PageState();
