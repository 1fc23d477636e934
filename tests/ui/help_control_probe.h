// What the test help control records of each call of its HtmlHelpA.
#pragma once

#include <windows.h>

inline constexpr int kHelpProbeCallLimit = 16;

struct HelpProbeCall {
  HWND owner;
  char path[1024];
  UINT command;
  DWORD_PTR data;
};

// Exported by the probe: the calls so far and their number.
using HelpProbeCallsProc = int (*)(const HelpProbeCall** recorded);
