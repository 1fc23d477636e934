// The commands of the project list: New Project, rename (a double click),
// Delete Project, Cut Project, Copy Project and Paste (of projects and of
// files alike). Each takes the page and its two lists; the store is the
// page's. A command that needs a selected project does nothing without one.
#pragma once

#include <windows.h>

// Proposes "month/day/year ProjectN" (the UTC date, N the number of
// projects) and adds the project the user names. On a full store the user is
// told so and nothing is asked.
void OnNewProject(HWND page, HWND fileList, HWND projectList);

// Gives the selected project the name the user types; never the default
// project.
void OnRenameProject(HWND page, HWND fileList, HWND projectList);

// Removes the selected project (never the default one), asking first when it
// holds files. The project that takes its place, or the new last one,
// becomes current.
void OnDeleteProject(HWND page, HWND fileList, HWND projectList);

// Marks every file of the selected project for the next paste, to be moved
// (cut, shown with the cut look) or copied.
void OnCutProject(HWND page, HWND fileList, HWND projectList);
void OnCopyProject(HWND page, HWND fileList, HWND projectList);

// Moves or copies the marked files of the project they were cut or copied
// from to the end of the selected project; files already there are skipped.
// The pasted rows are selected and shown.
void OnPasteProject(HWND page, HWND fileList, HWND projectList);
