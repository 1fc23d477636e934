// The demo of the plug-in's first job, as a user lives it: a day's reading
// ends with a quit, and the next start brings every document back.
#pragma once

#include <cstdio>
#include <string>

namespace standin {

// Runs two sessions of the stand-in reader with the plug-in at `dllPath` and
// prints what happened. 0 when every document came back as it was.
int RunCycleDemo(std::FILE* out, const std::string& dllPath);

}  // namespace standin
