// Where the test finds the built plug-in DLL (a Linux path from the build,
// reached through Wine's Z: drive).
#pragma once

#include <string>

#include "standin/wine_path.h"

inline std::string PlugInDllPath() { return standin::WinePathFromLinux(VELLORA_DLL_PATH); }
