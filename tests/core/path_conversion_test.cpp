#include "ui/path_conversion.h"

#include <gtest/gtest.h>

#include <string>

// Each row both ways where the conversion is its own inverse.
TEST(PathConversion, DrivePathsNetworkPathsAndShortTexts) {
  const struct {
    std::string host;
    std::string windows;
    bool backAgain;
  } rows[] = {
      {"/D/dir/a.pdf", "D:\\dir\\a.pdf", true},
      {"/D/a.pdf", "D:\\a.pdf", true},
      {"/server/share/dir/a.pdf", "\\\\server\\share\\dir\\a.pdf", true},
      {"/D/", "D:\\", true},
      {"/D", "\\\\D", false},
      {"/", "\\\\", false},
      {"", "\\\\", false},
      // The longest stored value: the network form is one longer, all of it kept.
      {"/" + std::string(1022, 'x'), "\\\\" + std::string(1022, 'x'), true},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(HostPathToWindows(rows[i].host), rows[i].windows) << "row " << i;
    if (rows[i].backAgain) {
      EXPECT_EQ(WindowsPathToHost(rows[i].windows), rows[i].host) << "row " << i << " back";
    }
  }
  EXPECT_EQ(WindowsPathToHost(""), "");
  EXPECT_EQ(WindowsPathToHost("D"), "/D");
  EXPECT_EQ(WindowsPathToHost("D:"), "/D");
}
