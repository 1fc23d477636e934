#include "projects/whole_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/projectfile/scratch_file.h"

namespace {

std::string Big(char fill) { return std::string(3 * (1 << 20) + 17, fill); }

class WholeFileTest : public ::testing::Test {
 protected:
  ~WholeFileTest() override {
    SetWholeFileWriteHook(nullptr);
    DeleteFileA(temporary_.c_str());
  }
  ScratchFile file_;
  const std::string temporary_ = file_.path() + ".tmp";
};

}  // namespace

TEST_F(WholeFileTest, ReadsAndReplacesTheWholeContent) {
  EXPECT_FALSE(ReadWholeFile(file_.path() + ".absent"));
  file_.Write("old");
  ASSERT_TRUE(ReplaceWholeFile(file_.path(), Big('n')));
  EXPECT_EQ(ReadWholeFile(file_.path()), Big('n'));
  EXPECT_EQ(GetFileAttributesA(temporary_.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(WholeFileTest, AWriteStoppedAtAnyPartLeavesTheOldFile) {
  for (std::size_t stop_after : {std::size_t{1} << 20, std::size_t{2} << 20, std::size_t{3} << 20}) {
    file_.Write("old content");
    SetWholeFileWriteHook([stop_after](std::size_t written) { return written < stop_after; });
    EXPECT_FALSE(ReplaceWholeFile(file_.path(), Big('n')));
    SetWholeFileWriteHook(nullptr);
    EXPECT_EQ(ReadWholeFile(file_.path()), "old content");
    // The leftover of the interrupted write does not get in the way.
    EXPECT_EQ(ReadWholeFile(temporary_)->size(), stop_after);
    ASSERT_TRUE(ReplaceWholeFile(file_.path(), "new"));
    EXPECT_EQ(ReadWholeFile(file_.path()), "new");
  }
}

TEST_F(WholeFileTest, AFileLockedWithoutSharingIsNeitherReadNorReplaced) {
  file_.Write("old");
  HANDLE lock = CreateFileA(file_.path().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ReadWholeFile(file_.path()));
  EXPECT_FALSE(ReplaceWholeFile(file_.path(), "new"));
  CloseHandle(lock);
  EXPECT_EQ(ReadWholeFile(file_.path()), "old");
  EXPECT_EQ(GetFileAttributesA(temporary_.c_str()), INVALID_FILE_ATTRIBUTES);
}
