// The commands of the file list: Add PDF Files (through the Open dialog),
// Delete PDFs, Cut and Copy. Paste is the project list's (one operation for
// files and projects). Each takes the page and its two lists and works on
// the selected project; without one it does nothing.
#pragma once

#include <windows.h>

// Adds the PDF files the user chooses, with no view state; files already in
// the project are skipped. The new rows are selected. What does not fit the
// project (256 files) is left out and the user told how many; so is a choice
// too long for the dialog's buffer, which adds nothing.
void OnAddFiles(HWND page, HWND fileList, HWND projectList);

// Removes the files of the selected rows, without asking.
void OnDeleteFiles(HWND page, HWND fileList, HWND projectList);

// Marks the files of the selected rows for the next paste, to be moved
// (with the cut look; refused on the default project) or copied. The marks
// of the project's other files are cleared.
void OnCutFiles(HWND page, HWND fileList, HWND projectList);
void OnCopyFiles(HWND page, HWND fileList, HWND projectList);
