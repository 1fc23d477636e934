// Paths given on a Linux command line, as the Windows programs under Wine see
// them: Wine maps the Linux root to drive Z:.
#pragma once

#include <string>

namespace standin {

// "/home/u/a.api" -> "Z:\home\u\a.api". Any other text (already a Windows
// path, or relative) is returned unchanged.
std::string WinePathFromLinux(const std::string& path);

}  // namespace standin
