// Keeping "CURRENT OPENED FILES" current while the user works, so that a
// reader that crashes or is killed restores what was open. The host's
// notifications are only noted here (no host call, nothing written); the
// host's idle procedure saves when docstate/autosave_policy.h says a save is
// due. A save records the default project as the quit's capture would at
// that moment, but brings nothing to the front and changes no view: each
// document's state is read from its own page view. The other projects are
// read from the file and everything is written as any save writes it; they
// are kept between saves and read again only when the file changed (or
// moved) since the last save read or wrote it, in an idle of its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "docstate/autosave_policy.h"
#include "host/host_interface.h"
#include "projects/project_file.h"
#include "projects/project_store.h"

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
  // saves when a save is due; when the file changed since the last save, it
  // is read now and the save made at the next idle. Host errors are handled
  // here: such a save counts as failed. The outcome of the file's save when
  // one was tried.
  std::optional<SaveOutcome> OnIdle();

 private:
  AutosavePolicy policy_;
  // Documents about to close: left out of a save that runs while their
  // close is under way, compared by handle only.
  std::vector<AVDoc> closing_;
  AVDoc front_ = nullptr;
  bool frontKnown_ = false;  // after the restore the front is taken as it is

  // The file as the last save found or left it: its path, size and time of
  // its last write, and the store of what it holds besides the default
  // project.
  struct FileStamp {
    std::string path;
    std::uint64_t size = 0, written = 0;
    bool operator==(const FileStamp&) const = default;
  };
  static FileStamp StampOf(const std::string& path);
  // True when the file was read now: it changed since the stamp.
  bool ReadTheFileIfChanged(const ProjectFilePlaces& places);
  std::optional<ProjectFilePlaces> places_;  // found once
  std::optional<FileStamp> stamp_;
  ProjectStore store_;
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
