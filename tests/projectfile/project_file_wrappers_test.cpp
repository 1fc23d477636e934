// The two calls the plug-in makes: the one store and Vellora.ini in the
// system directory of the prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include "projects/project_file.h"
#include "projects/project_file_path.h"
#include "projects/project_limits.h"
#include "plugin/the_project_store.h"
#include "projects/whole_file.h"

TEST(ProjectFileWrappers, SaveAndLoadTheOneStoreInTheSystemDirectory) {
  const std::string path = ProjectFilePath();
  const auto before = ReadWholeFile(path);
  ProjectStore& store = TheProjectStore();
  store.ClearAll();
  store.AddProject(kDefaultProjectName);
  store.AddProject("Wrapper test");
  store.AddFile("/D/w.pdf", "PAGE=3", 1);
  SaveProjects(store);

  store.ClearAll();
  store.AddProject(kDefaultProjectName);
  LoadProjects(store);
  ASSERT_EQ(store.ProjectCount(), 2);
  EXPECT_EQ(store.Name(1), "Wrapper test");
  ASSERT_EQ(store.Files(1).Count(), 1);
  EXPECT_EQ(store.Files(1).Entry(0).path, "/D/w.pdf");
  EXPECT_EQ(store.Files(1).Entry(0).state, "PAGE=3");

  store.ClearAll();
  if (before) {
    ReplaceWholeFile(path, *before);
  } else {
    DeleteFileA(path.c_str());
  }
}
