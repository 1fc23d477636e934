// The "About" page of the manager window.
#pragma once

#include <windows.h>

INT_PTR CALLBACK AboutPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
