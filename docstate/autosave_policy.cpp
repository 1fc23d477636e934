#include "docstate/autosave_policy.h"

void AutosavePolicy::Changed() {
  // The next change after a failed save brings the save due at once.
  if (failed_) openSetChanged_ = true;
  failed_ = false;
}

void AutosavePolicy::DocumentOpened(Milliseconds now) {
  if (restoring_ == 0) quitting_ = false;
  DocumentClosed(now);
}

void AutosavePolicy::DocumentClosed(Milliseconds) {
  if (!Noting()) return;
  Changed();
  openSetChanged_ = true;
}

void AutosavePolicy::ViewChanged(Milliseconds now) {
  if (!Noting()) return;
  Changed();
  lastViewChange_ = now;
}

void AutosavePolicy::Hold(AutosaveHold hold) { ++(hold == AutosaveHold::kRestore ? restoring_ : windows_); }

void AutosavePolicy::Release(AutosaveHold hold) {
  int& count = hold == AutosaveHold::kRestore ? restoring_ : windows_;
  if (count > 0) --count;
}

void AutosavePolicy::QuitRequested() {
  quitting_ = true;
  openSetChanged_ = false;
  lastViewChange_.reset();
}

bool AutosavePolicy::SaveDue(Milliseconds now) const {
  if (!Noting() || windows_ > 0) return false;
  if (lastWrite_ && now - *lastWrite_ < kAutosaveSpacing) return false;
  return openSetChanged_ || (lastViewChange_ && now - *lastViewChange_ >= kAutosaveStillness);
}

void AutosavePolicy::SaveDone(Milliseconds now, AutosaveResult result) {
  openSetChanged_ = false;
  lastViewChange_.reset();
  if (result != AutosaveResult::kNotWritten) lastWrite_ = now;
  failed_ = result != AutosaveResult::kSaved;
}
