// The one word to the user when a save of the project file failed: a message
// box over the window that saved (the sheet at OK, the host's main window at
// quit and while the user works) with each path tried and the system's reason, and what becomes of
// what was not saved. The caller goes on afterwards; what is in memory is
// unchanged.
#pragma once

#include <windows.h>

#include "projects/project_file.h"

inline constexpr char kSaveFailureTitle[] = "Vellora: nothing saved";

// When the save was made: the box's last words depend on it.
enum class SaveMoment {
  kWindowOk,  // OK in the "Quendle" window
  kQuit,      // the reader quits
  kAutosave,  // the open documents, saved while the user works
};

// Shows the box when nothing was saved, and waits for OK; nothing otherwise.
void ShowSaveFailure(HWND owner, const SaveOutcome& outcome, SaveMoment moment);
