// The page's warnings and refusals: a message box titled "Warning" over the
// window that asked. Gives the button pressed.
#pragma once

#include <windows.h>

inline int ShowWarning(HWND owner, const char* text, UINT style) {
  return MessageBoxA(owner, text, "Warning", style);
}
