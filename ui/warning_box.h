// The page's warnings and refusals: a message box titled "Warning" over the
// window that asked. Gives the button pressed.
#pragma once

#include <windows.h>

#include <array>
#include <cstdio>

inline int ShowWarning(HWND owner, const char* text, UINT style) {
  return MessageBoxA(owner, text, "Warning", style);
}

// A warning that counts the files a command left out: `format` holds one %d.
inline int ShowLeftOutWarning(HWND owner, const char* format, int leftOut) {
  std::array<char, 256> text{};
  std::snprintf(text.data(), text.size(), format, leftOut);
  return ShowWarning(owner, text.data(), MB_ICONHAND);
}
