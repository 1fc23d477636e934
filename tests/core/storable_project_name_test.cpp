#include "projects/storable_project_name.h"

#include <gtest/gtest.h>

#include <string>

#include "projects/project_store.h"

TEST(StorableProjectName, OnlyNamesThatReadBackTheSameAndTheNameEachComesBackWith) {
  constexpr char kNone[] = "(none)";
  const struct {
    std::string name;
    bool storable;
    std::string asRead;
  } cases[] = {
      {"CURRENT OPENED FILES", true, "CURRENT OPENED FILES"},
      {"12/4/2026 Project1", true, "12/4/2026 Project1"},
      {"a=b?c", true, "a=b?c"},
      {"\"open", true, "\"open"},
      {"it's 'mine'", true, "it's 'mine'"},
      {"[bracket", true, "[bracket"},
      {"\xC9t\xE9", true, "\xC9t\xE9"},
      {std::string(255, 'n'), true, std::string(255, 'n')},
      {"", false, kNone},
      {std::string(256, 'n'), false, kNone},
      {"a]b", false, kNone},
      {"PROJECT_NAME", false, kNone},
      {"project_Name", false, kNone},
      {" lead", false, "lead"},
      {"trail\t", false, "trail"},
      {"line\r\nbreak", false, kNone},
      {"end\r\n", false, kNone},
      {"\"quoted\"", false, "quoted"},
      {"'single'", false, "single"},
      {" 'padded' ", false, "padded"},
      {"\"\"", false, kNone},
      {" \t ", false, kNone},
      {"PROJECT_NAME  ", false, kNone},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    EXPECT_EQ(IsStorableProjectName(c.name), c.storable) << "row " << i;
    EXPECT_EQ(ProjectNameAsRead(c.name).value_or(kNone), c.asRead) << "row " << i;
  }

  ProjectStore store;
  for (const char* name : {"CURRENT OPENED FILES", "abc   ", "'Quoted'", "a]b"}) store.AddProject(name);
  const std::pair<std::string, int> found[] = {{"ABC", 1}, {"\"abc\"", 1}, {" quoted", 2}, {"A]B", 3}, {"ab", -1}};
  for (const auto& [name, project] : found) EXPECT_EQ(FindProjectAsRead(store, name), project) << name;
}
