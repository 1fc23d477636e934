// Start-up restore: reopening the documents of the default project.
#pragma once

#include <string_view>

// Reads the default project of the project file (ReadStartupProject), opens
// each listed document in key order with its view state, then brings the
// entry at "ActiveArticleIndex" to the front when it opened
// (ActivateOpenedEntry: entries that did not open before it are not counted).
// Shows nothing; host errors propagate as HostError.
void RestoreOpenFiles();

// Opens one entry of the project file: the path text, "?", and the view-state
// string (possibly empty). An entry without "?" is taken as a path with no
// state. Gives true when the document opened.
bool OpenEntry(std::string_view entry);
