#include "ui/save_failure.h"

#include <string>

void ShowSaveFailure(HWND owner, const SaveOutcome& outcome) {
  if (outcome.saved) return;
  const std::string text =
      "Your projects and the list of open documents could not be saved. Nothing was written.\n\n" + outcome.problem +
      "\n\nYour changes are kept in memory only, until the Quendle window is opened again or Acrobat quits.";
  MessageBoxA(owner, text.c_str(), kSaveFailureTitle, MB_ICONERROR | MB_OK);
}
