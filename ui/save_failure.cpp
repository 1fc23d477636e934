#include "ui/save_failure.h"

#include <string>

namespace {

std::string SaveFailureText(const SaveOutcome& outcome, SaveMoment moment) {
  const char* const after =
      moment == SaveMoment::kQuit ? "The documents open now will not be reopened at the next start."
      : moment == SaveMoment::kAutosave
          ? "Vellora tries again at the next change to your documents and will not tell you again until Acrobat is "
            "started again. As long as nothing can be saved, the next start may not reopen the documents open now."
          : "Your changes are kept in memory only, until the Quendle window is opened again or Acrobat quits.";
  return "Your projects and the list of open documents could not be saved. Nothing was written.\n\n" + outcome.problem +
         "\n\n" + after;
}

}  // namespace

void ShowSaveFailure(HWND owner, const SaveOutcome& outcome, SaveMoment moment) {
  if (outcome.saved) return;
  MessageBoxA(owner, SaveFailureText(outcome, moment).c_str(), kSaveFailureTitle, MB_ICONERROR | MB_OK);
}
