// The page's warnings and refusals: a message box titled "Warning" over the
// window that asked. Gives the button pressed.
#pragma once

#include <windows.h>

#include <array>
#include <cstdio>

inline int ShowWarning(HWND owner, const char* text, UINT style) {
  return MessageBoxA(owner, text, "Warning", style);
}

// Room for the longest warning text with its count filled in.
inline constexpr std::size_t kWarningTextSize = 256;

// A warning that counts the files a command left out: `format` holds one %d.
inline int ShowLeftOutWarning(HWND owner, const char* format, int leftOut) {
  std::array<char, kWarningTextSize> text{};
  std::snprintf(text.data(), text.size(), format, leftOut);
  return ShowWarning(owner, text.data(), MB_ICONHAND);
}
