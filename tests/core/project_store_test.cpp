#include "projects/project_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "projects/project_limits.h"

namespace {

struct ProjectContents {
  std::string name;
  std::vector<std::string> paths;
  std::int32_t active = -1;
};

ProjectStore MakeStore(const std::vector<ProjectContents>& projects) {
  ProjectStore store;
  for (const ProjectContents& p : projects) {
    const std::int32_t index = store.AddProject(p.name);
    for (const std::string& path : p.paths) store.AddFile(path, "state of " + path, index);
    store.SetActiveIndex(p.name, p.active);
  }
  return store;
}

std::vector<std::string> Names(const ProjectStore& store) {
  std::vector<std::string> names;
  for (std::int32_t i = 0; i < store.ProjectCount(); ++i) names.push_back(store.Name(i));
  return names;
}

std::vector<std::string> Paths(const ProjectStore& store, std::int32_t project) {
  std::vector<std::string> paths;
  const FileList& files = store.Files(project);
  for (std::int32_t i = 0; i < files.Count(); ++i) paths.push_back(files.Entry(i).path);
  return paths;
}

// "x" for a marked file, "." for an unmarked one.
std::string Marks(const ProjectStore& store, std::int32_t project) {
  std::string marks;
  const FileList& files = store.Files(project);
  for (std::int32_t i = 0; i < files.Count(); ++i) marks += files.Entry(i).marked ? 'x' : '.';
  return marks;
}

std::vector<std::string> NumberedPaths(int count, const std::string& prefix) {
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) paths.push_back(prefix + std::to_string(i) + ".pdf");
  return paths;
}

TEST(ProjectStore, NamesIgnoreLetterCase) {
  using Action = std::function<std::int32_t(ProjectStore&)>;
  const struct {
    Action action;
    std::int32_t result;
    std::string namesAfter;
  } cases[] = {
      {[](ProjectStore& s) { return s.FindProject("mAnUaLs"); }, 1, "Default|Manuals"},
      {[](ProjectStore& s) { return s.FindProject("Manual"); }, -1, "Default|Manuals"},
      {[](ProjectStore& s) { return s.AddProject("MANUALS"); }, 1, "Default|Manuals"},
      {[](ProjectStore& s) { return s.AddProject("Sheets"); }, 2, "Default|Manuals|Sheets"},
      {[](ProjectStore& s) { return s.AddProject("MANUALS\xc9"); }, 2, "Default|Manuals|MANUALS\xc9"},
      {[](ProjectStore& s) { return s.RenameProject(1, "manuals"); }, 1, "Default|Manuals"},
      {[](ProjectStore& s) { return s.RenameProject(1, "DEFAULT"); }, 0, "Default|Manuals"},
      {[](ProjectStore& s) { return s.RenameProject(1, "Guides"); }, 1, "Default|Guides"},
      {[](ProjectStore& s) { return s.RenameProject(2, "Guides"); }, -1, "Default|Manuals"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    ProjectStore store = MakeStore({{"Default", {"/D/a.pdf"}}, {"Manuals", {"/D/m.pdf"}}});
    EXPECT_EQ(cases[i].action(store), cases[i].result) << "case " << i;
    std::string names;
    for (std::int32_t p = 0; p < store.ProjectCount(); ++p) names += (p == 0 ? "" : "|") + store.Name(p);
    EXPECT_EQ(names, cases[i].namesAfter) << "case " << i;
    EXPECT_EQ(Paths(store, 1), std::vector<std::string>{"/D/m.pdf"}) << "case " << i << ": files stay with the project";
  }
  EXPECT_EQ(ProjectStore().FindProject(""), -1);
}

TEST(ProjectStore, PathsKeepLetterCase) {
  ProjectStore store = MakeStore({{"P", {"/D/A.pdf"}}});
  EXPECT_TRUE(store.AddFile("/D/a.pdf", "", 0));
  EXPECT_FALSE(store.AddFile("/D/a.pdf", "other", 0));
  EXPECT_EQ(Paths(store, 0), (std::vector<std::string>{"/D/A.pdf", "/D/a.pdf"}));
  EXPECT_EQ(store.Files(0).Entry(1).state, "");
  EXPECT_EQ(store.FindFile(0, "/D/a.pdf"), 1);
  EXPECT_EQ(store.FindFile(0, "/d/a.pdf"), -1);
  EXPECT_FALSE(store.AddFile("/D/b.pdf", "", 1)) << "no such project";
}

TEST(ProjectStore, FullStoreRefusesEvenExistingNames) {
  ProjectStore store;
  for (int i = 0; i < kMaxProjects; ++i) ASSERT_EQ(store.AddProject("P" + std::to_string(i)), i);
  EXPECT_EQ(store.AddProject("P256"), -1);
  EXPECT_EQ(store.AddProject("p7"), -1);
  EXPECT_EQ(store.AppendLoadedProject("P256"), -1);
  store.AddFileToProject("/D/a.pdf", "", "Missing");
  EXPECT_EQ(store.ProjectCount(), kMaxProjects);
  for (int i = 0; i < kMaxProjects; ++i) EXPECT_EQ(store.Files(i).Count(), 0);
  EXPECT_EQ(store.FindProject("p7"), 7);

  store.AddFileToProject("/D/a.pdf", "", "p7");
  EXPECT_EQ(Paths(store, 7), std::vector<std::string>{"/D/a.pdf"});
  EXPECT_EQ(store.RemoveProject(0), kMaxProjects - 1);
  EXPECT_EQ(store.AppendLoadedProject("P1"), -1) << "a name already present is not loaded twice";
  EXPECT_EQ(store.AppendLoadedProject("P256"), kMaxProjects - 1);
}

TEST(ProjectStore, FullFileListRefusesEveryWayIn) {
  const struct {
    const char* what;
    ClipMode mode;
    std::function<bool(ProjectStore&)> add;  // true when the store reports a file added
  } cases[] = {
      {"add", ClipMode::kCopy, [](ProjectStore& s) { return s.AddFile("/D/new.pdf", "", 0); }},
      {"add to named project", ClipMode::kCopy,
       [](ProjectStore& s) {
         s.AddFileToProject("/D/new.pdf", "", "Full");
         return false;
       }},
      {"load", ClipMode::kCopy, [](ProjectStore& s) { return s.AppendLoadedFile(0, "/D/new.pdf", ""); }},
      {"copy one", ClipMode::kCopy, [](ProjectStore& s) { return s.TransferFile(0, 1, 0) != -1; }},
      {"cut one", ClipMode::kCut, [](ProjectStore& s) { return s.TransferFile(0, 1, 0) != -1; }},
      {"paste copy", ClipMode::kCopy, [](ProjectStore& s) { return s.PasteMarked(0, 1) != 0; }},
      {"paste cut", ClipMode::kCut, [](ProjectStore& s) { return s.PasteMarked(0, 1) != 0; }},
  };
  for (const auto& c : cases) {
    ProjectStore store = MakeStore({{"Full", NumberedPaths(kMaxFiles, "/D/f")}, {"Other", {"/D/new.pdf"}}});
    store.MarkAllFiles(1, c.mode, true);
    EXPECT_FALSE(c.add(store)) << c.what;
    EXPECT_EQ(store.Files(0).Count(), kMaxFiles) << c.what;
    EXPECT_EQ(Paths(store, 1), std::vector<std::string>{"/D/new.pdf"}) << c.what << ": the source keeps its file";
    EXPECT_EQ(Marks(store, 1), "x") << c.what;
  }
}

TEST(ProjectStore, RemovingProjectsKeepsNamesAndFilesPaired) {
  const struct {
    std::int32_t source;  // clipboard source before the removal of project 2
    std::int32_t sourceAfter;
    ClipMode modeAfter;
  } cases[] = {{-1, -1, ClipMode::kNone},
               {1, 1, ClipMode::kCut},
               {2, -1, ClipMode::kNone},
               {3, 2, ClipMode::kCut},
               {4, 3, ClipMode::kCut}};
  for (const auto& c : cases) {
    ProjectStore store = MakeStore(
        {{"P0", {"/D/0.pdf"}}, {"P1", {"/D/1.pdf"}}, {"P2", {"/D/2.pdf"}}, {"P3", {"/D/3.pdf"}}, {"P4", {"/D/4.pdf"}}});
    if (c.source != -1) store.MarkAllFiles(c.source, ClipMode::kCut, true);
    EXPECT_EQ(store.RemoveProject(2), 4);
    EXPECT_EQ(Names(store), (std::vector<std::string>{"P0", "P1", "P3", "P4"}));
    for (std::int32_t i = 0; i < 4; ++i) {
      EXPECT_EQ(Paths(store, i), std::vector<std::string>{"/D/" + store.Name(i).substr(1) + ".pdf"});
    }
    EXPECT_EQ(store.ClipboardSource(), c.sourceAfter) << "source " << c.source;
    EXPECT_EQ(store.ClipboardMode(), c.modeAfter) << "source " << c.source;
    // A paste takes the files of the project that was cut, wherever it moved.
    store.AddProject("Destination");
    const std::int32_t pasted = store.PasteMarked(4, store.ClipboardSource());
    EXPECT_EQ(Paths(store, 4), c.sourceAfter == -1
                                   ? std::vector<std::string>{}
                                   : std::vector<std::string>{"/D/" + std::to_string(c.source) + ".pdf"});
    EXPECT_EQ(pasted, c.sourceAfter == -1 ? 0 : 1);
  }
  ProjectStore store = MakeStore({{"P0", {}}});
  EXPECT_EQ(store.RemoveProject(1), 1);
  EXPECT_EQ(store.RemoveProject(-1), 1);
}

TEST(ProjectStore, ClearAllKeepsTheClipboard) {
  ProjectStore store = MakeStore({{"P0", {"/D/a.pdf"}}, {"P1", {"/D/b.pdf"}}});
  store.MarkAllFiles(1, ClipMode::kCopy, true);
  store.ClearAll();
  EXPECT_EQ(store.ProjectCount(), 0);
  EXPECT_EQ(store.ClipboardSource(), 1);
  EXPECT_EQ(store.ClipboardMode(), ClipMode::kCopy);
}

TEST(ProjectStore, RemovingFilesKeepsOrderAndActiveIndex) {
  const struct {
    std::int32_t remove;
    std::vector<std::string> after;
  } cases[] = {
      {0, {"/D/b.pdf", "/D/c.pdf", "/D/d.pdf"}},
      {3, {"/D/a.pdf", "/D/b.pdf", "/D/c.pdf"}},
      {4, {"/D/a.pdf", "/D/b.pdf", "/D/c.pdf", "/D/d.pdf"}},
      {-1, {"/D/a.pdf", "/D/b.pdf", "/D/c.pdf", "/D/d.pdf"}},
  };
  for (const auto& c : cases) {
    ProjectStore store = MakeStore({{"P", {"/D/a.pdf", "/D/b.pdf", "/D/c.pdf", "/D/d.pdf"}, 2}});
    EXPECT_EQ(store.RemoveFile(0, c.remove), static_cast<std::int32_t>(c.after.size()));
    EXPECT_EQ(Paths(store, 0), c.after);
    EXPECT_EQ(store.Files(0).ActiveIndex(), 2);
    EXPECT_EQ(store.Files(0).Entry(0).state, "state of " + c.after[0]);
  }
}

TEST(ProjectStore, PasteMovesOrCopiesMarkedFiles) {
  const std::vector<std::string> abc = {"/D/a.pdf", "/D/b.pdf", "/D/c.pdf"};
  const struct {
    const char* what;
    ClipMode mode;
    std::vector<std::int32_t> marked;  // files of the source, project 1
    std::vector<std::string> destination;
    std::int32_t destinationActive;
    std::int32_t pasted;
    std::vector<std::string> sourceAfter;
    std::string sourceMarksAfter;
    std::vector<std::string> destinationAfter;
    std::int32_t destinationActiveAfter;
  } cases[] = {
      {"cut all into empty", ClipMode::kCut, {0, 1, 2}, {}, -1, 3, {}, "", abc, 1},
      {"cut some", ClipMode::kCut, {0, 2}, {}, -1, 2, {"/D/b.pdf"}, ".", {"/D/a.pdf", "/D/c.pdf"}, -1},
      {"cut with a duplicate",
       ClipMode::kCut,
       {0, 1, 2},
       {"/D/b.pdf"},
       0,
       2,
       {"/D/b.pdf"},
       "x",
       {"/D/b.pdf", "/D/a.pdf", "/D/c.pdf"},
       0},
      {"cut into a project emptied earlier",
       ClipMode::kCut,
       {2},
       {},
       7,
       1,
       {"/D/a.pdf", "/D/b.pdf"},
       "..",
       {"/D/c.pdf"},
       -1},
      {"copy all into empty", ClipMode::kCopy, {0, 1, 2}, {}, -1, 3, abc, "xxx", abc, 1},
      {"copy with a duplicate", ClipMode::kCopy, {1, 2}, {"/D/c.pdf"}, -1, 1, abc, ".xx", {"/D/c.pdf", "/D/b.pdf"}, -1},
  };
  for (const auto& c : cases) {
    ProjectStore store =
        MakeStore({{"P0", {}}, {"Source", abc, 1}, {"Destination", c.destination, c.destinationActive}});
    store.UnmarkFiles(1);
    for (std::int32_t file : c.marked) EXPECT_EQ(store.MarkFile(1, file, c.mode, true), file);
    EXPECT_EQ(store.PasteMarked(2, 1), c.pasted) << c.what;
    EXPECT_EQ(Paths(store, 1), c.sourceAfter) << c.what;
    EXPECT_EQ(Marks(store, 1), c.sourceMarksAfter) << c.what;
    EXPECT_EQ(store.Files(1).ActiveIndex(), 1) << c.what << ": the source's active index is not adjusted";
    EXPECT_EQ(Paths(store, 2), c.destinationAfter) << c.what;
    EXPECT_EQ(Marks(store, 2), std::string(c.destinationAfter.size(), '.')) << c.what;
    EXPECT_EQ(store.Files(2).ActiveIndex(), c.destinationActiveAfter) << c.what;
    EXPECT_EQ(store.Files(2).Entry(static_cast<std::int32_t>(c.destinationAfter.size()) - 1).state,
              "state of " + c.destinationAfter.back())
        << c.what;
  }
}

TEST(ProjectStore, ClipboardCarriesOverToTheNextPaste) {
  ProjectStore store = MakeStore(
      {{"P0", {}}, {"Source", {"/D/a.pdf", "/D/b.pdf"}}, {"HasB", {"/D/b.pdf"}}, {"Empty1", {}}, {"Empty2", {}}});
  // A cut leaves behind only the file its destination already had.
  store.MarkAllFiles(1, ClipMode::kCut, true);
  EXPECT_EQ(store.PasteMarked(2, 1), 1);
  EXPECT_TRUE(store.AddFile("/D/late.pdf", "", 1));
  EXPECT_EQ(Marks(store, 1), "x.");
  EXPECT_EQ(store.PasteMarked(3, 1), 1);
  EXPECT_EQ(Paths(store, 3), std::vector<std::string>{"/D/b.pdf"});
  EXPECT_EQ(store.PasteMarked(4, 1), 0);
  EXPECT_EQ(Paths(store, 1), std::vector<std::string>{"/D/late.pdf"});

  // A copy can be pasted into several projects.
  store.MarkAllFiles(3, ClipMode::kCopy, true);
  EXPECT_EQ(store.PasteMarked(4, 3), 1);
  EXPECT_EQ(store.PasteMarked(0, 3), 1);
  EXPECT_EQ(store.PasteMarked(2, 3), 0);
  EXPECT_EQ(Paths(store, 0), Paths(store, 4));

  // Clearing the marks through a copy with no flag leaves nothing to paste.
  store.MarkAllFiles(3, ClipMode::kNone, false);
  EXPECT_EQ(store.ClipboardSource(), -1);
  EXPECT_EQ(store.TransferFile(1, 3, 0), -1);
  EXPECT_EQ(store.PasteMarked(1, 3), 0);
  EXPECT_EQ(store.MarkFile(3, 1, ClipMode::kCut, true), -1) << "no such file";
  EXPECT_EQ(store.ClipboardSource(), -1);
}

TEST(ProjectStore, SortMovesTheActiveIndexWithItsFile) {
  const struct {
    std::vector<std::string> paths;
    bool byFolder;
    bool ascending;
    std::int32_t active;
    std::vector<std::string> sorted;
    std::int32_t activeAfter;
  } cases[] = {
      {{"/D/b/x.pdf", "/D/a/y.pdf"}, false, true, 0, {"/D/b/x.pdf", "/D/a/y.pdf"}, 0},
      {{"/D/b/x.pdf", "/D/a/y.pdf"}, true, true, 0, {"/D/a/y.pdf", "/D/b/x.pdf"}, 1},
      {{"/D/a/y.pdf", "/D/b/x.pdf"}, false, true, 1, {"/D/b/x.pdf", "/D/a/y.pdf"}, 0},
      {{"/D/a/y.pdf", "/D/b/x.pdf"}, true, false, 0, {"/D/b/x.pdf", "/D/a/y.pdf"}, 1},
      {{"/D/c.pdf", "/D/a.pdf", "/D/b.pdf"}, false, true, 0, {"/D/a.pdf", "/D/b.pdf", "/D/c.pdf"}, 2},
      {{"/D/a.pdf", "/D/c.pdf", "/D/b.pdf"}, false, false, 1, {"/D/c.pdf", "/D/b.pdf", "/D/a.pdf"}, 0},
      // Bytes, not letters: upper case first, bytes above 0x7F last.
      {{"/D/\xe9.pdf", "/D/a.pdf", "/D/B.pdf"}, false, true, 0, {"/D/B.pdf", "/D/a.pdf", "/D/\xe9.pdf"}, 2},
      // No "/": an empty folder, all of it the name.
      {{"/D/a/z.pdf", "plain.pdf"}, true, true, 1, {"plain.pdf", "/D/a/z.pdf"}, 0},
      {{"/D/a/z.pdf", "plain.pdf"}, false, false, 1, {"/D/a/z.pdf", "plain.pdf"}, 1},
      {{"/D/x.pdf", "/E/x.pdf"}, true, false, 5, {"/E/x.pdf", "/D/x.pdf"}, 5},
  };
  for (const auto& c : cases) {
    ProjectStore store = MakeStore({{"P", c.paths, c.active}});
    store.SortFiles(0, c.byFolder, c.ascending);
    EXPECT_EQ(Paths(store, 0), c.sorted);
    EXPECT_EQ(store.Files(0).ActiveIndex(), c.activeAfter);
    for (std::int32_t i = 0; i < store.Files(0).Count(); ++i) {
      EXPECT_EQ(store.Files(0).Entry(i).state, "state of " + c.sorted[static_cast<std::size_t>(i)]);
    }
  }
}

}  // namespace
