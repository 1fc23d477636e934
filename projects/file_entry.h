// One PDF file of a project.
#pragma once

#include <string>

struct FileEntry {
  // Path text: "/", the drive letter, then folders and name, each after a "/" (/D/Docs/Manual.pdf).
  std::string path;
  // The document's view-state string; may be empty.
  std::string state;
  // Marked for the clipboard: taken by the next paste from this project.
  bool marked = false;
};
