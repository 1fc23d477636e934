// The small dialog in which the user names a new project or gives a project
// another name. It reads and writes the page's name buffer and is told by
// the page state whether it serves a new project. It refuses an empty name and
// a name the project file cannot bring back; whether a project already has
// the name is for the caller to find out.
#pragma once

#include <windows.h>

#include <span>

// Runs the dialog modally over the page with the name buffer's text. IDOK
// with the accepted name in the buffer (leading spaces removed), IDCANCEL
// when cancelled (the buffer keeps its text).
INT_PTR RunProjectNameDialog(HWND page);

INT_PTR CALLBACK ProjectNameDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Removes the spaces (code 32 only) at the start of the zero-terminated text
// in place; true when nothing is left.
bool TrimLeadingSpaces(std::span<char> text);
