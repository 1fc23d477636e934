// The system's own words for an error code.
#pragma once

#include <windows.h>

#include <string>

// FormatMessageA's text for the code (in English where the system has it,
// else in its own language), as it gives it, line break included; "System
// error <code>" when it has none.
std::string SystemErrorText(DWORD code);
