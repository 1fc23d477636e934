// The "Quendle" page of the manager window: the projects over the files of
// the selected one, with the buttons that edit and open them.
#pragma once

#include <windows.h>

// Every command of the page takes the page and its two lists.
using PageCommand = void (*)(HWND page, HWND fileList, HWND projectList);

INT_PTR CALLBACK ProjectsPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
