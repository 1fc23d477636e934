// The demo of the plug-in's first job, as a user lives it: a day's reading
// ends with a quit, and the next start brings every document back; then the
// reader is killed at work, and the next start brings back what was open.
#pragma once

#include <cstdio>
#include <string>

namespace standin {

// Runs two sessions of the stand-in reader with the plug-in at `dllPath` and
// prints what happened. 0 when every document came back as it was.
int RunCycleDemo(std::FILE* out, const std::string& dllPath);

// Runs the reader program (this program, --reader) on the documents the
// cycle left, acts as its user, kills it without a quit, starts it again and
// prints its documents before and after. 0 when they are the same.
int RunKillDemo(std::FILE* out, const std::string& dllPath);

}  // namespace standin
