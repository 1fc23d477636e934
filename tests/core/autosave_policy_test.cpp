#include "docstate/autosave_policy.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// A row is the user's story: steps "<milliseconds><what>", where what is
// o / c / v  a document opened / closed / a view changed
// q          a quit request
// R r / W w  the restore / the window begins / ends
// S F A -    an idle that saves / whose write fails / that a host error
//            stops before the write / that does not save
void Story(const char* row, std::size_t number) {
  AutosavePolicy policy;
  std::istringstream steps(row);
  Milliseconds at = 0;
  char what = 0;
  while (steps >> at >> what) {
    const std::string step = "row " + std::to_string(number) + " at " + std::to_string(at) + what;
    switch (what) {
      case 'o':
        policy.DocumentOpened(at);
        break;
      case 'c':
        policy.DocumentClosed(at);
        break;
      case 'v':
        policy.ViewChanged(at);
        break;
      case 'q':
        policy.QuitRequested();
        break;
      case 'R':
        policy.Hold(AutosaveHold::kRestore);
        break;
      case 'r':
        policy.Release(AutosaveHold::kRestore);
        break;
      case 'W':
        policy.Hold(AutosaveHold::kWindow);
        break;
      case 'w':
        policy.Release(AutosaveHold::kWindow);
        break;
      default:
        ASSERT_EQ(policy.SaveDue(at), what != '-') << step;
        if (what == '-') break;
        policy.SaveDone(at, what == 'S'   ? AutosaveResult::kSaved
                            : what == 'F' ? AutosaveResult::kWriteFailed
                                          : AutosaveResult::kNotWritten);
    }
  }
}

TEST(AutosavePolicy, WhenTheIdleSaves) {
  const char* const rows[] = {
      /* 0 */ "0- 9000-",                             // nothing happened
      /* 1 */ "10o 10S 20000-",                       // an open at once, then nothing more
      /* 2 */ "10c 10S",                              // a close at once
      /* 3 */ "0v 1999- 2000S",                       // a view after 2 s of stillness
      /* 4 */ "0v 1500v 3000v 4999- 5000S",           // each change restarts the wait
      /* 5 */ "0o 0S 1000o 4999- 5000S",              // saves 5 s apart
      /* 6 */ "0o 0S 100v 2100- 4999- 5000S",         // a view too
      /* 7 */ "0o 0F 7000- 8000v 8000S",              // a failed write waits for a change, then saves at once
      /* 8 */ "0o 0F 1000v 4999- 5000S",              // 5 s after the failed write
      /* 9 */ "0o 0A 100- 100c 100S",                 // no write tried: no wait
      /* 10 */ "0R 0o 0v 0c 0- 0r 9000-",             // the restore's own changes are none
      /* 11 */ "0o 0R 0- 0r 0S",                      // one before it is saved after it
      /* 12 */ "0W 0o 0v 100- 100w 100S",             // the window's wait for it to close
      /* 13 */ "0W 0v 9000- 9000w 9000S",             // however long ago
      /* 14 */ "0o 0q 0- 0c 100v 9000- 9000o 9000S",  // from a quit request until an open
      /* 15 */ "0v 1000q 9000-",                      // what was due before it is given up
      /* 16 */ "0q 0R 0o 0r 0- 9000-",                // the restore's open does not end it
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) Story(rows[i], i);
}

}  // namespace
