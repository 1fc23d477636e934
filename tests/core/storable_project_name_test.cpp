#include "projects/storable_project_name.h"

#include <gtest/gtest.h>

#include <string>

TEST(StorableProjectName, OnlyNamesThatReadBackTheSame) {
  const struct {
    std::string name;
    bool storable;
  } cases[] = {
      {"CURRENT OPENED FILES", true},
      {"12/4/2026 Project1", true},
      {"a=b?c", true},
      {"\"open", true},
      {"it's 'mine'", true},
      {"[bracket", true},
      {"\xC9t\xE9", true},
      {std::string(255, 'n'), true},
      {"", false},
      {std::string(256, 'n'), false},
      {"a]b", false},
      {"PROJECT_NAME", false},
      {"project_Name", false},
      {" lead", false},
      {"trail\t", false},
      {"line\r\nbreak", false},
      {"\"quoted\"", false},
      {"'single'", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsStorableProjectName(c.name), c.storable) << c.name;
}
