#include "projects/project_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "projects/project_limits.h"

namespace {

// Files are named by letters: "ab" stands for /D/a.pdf and /D/b.pdf, each
// with the state "state of /D/a.pdf" (and so on), so that a test sees that
// path and state stay together.
std::string PathOf(char letter) { return std::string("/D/") + letter + ".pdf"; }

struct ProjectContents {
  std::string name;
  std::string files;
  std::int32_t active = -1;
};

ProjectStore MakeStore(const std::vector<ProjectContents>& projects) {
  ProjectStore store;
  for (const ProjectContents& p : projects) {
    const std::int32_t index = store.AddProject(p.name);
    for (const char letter : p.files) store.AddFile(PathOf(letter), "state of " + PathOf(letter), index);
    store.SetActiveIndex(p.name, p.active);
  }
  return store;
}

// The letters of a project's files, "x" after each marked one; fails when a
// state left its path.
std::string Files(const ProjectStore& store, std::int32_t project) {
  std::string files;
  for (std::int32_t i = 0; i < store.Files(project).Count(); ++i) {
    const FileEntry& entry = store.Files(project).Entry(i);
    EXPECT_EQ(entry.state, "state of " + entry.path);
    files += entry.path.size() == 8 ? entry.path[3] : '?';
    if (entry.marked) files += 'x';
  }
  return files;
}

std::string Names(const ProjectStore& store) {
  std::string names;
  for (std::int32_t i = 0; i < store.ProjectCount(); ++i) names += (i == 0 ? "" : "|") + store.Name(i);
  return names;
}

TEST(ProjectStore, NamesIgnoreAsciiLetterCaseOnlyAndPathsKeepIt) {
  const struct {
    std::function<std::int32_t(ProjectStore&)> action;
    std::int32_t result;
    const char* namesAfter;
  } rows[] = {
      {[](ProjectStore& s) { return s.FindProject("mAnUaLs"); }, 1, "Default|Manuals"},                 // 0
      {[](ProjectStore& s) { return s.FindProject("Manual"); }, -1, "Default|Manuals"},                 // 1
      {[](ProjectStore& s) { return s.AddProject("MANUALS"); }, 1, "Default|Manuals"},                  // 2
      {[](ProjectStore& s) { return s.AddProject("MANUALS\xc9"); }, 2, "Default|Manuals|MANUALS\xc9"},  // 3
      {[](ProjectStore& s) { return s.RenameProject(1, "manuals"); }, 1, "Default|Manuals"},            // 4
      {[](ProjectStore& s) { return s.RenameProject(1, "DEFAULT"); }, 0, "Default|Manuals"},            // 5
      {[](ProjectStore& s) { return s.RenameProject(1, "Guides"); }, 1, "Default|Guides"},              // 6
      {[](ProjectStore& s) { return s.RenameProject(2, "Guides"); }, -1, "Default|Manuals"},            // 7
      {[](ProjectStore& s) { return s.AddProject("zulu") + 10 * s.AddProject("ZULU"); }, 22, "Default|Manuals|zulu"},
      {[](ProjectStore& s) { return s.AddFile("/D/M.pdf", "state of /D/M.pdf", 1) ? 1 : 0; }, 1, "Default|Manuals"},
      {[](ProjectStore& s) { return s.AddFile("/D/m.pdf", "other", 1) ? 1 : 0; }, 0, "Default|Manuals"},  // 10
      {[](ProjectStore& s) { return s.FindFile(1, "/d/m.pdf"); }, -1, "Default|Manuals"},                 // 11
      {[](ProjectStore& s) { return s.AddFile("/D/b.pdf", "", 2) ? 1 : 0; }, 0, "Default|Manuals"},       // 12
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    ProjectStore store = MakeStore({{"Default", "a"}, {"Manuals", "m"}});
    EXPECT_EQ(rows[i].action(store), rows[i].result) << "row " << i;
    EXPECT_EQ(Names(store), rows[i].namesAfter) << "row " << i;
    EXPECT_EQ(Files(store, 1), i == 9 ? "mM" : "m") << "row " << i << ": the files stay with the project";
  }
  EXPECT_EQ(ProjectStore().FindProject(""), -1);
}

TEST(ProjectStore, AFullStoreRefusesEvenNamesItHolds) {
  ProjectStore store;
  for (int i = 0; i < kMaxProjects; ++i) ASSERT_EQ(store.AddProject("P" + std::to_string(i)), i);
  EXPECT_EQ(store.AddProject("P256"), -1);
  EXPECT_EQ(store.AddProject("p7"), -1);
  EXPECT_EQ(store.AppendLoadedProject("P256"), -1);
  store.AddFileToProject(PathOf('a'), "state of /D/a.pdf", "Missing");
  EXPECT_EQ(store.ProjectCount(), kMaxProjects);
  store.AddFileToProject(PathOf('a'), "state of /D/a.pdf", "p7");
  EXPECT_EQ(Files(store, 7), "a");
  EXPECT_EQ(store.RemoveProject(0), kMaxProjects - 1);
  EXPECT_EQ(store.AppendLoadedProject("P1"), -1) << "a name already present is not loaded twice";
  EXPECT_EQ(store.AppendLoadedProject("P256"), kMaxProjects - 1);
}

TEST(ProjectStore, AFullFileListRefusesEveryWayIn) {
  const struct {
    ClipMode mode;
    std::function<bool(ProjectStore&)> add;  // true when the store reports a file added
  } rows[] = {
      {ClipMode::kCopy, [](ProjectStore& s) { return s.AddFile("/D/n.pdf", "", 0); }},  // 0
      {ClipMode::kCopy, [](ProjectStore& s) { return s.AddFileToProject("/D/n.pdf", "", "Full"), false; }},
      {ClipMode::kCopy, [](ProjectStore& s) { return s.AppendLoadedFile(0, "/D/n.pdf", ""); }},  // 2
      {ClipMode::kCopy, [](ProjectStore& s) { return s.TransferFile(0, 1, 0) != -1; }},          // 3
      {ClipMode::kCut, [](ProjectStore& s) { return s.TransferFile(0, 1, 0) != -1; }},           // 4
      {ClipMode::kCopy, [](ProjectStore& s) { return s.PasteMarked(0, 1) != 0; }},               // 5
      {ClipMode::kCut, [](ProjectStore& s) { return s.PasteMarked(0, 1) != 0; }},                // 6
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    ProjectStore store = MakeStore({{"Full", ""}, {"Other", "n"}});
    for (int f = 0; f < kMaxFiles; ++f) store.AddFile("/D/full " + std::to_string(f), "", 0);
    store.MarkAllFiles(1, rows[i].mode, true);
    EXPECT_FALSE(rows[i].add(store)) << "row " << i;
    EXPECT_EQ(store.Files(0).Count(), kMaxFiles) << "row " << i;
    EXPECT_EQ(Files(store, 1), "nx") << "row " << i << ": the source keeps its file";
  }
}

TEST(ProjectStore, RemovingAProjectKeepsNamesAndFilesPairedAndTheCutWithItsProject) {
  const struct {
    std::int32_t source;  // clipboard source before project 2 of 5 is removed
    std::int32_t sourceAfter;
  } rows[] = {{-1, -1}, {1, 1}, {2, -1}, {3, 2}, {4, 3}};
  for (const auto& row : rows) {
    ProjectStore store = MakeStore({{"Pa", "a"}, {"Pb", "b"}, {"Pc", "c"}, {"Pd", "d"}, {"Pe", "e"}});
    if (row.source != -1) store.MarkAllFiles(row.source, ClipMode::kCut, true);
    EXPECT_EQ(store.RemoveProject(2), 4);
    EXPECT_EQ(Names(store), "Pa|Pb|Pd|Pe");
    for (std::int32_t i = 0; i < 4; ++i) EXPECT_EQ(Files(store, i)[0], store.Name(i)[1]);
    EXPECT_EQ(store.ClipboardSource(), row.sourceAfter) << "source " << row.source;
    EXPECT_EQ(store.ClipboardMode(), row.sourceAfter == -1 ? ClipMode::kNone : ClipMode::kCut)
        << "source " << row.source;
    // A paste takes the files of the project that was cut, wherever it moved.
    store.AddProject("Destination");
    EXPECT_EQ(store.PasteMarked(4, store.ClipboardSource()), row.sourceAfter == -1 ? 0 : 1) << "source " << row.source;
  }
  ProjectStore store = MakeStore({{"P0", ""}});
  EXPECT_EQ(store.RemoveProject(1) + store.RemoveProject(-1), 2);
}

TEST(ProjectStore, RemovingAFileKeepsTheOrderAndTheActiveIndex) {
  const struct {
    std::int32_t remove;
    const char* after;
  } rows[] = {{0, "bcd"}, {3, "abc"}, {4, "abcd"}, {-1, "abcd"}};
  for (const auto& row : rows) {
    ProjectStore store = MakeStore({{"P", "abcd", 2}});
    EXPECT_EQ(store.RemoveFile(0, row.remove), static_cast<std::int32_t>(std::string(row.after).size())) << row.remove;
    EXPECT_EQ(Files(store, 0), row.after) << row.remove;
    EXPECT_EQ(store.Files(0).ActiveIndex(), 2) << row.remove;
  }
}

TEST(ProjectStore, PasteMovesOrCopiesTheMarkedFiles) {
  const struct {
    ClipMode mode;
    std::vector<std::int32_t> marked;  // files of the source "abc", whose active index is 1
    const char* destination;
    std::int32_t destinationActive;  // 7: the destination's files are cleared first, the index stays
    std::int32_t pasted;
    const char* sourceAfter;
    const char* destinationAfter;
    std::int32_t destinationActiveAfter;
  } rows[] = {
      {ClipMode::kCut, {0, 1, 2}, "", -1, 3, "", "abc", 1},         // 0: all into an empty project
      {ClipMode::kCut, {0, 2}, "", -1, 2, "b", "ac", -1},           // 1: some
      {ClipMode::kCut, {0, 1, 2}, "b", 0, 2, "bx", "bac", 0},       // 2: one already there
      {ClipMode::kCut, {2}, "x", 7, 1, "ab", "c", -1},              // 3: into a project emptied earlier
      {ClipMode::kCopy, {0, 1, 2}, "", -1, 3, "axbxcx", "abc", 1},  // 4: copies, marks kept
      {ClipMode::kCopy, {1, 2}, "c", -1, 1, "abxcx", "cb", -1},     // 5: one already there
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    ProjectStore store =
        MakeStore({{"P0", ""}, {"Source", "abc", 1}, {"To", rows[i].destination, rows[i].destinationActive}});
    EXPECT_EQ(rows[i].destinationActive == 7 ? store.ClearFiles(2) : 0, 0);
    store.UnmarkFiles(1);
    for (std::int32_t file : rows[i].marked) EXPECT_EQ(store.MarkFile(1, file, rows[i].mode, true), file);
    EXPECT_EQ(store.PasteMarked(2, 1), rows[i].pasted) << "row " << i;
    EXPECT_EQ(Files(store, 1), rows[i].sourceAfter) << "row " << i;
    EXPECT_EQ(store.Files(1).ActiveIndex(), 1) << "row " << i << ": the source's active index is not adjusted";
    EXPECT_EQ(Files(store, 2), rows[i].destinationAfter) << "row " << i << ": unmarked";
    EXPECT_EQ(store.Files(2).ActiveIndex(), rows[i].destinationActiveAfter) << "row " << i;
  }
}

// One story of the clipboard from paste to paste, through a refill of the
// store (capture, then the project file) that keeps the clipboard.
TEST(ProjectStore, TheClipboardCarriesOverToTheNextPaste) {
  ProjectStore store = MakeStore({{"P0", ""}, {"Source", "ab"}, {"HasB", "b"}, {"Empty1", ""}, {"Empty2", ""}});
  // A cut leaves behind only the file its destination already had.
  store.MarkAllFiles(1, ClipMode::kCut, true);
  EXPECT_EQ(store.PasteMarked(2, 1), 1);
  EXPECT_TRUE(store.AddFile(PathOf('l'), "state of /D/l.pdf", 1));
  EXPECT_EQ(Files(store, 1), "bxl");
  EXPECT_EQ(store.PasteMarked(3, 1), 1);
  EXPECT_EQ(store.PasteMarked(4, 1), 0);
  EXPECT_EQ(Files(store, 1) + "|" + Files(store, 3), "l|b");
  // A copy can be pasted into several projects.
  store.MarkAllFiles(3, ClipMode::kCopy, true);
  EXPECT_EQ(store.PasteMarked(4, 3) + store.PasteMarked(0, 3) + store.PasteMarked(2, 3), 2);
  EXPECT_EQ(Files(store, 0) + "|" + Files(store, 4), "b|b");
  // The refill keeps source and mode; the marks went with the old entries.
  store.ClearAll();
  EXPECT_EQ(store.ClipboardSource(), 3);
  EXPECT_EQ(store.ClipboardMode(), ClipMode::kCopy);
  EXPECT_EQ(store.PasteMarked(0, 3), 0) << "a source that names no project";
  EXPECT_EQ(store.TransferFile(0, 3, 0), -1);
  for (const char* name : {"P0", "A", "B", "C"}) store.AddProject(name);
  store.AddFile(PathOf('c'), "state of /D/c.pdf", 3);
  EXPECT_EQ(store.PasteMarked(1, 3), 0) << "a source whose marks are gone";
  EXPECT_EQ(Files(store, 1), "");
  // Clearing the marks through a copy with no flag leaves nothing to paste.
  store.MarkAllFiles(3, ClipMode::kCopy, true);
  store.MarkAllFiles(3, ClipMode::kNone, false);
  EXPECT_EQ(store.ClipboardSource(), -1);
  EXPECT_EQ(store.TransferFile(1, 3, 0) + store.PasteMarked(1, 3), -1);
  EXPECT_EQ(store.MarkFile(3, 1, ClipMode::kCut, true), -1) << "no such file";
  EXPECT_EQ(store.ClipboardSource(), -1);
}

TEST(ProjectStore, SortingMovesTheActiveIndexWithItsFile) {
  using Paths = std::vector<std::string>;
  const struct {
    Paths paths;
    bool byFolder;
    bool ascending;
    std::int32_t active;
    Paths sorted;
    std::int32_t activeAfter;
  } rows[] = {
      {{"/D/b/x.pdf", "/D/a/y.pdf"}, false, true, 0, {"/D/b/x.pdf", "/D/a/y.pdf"}, 0},                   // 0
      {{"/D/b/x.pdf", "/D/a/y.pdf"}, true, true, 0, {"/D/a/y.pdf", "/D/b/x.pdf"}, 1},                    // 1
      {{"/D/a/y.pdf", "/D/b/x.pdf"}, false, true, 1, {"/D/b/x.pdf", "/D/a/y.pdf"}, 0},                   // 2
      {{"/D/a/y.pdf", "/D/b/x.pdf"}, true, false, 0, {"/D/b/x.pdf", "/D/a/y.pdf"}, 1},                   // 3
      {{"/D/c.pdf", "/D/a.pdf", "/D/b.pdf"}, false, true, 0, {"/D/a.pdf", "/D/b.pdf", "/D/c.pdf"}, 2},   // 4
      {{"/D/a.pdf", "/D/c.pdf", "/D/b.pdf"}, false, false, 1, {"/D/c.pdf", "/D/b.pdf", "/D/a.pdf"}, 0},  // 5
      // 6: bytes, not letters: upper case first, bytes above 0x7F last
      {{"/D/\xe9.pdf", "/D/a.pdf", "/D/B.pdf"}, false, true, 0, {"/D/B.pdf", "/D/a.pdf", "/D/\xe9.pdf"}, 2},
      // 7, 8: no "/": an empty folder, all of it the name
      {{"/D/a/z.pdf", "plain.pdf"}, true, true, 1, {"plain.pdf", "/D/a/z.pdf"}, 0},
      {{"/D/a/z.pdf", "plain.pdf"}, false, false, 1, {"/D/a/z.pdf", "plain.pdf"}, 1},
      {{"/D/x.pdf", "/E/x.pdf"}, true, false, 5, {"/E/x.pdf", "/D/x.pdf"}, 5},  // 9
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    ProjectStore store;
    store.AddProject("P");
    for (const std::string& path : rows[i].paths) store.AddFile(path, "state of " + path, 0);
    store.SetActiveIndex("P", rows[i].active);
    store.SortFiles(0, rows[i].byFolder, rows[i].ascending);
    Paths sorted;
    for (std::int32_t f = 0; f < store.Files(0).Count(); ++f) {
      sorted.push_back(store.Files(0).Entry(f).path);
      EXPECT_EQ(store.Files(0).Entry(f).state, "state of " + sorted.back()) << "row " << i;
    }
    EXPECT_EQ(sorted, rows[i].sorted) << "row " << i;
    EXPECT_EQ(store.Files(0).ActiveIndex(), rows[i].activeAfter) << "row " << i;
  }
}

}  // namespace
