#include "docstate/autosave.h"

#include <windows.h>

#include <algorithm>

#include "docstate/capture.h"
#include "host/host_operations.h"
#include "host/protected_call.h"
#include "projects/project_limits.h"

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

Autosave::FileStamp Autosave::StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return {path};
  const auto wide = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
  return {path, wide(data.nFileSizeHigh, data.nFileSizeLow),
          wide(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

bool Autosave::ReadTheFileIfChanged(const ProjectFilePlaces& places) {
  FileStamp now = StampOf(FileToRead(places));
  if (stamp_ == now) return false;
  // Stamped before it is read: a change in between is found next time.
  store_.ClearAll();
  store_.AddProject(kDefaultProjectName);
  LoadProjectFile(store_, now.path);
  stamp_ = std::move(now);
  return true;
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
    // The file found changed is read in this idle, and saved in the next:
    // neither keeps the user waiting long.
    if (!places_) places_ = FindProjectFilePlaces();
    if (ReadTheFileIfChanged(*places_)) return;
    ProjectStore captured;
    CaptureOpenDocuments(captured, CaptureActivation::kNone, &closing_);
    // The default project as the capture made it, the others as the file
    // holds them: what LoadProjects would add to the capture.
    store_.ClearFiles(0);
    const FileList& open = captured.Files(0);
    for (std::int32_t i = 0; i < open.Count(); ++i) store_.AddFile(open.Entry(i).path, open.Entry(i).state, 0);
    store_.SetActiveIndex(kDefaultProjectName, open.ActiveIndex());
    outcome = SaveProjectsTo(store_, *places_);
    stamp_ = outcome->saved ? std::optional(StampOf(FileToRead(*places_))) : std::nullopt;
  });
  if (outcome) {
    policy_.SaveDone(now, outcome->saved ? AutosaveResult::kSaved : AutosaveResult::kWriteFailed);
  } else if (result.failed && policy_.SaveDue(now)) {
    policy_.SaveDone(now, AutosaveResult::kNotWritten);
  }
  return outcome;
}
