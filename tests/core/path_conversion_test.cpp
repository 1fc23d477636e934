#include "ui/path_conversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

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

// The Open dialog's buffer: one full path, or the folder and the names.
TEST(PathConversion, FilesChosenInTheOpenDialog) {
  using std::string_literals::operator""s;
  using Paths = std::vector<std::string>;
  const struct {
    std::string buffer;
    std::size_t nameOffset;
    std::optional<std::vector<std::string>> paths;
  } rows[] = {
      {"D:\\dir\\a.pdf\0"s, 7, Paths{"/D/dir/a.pdf"}},
      {"D:\\dir\0a.pdf\0B.pdf\0\0"s, 7, Paths{"/D/dir/a.pdf", "/D/dir/B.pdf"}},
      {"D:\\\0a.pdf\0b.pdf\0\0"s, 4, Paths{"/D/a.pdf", "/D/b.pdf"}},
      {"\\\\server\\share\\dir\0a.pdf\0b.pdf\0\0"s, 19, Paths{"/server/share/dir/a.pdf", "/server/share/dir/b.pdf"}},
      {"\\\\server\\share\\a.pdf\0"s, 15, Paths{"/server/share/a.pdf"}},
      // Cut short by the buffer's end: inside a name, before the closing
      // empty name, inside the only path.
      {"D:\\dir\0a.pdf\0b.p"s, 7, std::nullopt},
      {"D:\\dir\0a.pdf\0"s, 7, std::nullopt},
      {"D:\\dir\\a.p"s, 7, std::nullopt},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    EXPECT_EQ(ChosenHostPaths(rows[i].buffer, rows[i].nameOffset), rows[i].paths) << "row " << i;
}
