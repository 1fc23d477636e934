// The page's commands that open documents in the host: each file is opened
// with its stored view state. The question boxes are owned by the page.
#pragma once

#include <windows.h>

#include <string_view>

// Closes every open document, the last one first; the host asks about
// unsaved changes as for any close, and a document kept open stays open.
void CloseAllDocuments();

// Opens one file of a project with its view state. A path the host cannot
// use gets the "Wrong path or file name, cannot open" warning; a document
// the host does not open is skipped without one. True when it opened.
bool OpenProjectEntry(HWND page, std::string_view hostPath, std::string_view state);

// Offers to close every open document first, then opens every file of the
// selected project and adds each that opened to the default project; the
// project's active file comes to the front when it opened (at the position
// that counts the files that opened before it). Yes closes the documents and,
// for a project other than the default one, empties the default project; No
// keeps them; Cancel does nothing.
void LoadProject(HWND page, HWND fileList, HWND projectList);

// Opens the files of the selected rows, in row order, and adds each that
// opened to the default project. Nothing is closed or asked.
void OpenSelectedFiles(HWND page, HWND fileList, HWND projectList);

// On OK after the default project changed: offers to close the open
// documents and open the default project's files in their new order.
void ReloadDefaultProject(HWND page, HWND fileList, HWND projectList);
