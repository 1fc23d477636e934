// Where the project file lives: Vellora.ini in the Windows system directory.
#pragma once

#include <string>

inline constexpr char kProjectFileName[] = "Vellora.ini";

// The full path of the project file, or an empty text when the system
// directory cannot be had (the call fails or needs more than its buffer).
std::string ProjectFilePath();
