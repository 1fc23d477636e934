// A picture of a window as it is on the screen, written as a PNG file for
// people to look at. It takes what the screen shows over the window's
// rectangle, windows in front of it included (a dialog the window owns
// comes out over it), since Wine's PrintWindow draws only the background.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

// False, with `problem` saying why, when no picture was written.
bool SaveScreenshot(HWND window, const std::string& pngPath, std::string& problem);

}  // namespace standin
