// When the remembered documents ("CURRENT OPENED FILES") are saved while the
// user works: the timing alone, with the times handed in as milliseconds of
// one steady clock. Pure: no host and no file here (docstate/autosave.h does
// the saving).
//
// - A document opened or closed: a save is due at once.
// - A view changed (or another document came to the front): a save is due
//   once no further change came for kStillness; each change restarts that.
// - Saves that write start at least kSpacing apart.
// - A save that failed is tried again only at the next idle after the next
//   change.
// - Saving stands still while the start-up restore runs (its opens and view
//   changes are not the user's: the file already holds that set), while the
//   manager window is open (its changes wait and are saved after it), and
//   from a quit request on until a document opens again (the documents the
//   quit closes must not empty the set; an open means the quit did not
//   happen).
#pragma once

#include <cstdint>
#include <optional>

using Milliseconds = std::uint64_t;

inline constexpr Milliseconds kAutosaveStillness = 2000;
inline constexpr Milliseconds kAutosaveSpacing = 5000;

// What became of a save the policy found due.
enum class AutosaveResult {
  kSaved,
  kWriteFailed,  // the file was tried and not written
  kNotWritten,   // it stopped before the file was tried (a host error)
};

// A stretch during which nothing is saved.
enum class AutosaveHold {
  kRestore,  // what happens in it is not a change
  kWindow,   // what happens in it is saved after it
};

class AutosavePolicy {
 public:
  // What the user did.
  void DocumentOpened(Milliseconds now);
  void DocumentClosed(Milliseconds now);
  void ViewChanged(Milliseconds now);

  void Hold(AutosaveHold hold);
  void Release(AutosaveHold hold);
  // The reader is asked to quit: nothing is noted or saved until a document
  // opens.
  void QuitRequested();

  // Whether the idle that runs now saves.
  bool SaveDue(Milliseconds now) const;
  // The due save, made at `now`: what it had to record is recorded (or
  // given up until the next change).
  void SaveDone(Milliseconds now, AutosaveResult result);

 private:
  bool Noting() const { return restoring_ == 0 && !quitting_; }
  void Changed();

  int restoring_ = 0;
  int windows_ = 0;
  bool quitting_ = false;
  bool openSetChanged_ = false;  // a save due at once
  bool failed_ = false;
  std::optional<Milliseconds> lastViewChange_;
  std::optional<Milliseconds> lastWrite_;
};
