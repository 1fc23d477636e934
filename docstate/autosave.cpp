#include "docstate/autosave.h"

#include <windows.h>

#include <algorithm>

#include "docstate/capture.h"
#include "host/host_operations.h"
#include "host/protected_call.h"
#include "projects/project_store.h"

namespace {

// The system's steady clock, not the host's: the host has none to offer.
Milliseconds Now() { return GetTickCount64(); }

}  // namespace

void Autosave::DocumentOpened(AVDoc doc) {
  if (doc == nullptr) return;
  // A new document may have the handle of one that closed.
  closing_.erase(std::remove(closing_.begin(), closing_.end(), doc), closing_.end());
  policy_.DocumentOpened(Now());
}

void Autosave::DocumentClosing(AVDoc doc) {
  if (std::find(closing_.begin(), closing_.end(), doc) == closing_.end()) closing_.push_back(doc);
  policy_.DocumentClosed(Now());
}

void Autosave::ViewChanged() { policy_.ViewChanged(Now()); }

void Autosave::Release(AutosaveHold hold) {
  policy_.Release(hold);
  if (hold == AutosaveHold::kRestore) frontKnown_ = false;
}

std::optional<SaveOutcome> Autosave::OnIdle() {
  const Milliseconds now = Now();
  std::optional<SaveOutcome> outcome;
  const ProtectedResult result = ProtectedCall([&] {
    // The host tells of no change of the front document: it is looked at.
    const AVDoc front = host::AVAppGetActiveDoc();
    if (frontKnown_ && front != front_) policy_.ViewChanged(now);
    front_ = front;
    frontKnown_ = true;
    if (!policy_.SaveDue(now)) return;
    ProjectStore store;
    CaptureOpenDocuments(store, CaptureActivation::kNone, &closing_);
    LoadProjects(store);
    outcome = SaveProjects(store);
  });
  if (outcome) {
    policy_.SaveDone(now, outcome->saved ? AutosaveResult::kSaved : AutosaveResult::kWriteFailed);
  } else if (result.failed && policy_.SaveDue(now)) {
    policy_.SaveDone(now, AutosaveResult::kNotWritten);
  }
  return outcome;
}
