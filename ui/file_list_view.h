// The file list of the projects page (a report list view): row i shows file
// i of the current project, its name in the first column and its folder in
// the second, the active file with the checked icon, a file cut to the
// clipboard with the cut look. Commands map rows to files by position.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

// The image list (file, active file, up, down) and the two columns; false
// when either is missing.
bool SetupFileList(HWND fileList);

// Shows the files of the project selected in the project list; nothing when
// none is selected.
void FillFileList(HWND fileList, HWND projectList);

// Appends the row of one file, from its stored path.
bool InsertFileRow(HWND fileList, std::string_view hostPath, bool cutLook, bool active);

// The selected rows, ascending.
std::vector<int> GetSelectedRows(HWND fileList);

// Adds the row to the selection.
void SelectRow(HWND fileList, int row);

// Selects the last n rows as well (those just appended) and scrolls to the end.
void SelectLastRows(HWND fileList, int n);

// Gives each row the cut look exactly when its file is marked in the project
// the clipboard cuts from; the selection stays.
void UpdateCutLook(HWND fileList, HWND projectList);
