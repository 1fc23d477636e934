// The one word to the user when a save of the project file failed: a message
// box over the window that saved (the sheet at OK, the host's main window at
// quit) with each path tried and the system's reason. The caller goes on
// afterwards; what is in memory is unchanged.
#pragma once

#include <windows.h>

#include "projects/project_file.h"

inline constexpr char kSaveFailureTitle[] = "Vellora: nothing saved";

// Shows the box when nothing was saved, and waits for OK; nothing otherwise.
void ShowSaveFailure(HWND owner, const SaveOutcome& outcome);
