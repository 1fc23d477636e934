// Keeping "CURRENT OPENED FILES" current while the user works, so that a
// reader that crashes or is killed restores what was open. The host's
// notifications are only noted here (no host call, nothing written); the
// host's idle procedure saves when docstate/autosave_policy.h says a save is
// due. A save records the default project as the quit's capture would at
// that moment, but brings nothing to the front and changes no view: each
// document's state is read from its own page view. The other projects are
// read from the file and everything is written as any save writes it.
#pragma once

#include <optional>
#include <vector>

#include "docstate/autosave_policy.h"
#include "host/host_interface.h"
#include "projects/project_file.h"

class Autosave {
 public:
  // The host's notifications.
  void DocumentOpened(AVDoc doc);  // none for a file the host refused
  void DocumentClosing(AVDoc doc);
  void ViewChanged();

  // Nothing is saved while a hold lasts (see AutosavePolicy).
  void Hold(AutosaveHold hold) { policy_.Hold(hold); }
  void Release(AutosaveHold hold);
  void QuitRequested() { policy_.QuitRequested(); }

  // The host's idle procedure: notes a change of the front document, then
  // saves when a save is due. Host errors are handled here: such a save
  // counts as failed. The outcome of the file's save when one was tried.
  std::optional<SaveOutcome> OnIdle();

 private:
  AutosavePolicy policy_;
  // Documents about to close: left out of a save that runs while their
  // close is under way, compared by handle only.
  std::vector<AVDoc> closing_;
  AVDoc front_ = nullptr;
  bool frontKnown_ = false;  // after the restore the front is taken as it is
};

// A hold for as long as the object lives.
class ScopedAutosaveHold {
 public:
  ScopedAutosaveHold(Autosave& autosave, AutosaveHold hold) : autosave_(autosave), hold_(hold) {
    autosave_.Hold(hold_);
  }
  ~ScopedAutosaveHold() { autosave_.Release(hold_); }
  ScopedAutosaveHold(const ScopedAutosaveHold&) = delete;
  ScopedAutosaveHold& operator=(const ScopedAutosaveHold&) = delete;

 private:
  Autosave& autosave_;
  AutosaveHold hold_;
};
