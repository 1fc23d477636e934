// Host errors at every operation the start-up and quit paths call, at each
// of its first few calls. Whatever fails, the host sees no C++ exception and
// a balanced frame stack, every path text is given back, the project file is
// the old one or a complete new one, and a later quit still captures and
// saves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "lifecycle/lifecycle_fixture.h"

namespace lifecycle {
namespace {

constexpr ASErrorCode kInjected = 0x4000DEAD;
constexpr int kCallsSwept = 3;

// Giving something back to the host happens while unwinding as well; a host
// that refuses it cannot be answered, so the plug-in drops that error and
// goes on.
bool IsRelease(const std::string& operation) {
  return operation == "ASfree" || operation == "ASCallbackDestroy" || operation == "AVMenuRelease" ||
         operation == "AVMenuItemRelease" || operation == "AVPageViewEndOperation";
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
  void TearDown() override { RemoveProjectFile(); }

  static void Replace(std::string& text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
  }

  // Starts a reader on the old file; the start-up notification is sent by
  // the caller, so that faults can be armed just before it.
  void Load(HostStory& story) {
    WriteBytes(ProjectFile(), oldFile_);
    standin::StartOptions options;
    options.announceStarted = false;
    ASSERT_EQ(story.Start(PlugInDllPath(), options).initialized, true);
  }

  // The host operations (not frame operations) called since log entry `from`,
  // with their number of calls.
  static std::map<std::string, int> OperationsSince(HostStory& story, std::size_t from) {
    std::map<std::string, int> calls;
    const auto& entries = story.Log().Entries();
    for (std::size_t i = from; i < entries.size(); ++i) {
      const LogEntry& entry = entries[i];
      if (entry.kind == LogEntry::Kind::kHostOperation && !standin::IsFrameOperation(entry.name)) ++calls[entry.name];
    }
    return calls;
  }

  PdfFolder pdfs_;
  std::string a_, b_, oldFile_;
};

TEST_F(FaultSweep, StartUpRestore) {
  std::map<std::string, int> swept;
  {
    HostStory story;
    Load(story);
    const std::size_t mark = story.Log().Entries().size();
    story.Host().AnnounceStarted();
    ASSERT_EQ(story.OpenDocuments().size(), 2u) << "the fault-free start restores both";
    swept = OperationsSince(story, mark);
    story.Unload();
  }
  ASSERT_GE(swept.size(), 10u) << "the path calls many host operations";
  for (const auto& [operation, calls] : swept) {
    for (int n = 1; n <= std::min(calls, kCallsSwept); ++n) {
      SCOPED_TRACE(operation + " call " + std::to_string(n));
      HostStory story;
      Load(story);
      story.Faults().RaiseOnCall(operation, n, kInjected);
      story.Host().AnnounceStarted();
      const std::string refused = IsRelease(operation) ? operation : "";
      if (refused.empty()) {
        ASSERT_TRUE(story.LastFailedCall().has_value()) << "the error reaches the host";
        EXPECT_EQ(story.LastFailedCall()->code, kInjected);
      }
      ExpectHostClean(story, refused);
      EXPECT_EQ(ReadBytes(ProjectFile()), oldFile_) << "start-up never writes the file";

      EXPECT_TRUE(story.AskToQuit()) << "a later quit still works";
      EXPECT_EQ(Profile(kDefaultSection, "OpenNum"), std::to_string(story.OpenDocuments().size()));
      EXPECT_EQ(Profile("Manuals", "0"), "/D/Manuals/Setup.pdf?");
      ExpectHostClean(story, refused);
      story.Unload();
    }
  }
}

TEST_F(FaultSweep, QuitCapture) {
  std::map<std::string, int> swept;
  std::string newFile;
  {
    HostStory story;
    Load(story);
    story.Host().AnnounceStarted();
    const std::size_t mark = story.Log().Entries().size();
    ASSERT_TRUE(story.AskToQuit());
    swept = OperationsSince(story, mark);
    newFile = ReadBytes(ProjectFile());
    story.Unload();
  }
  ASSERT_NE(newFile, oldFile_);
  ASSERT_GE(swept.size(), 10u) << "the path calls many host operations";
  for (const auto& [operation, calls] : swept) {
    for (int n = 1; n <= std::min(calls, kCallsSwept); ++n) {
      SCOPED_TRACE(operation + " call " + std::to_string(n));
      HostStory story;
      Load(story);
      story.Host().AnnounceStarted();
      story.Faults().RaiseOnCall(operation, n, kInjected);
      const std::string refused = IsRelease(operation) ? operation : "";
      if (refused.empty()) {
        EXPECT_FALSE(story.AskToQuit()) << "a raise counts as no";
        ASSERT_TRUE(story.LastFailedCall().has_value());
        EXPECT_EQ(story.LastFailedCall()->code, kInjected);
      } else {
        EXPECT_TRUE(story.AskToQuit());
      }
      ExpectHostClean(story, refused);
      const std::string afterFault = ReadBytes(ProjectFile());
      EXPECT_TRUE(afterFault == oldFile_ || afterFault == newFile) << "never half a file";

      // A capture cut short has brought some documents to the front on its
      // way; the next one records whichever is in front now.
      const int front = FrontPosition(story);
      EXPECT_TRUE(story.AskToQuit()) << "the next quit request captures and saves";
      if (afterFault == newFile) {
        EXPECT_EQ(ReadBytes(ProjectFile()), newFile) << "saved at the first request, not again";
      } else {
        EXPECT_EQ(Profile(kDefaultSection, "OpenNum"), "2");
        EXPECT_EQ(Profile(kDefaultSection, "ActiveArticleIndex"), std::to_string(front));
        EXPECT_EQ(Profile(kDefaultSection, "0").rfind(standin::DIPathFromWindowsPath(a_) + "?ALLSTATE=", 0), 0u);
        EXPECT_EQ(Profile(kDefaultSection, "1").rfind(standin::DIPathFromWindowsPath(b_) + "?ALLSTATE=", 0), 0u);
        EXPECT_EQ(Profile("Manuals", "0"), "/D/Manuals/Setup.pdf?");
      }
      ExpectHostClean(story, refused);
      story.Unload();
    }
  }
}

}  // namespace
}  // namespace lifecycle
