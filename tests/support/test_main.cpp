// The main of every test program that shares the prefix's project file and
// desktop (the SERIAL ones): each test begins, and leaves, with no
// Vellora.ini, since a file left by an interrupted run would be restored when
// the stand-in host starts.
#include <gmock/gmock.h>

#include <memory>

#include "tests/support/test_support.h"

namespace {

class NoProjectFile : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { support::RemoveProjectFile(); }
  void OnTestEnd(const testing::TestInfo&) override { support::RemoveProjectFile(); }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleMock(&argc, argv);
  // Google Test owns its listeners.
  testing::UnitTest::GetInstance()->listeners().Append(std::make_unique<NoProjectFile>().release());
  return RUN_ALL_TESTS();
}
