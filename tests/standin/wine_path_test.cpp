#include "standin/wine_path.h"

#include <gtest/gtest.h>

namespace {

TEST(WinePath, LinuxPathsGoThroughDriveZ) {
  const struct {
    const char* given;
    const char* expected;
  } cases[] = {{"/work/build/Vellora.api", "Z:\\work\\build\\Vellora.api"},
               {"/", "Z:\\"},
               {"C:\\Docs\\a.pdf", "C:\\Docs\\a.pdf"},
               {"relative/a.pdf", "relative/a.pdf"},
               {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(standin::WinePathFromLinux(c.given), c.expected) << c.given;
}

}  // namespace
