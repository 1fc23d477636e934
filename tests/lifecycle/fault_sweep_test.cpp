// Host errors at every operation the start-up and quit paths and the save
// while the user works call, at each of its first few calls. Whatever
// fails, the host sees no C++ exception and a balanced frame stack, every
// path text is given back, the project file is the old one or a complete new
// one, and a later quit (or change) still captures and saves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "standin/interface/di_path.h"
#include "tests/support/checks.h"

namespace {

using namespace support;

constexpr char kDefaultSection[] = "CURRENT OPENED FILES";

constexpr ASErrorCode kInjected = 0x4000DEAD;
constexpr int kCallsSwept = 3;

// Giving something back to the host happens while unwinding as well; a host
// that refuses it cannot be answered, so the plug-in drops that error and
// goes on.
bool IsRelease(const std::string& operation) {
  return operation == "ASfree" || operation == "ASCallbackDestroy" || operation == "AVMenuRelease" ||
         operation == "AVMenuItemRelease" || operation == "AVPageViewEndOperation" ||
         operation == "ASFileSysReleasePath";
}

using standin::HostStory;
using standin::LogEntry;

// The file of the last run: two documents and one project of the user's.
const char kOldFile[] =
    "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n0=CURRENT OPENED FILES\r\n1=Manuals\r\n"
    "[CURRENT OPENED FILES]\r\nActiveArticleIndex=1\r\nOpenNum=2\r\n0=%A%?PAGE=3&ZOOM_TYPE-VALUE=0:98304.000000\r\n"
    "1=%B%?PAGE=1&TOPSPOT_LEFT-TOP=5:6\r\n"
    "[Manuals]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/D/Manuals/Setup.pdf?\r\n";

class FaultSweep : public ::testing::Test {
 protected:
  void SetUp() override {
    a_ = pdfs_.Pdf("sweep-a.pdf", 6);
    b_ = pdfs_.Pdf("sweep-b.pdf", 4);
    oldFile_ = kOldFile;
    Replace(oldFile_, "%A%", standin::DIPathFromWindowsPath(a_));
    Replace(oldFile_, "%B%", standin::DIPathFromWindowsPath(b_));
  }

  static void Replace(std::string& text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
  }

  // Starts a reader on the old file, started or not yet.
  void Start(HostStory& story, bool started) {
    WriteFile(ProjectFile(), oldFile_);
    standin::StartOptions options;
    options.announceStarted = started;
    ASSERT_EQ(story.Start(PlugInDllPath(), options).initialized, true);
  }

  // Runs `path` once without a fault to list the host operations it calls
  // (the frame operations aside), then again with each of them raising at
  // each of its first calls; `check` is given each of those runs, the
  // path's answer and the release the host refused, if it was one.
  template <typename Path, typename Check>
  void Sweep(bool started, Path path, Check check) {
    std::map<std::string, int> swept;
    {
      HostStory story;
      Start(story, started);
      const std::size_t mark = story.Log().Entries().size();
      ASSERT_TRUE(path(story)) << "without a fault the path succeeds";
      const auto& entries = story.Log().Entries();
      for (std::size_t i = mark; i < entries.size(); ++i) {
        if (entries[i].kind == LogEntry::Kind::kHostOperation && !standin::IsFrameOperation(entries[i].name)) {
          ++swept[entries[i].name];
        }
      }
    }
    ASSERT_GE(swept.size(), 10u) << "the path calls many host operations";
    for (const auto& [operation, calls] : swept) {
      for (int n = 1; n <= std::min(calls, kCallsSwept); ++n) {
        SCOPED_TRACE(operation + " call " + std::to_string(n));
        HostStory story;
        Start(story, started);
        story.Faults().RaiseOnCall(operation, n, kInjected);
        const std::string refused = IsRelease(operation) ? operation : "";
        const bool answer = path(story);
        if (!errorsReachHost_) {
          // The enumeration's callback raises it to the host inside the enumeration.
          EXPECT_NE(story.LastFailedCall().value_or(standin::FailedCall{}).call, "IdleProc") << "handled";
        } else if (refused.empty()) {
          ASSERT_TRUE(story.LastFailedCall().has_value()) << "the error reaches the host";
          EXPECT_EQ(story.LastFailedCall()->code, kInjected);
        }
        ExpectHostClean(story, refused);
        check(story, answer, refused);
        ExpectHostClean(story, refused);
      }
    }
  }

  TempFolder pdfs_;
  std::string a_, b_, oldFile_;
  bool errorsReachHost_ = true;
};

TEST_F(FaultSweep, StartUpRestore) {
  const auto restore = [](HostStory& story) {
    story.Host().AnnounceStarted();
    return story.OpenDocuments().size() == 2;
  };
  Sweep(false, restore, [&](HostStory& story, bool, const std::string&) {
    EXPECT_EQ(ReadFile(ProjectFile()), oldFile_) << "start-up never writes the file";
    EXPECT_TRUE(story.AskToQuit()) << "a later quit still works";
    EXPECT_EQ(Profile(kDefaultSection, "OpenNum"), std::to_string(story.OpenDocuments().size()));
    EXPECT_EQ(Profile("Manuals", "0"), "/D/Manuals/Setup.pdf?");
  });
}

TEST_F(FaultSweep, QuitCapture) {
  std::string newFile;
  const auto quit = [&](HostStory& story) {
    const bool mayQuit = story.AskToQuit();
    if (newFile.empty()) newFile = ReadFile(ProjectFile());  // the run without a fault
    return mayQuit;
  };
  Sweep(true, quit, [&](HostStory& story, bool mayQuit, const std::string& refused) {
    EXPECT_EQ(mayQuit, !refused.empty()) << "a raise counts as no";
    const std::string afterFault = ReadFile(ProjectFile());
    EXPECT_TRUE(afterFault == oldFile_ || afterFault == newFile) << "never half a file";
    // A capture cut short has brought some documents to the front on its
    // way; the next one records whichever is in front now.
    const int front = FrontPosition(story);
    EXPECT_TRUE(story.AskToQuit()) << "the next quit request captures and saves";
    if (afterFault == newFile) {
      EXPECT_EQ(ReadFile(ProjectFile()), newFile) << "saved at the first request, not again";
      return;
    }
    ExpectProfile({{kDefaultSection, "OpenNum", "2"},
                   {kDefaultSection, "ActiveArticleIndex", std::to_string(front)},
                   {"Manuals", "0", "/D/Manuals/Setup.pdf?"}});
    EXPECT_EQ(Profile(kDefaultSection, "0").rfind(standin::DIPathFromWindowsPath(a_) + "?ALLSTATE=", 0), 0u);
    EXPECT_EQ(Profile(kDefaultSection, "1").rfind(standin::DIPathFromWindowsPath(b_) + "?ALLSTATE=", 0), 0u);
  });
  ASSERT_NE(newFile, oldFile_);
}

// The idle procedure once a document closed (twice: the file is read, then
// saved), the host's clock an hour on each time; the notifications call no
// host operation.
TEST_F(FaultSweep, SaveWhileTheUserWorks) {
  errorsReachHost_ = false;
  const auto runIdle = [](HostStory& story) {
    for (int i = 0; i < 2; ++i) {
      const ULONGLONG later = story.Host().Idle().Now() + 3600000;
      story.Host().Idle().SetClock([later] { return later; });
      story.RunIdleProcs();
    }
  };
  std::string newFile;
  const auto closeOne = [&](HostStory& story) {
    story.Close(story.OpenDocuments()[1]);
    runIdle(story);
    if (newFile.empty()) newFile = ReadFile(ProjectFile());  // the run without a fault
    return ReadFile(ProjectFile()) != oldFile_;
  };
  Sweep(true, closeOne, [&](HostStory& story, bool saved, const std::string&) {
    EXPECT_EQ(ReadFile(ProjectFile()), saved ? newFile : oldFile_) << "never half a file";
    if (saved) return;
    story.OpenFile(b_);
    runIdle(story);
    EXPECT_NE(ReadFile(ProjectFile()), oldFile_) << "saved at the next change";
    ExpectProfile({{kDefaultSection, "OpenNum", "2"}, {"Manuals", "0", "/D/Manuals/Setup.pdf?"}});
  });
  EXPECT_EQ(Profile(kDefaultSection, "0").rfind(standin::DIPathFromWindowsPath(a_), 0), 0u);
}

}  // namespace
