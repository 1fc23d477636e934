// Long random sequences of store operations; after every step the store must
// still hold everything it promises, whatever the sequence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "projects/ascii_text.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"

namespace {

using Snapshot = std::vector<std::vector<std::string>>;  // paths of every project

Snapshot Take(const ProjectStore& store) {
  Snapshot snapshot(static_cast<std::size_t>(store.ProjectCount()));
  for (std::int32_t p = 0; p < store.ProjectCount(); ++p) {
    const FileList& files = store.Files(p);
    for (std::int32_t i = 0; i < files.Count(); ++i)
      snapshot[static_cast<std::size_t>(p)].push_back(files.Entry(i).path);
  }
  return snapshot;
}

// Every path of the store, sorted, each as often as it occurs.
std::vector<std::string> AllPaths(const Snapshot& snapshot) {
  std::vector<std::string> all;
  for (const auto& paths : snapshot) all.insert(all.end(), paths.begin(), paths.end());
  std::sort(all.begin(), all.end());
  return all;
}

std::size_t FileCount(const Snapshot& snapshot) {
  std::size_t count = 0;
  for (const auto& paths : snapshot) count += paths.size();
  return count;
}

bool HasDuplicates(std::vector<std::string_view> items) {
  std::sort(items.begin(), items.end());
  return std::adjacent_find(items.begin(), items.end()) != items.end();
}

void CheckInvariants(const ProjectStore& store) {
  ASSERT_GE(store.ProjectCount(), 0);
  ASSERT_LE(store.ProjectCount(), kMaxProjects);
  ASSERT_EQ(store.Names().Count(), store.ProjectCount());
  std::vector<std::string> folded;  // names in lower case
  for (std::int32_t p = 0; p < store.ProjectCount(); ++p) {
    std::string name = store.Name(p);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    folded.push_back(std::move(name));
    const FileList& files = store.Files(p);
    ASSERT_LE(files.Count(), kMaxFiles);
    std::vector<std::string_view> paths;
    for (std::int32_t i = 0; i < files.Count(); ++i) paths.push_back(files.Entry(i).path);
    ASSERT_FALSE(HasDuplicates(paths)) << "project " << p << " holds a path twice";
  }
  ASSERT_FALSE(HasDuplicates({folded.begin(), folded.end()})) << "two projects share a name";
  const std::int32_t source = store.ClipboardSource();
  ASSERT_GE(source, -1) << "clipboard source";
}

class RandomSession {
 public:
  // `crowded`: few clears and many additions, so that the limits are reached.
  RandomSession(std::uint32_t seed, bool crowded) : random_(seed), crowded_(crowded) {}

  void Step() {
    const int op = Pick(0, 17);
    const std::int32_t p = Project();
    const std::int32_t q = Project();
    switch (op) {
      case 0:
      case 1: {
        const std::string name = Name();
        const std::int32_t before = store_.ProjectCount();
        const std::int32_t index = store_.AddProject(name);
        if (index == -1) {
          ASSERT_EQ(before, kMaxProjects);
        } else {
          ASSERT_TRUE(EqualIgnoringAsciiCase(store_.Name(index), name));
        }
        break;
      }
      case 2:
        store_.RenameProject(p, Name());
        break;
      case 3:
        if (!crowded_ || Pick(0, 3) == 0) store_.RemoveProject(p);
        break;
      case 4:
        if (Pick(0, crowded_ ? 2000 : 150) == 0) store_.ClearAll();
        break;
      case 5:
      case 6:
        // In bursts when crowded, so that lists reach their limit between cuts.
        for (int n = (crowded_ && p < 3) ? Pick(1, 60) : 1; n > 0; --n) store_.AddFile(Path(), "s", p);
        break;
      case 7:
        store_.AddFileToProject(Path(), "s", Name());
        break;
      case 8:
        if (!crowded_ || Pick(0, 5) == 0) store_.RemoveFile(p, File(p));
        break;
      case 9:
        if (Pick(0, crowded_ ? 500 : 20) == 0) store_.ClearFiles(p);
        break;
      case 10:
        store_.MarkFile(p, File(p), Mode(), Pick(0, 3) != 0);
        break;
      case 11:
        store_.MarkAllFiles(p, Mode(), Pick(0, 3) != 0);
        break;
      case 12:
        store_.UnmarkFiles(p);
        break;
      case 13:
        Transfer(q);
        break;
      case 14:
      case 15:
        Paste(q);
        break;
      case 16:
        store_.SortFiles(p, Pick(0, 1) == 1, Pick(0, 1) == 1);
        break;
      case 17:
        Load();
        break;
    }
  }

  const ProjectStore& Store() const { return store_; }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  // Now and then a position that names nothing.
  std::int32_t Project() {
    const int count = store_.ProjectCount();
    if (count == 0 || Pick(0, 30) == 0) return Pick(-1, count + 1);
    if (Pick(0, 1) == 0) return Pick(0, std::min(count, 3) - 1);  // the first projects fill up
    return Pick(0, count - 1);
  }
  std::int32_t File(std::int32_t project) { return Pick(-1, store_.Files(project).Count()); }
  ClipMode Mode() { return static_cast<ClipMode>(Pick(0, 2)); }

  std::string Name() {
    std::string name = "Project " + std::to_string(Pick(0, crowded_ ? 600 : 12));
    for (char& c : name) {
      if (Pick(0, 1) == 1) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name;
  }
  std::string Path() {
    const int n = Pick(0, crowded_ ? 400 : 40);
    return "/" + std::string(1, Pick(0, 1) == 1 ? 'D' : 'd') + "/dir" + std::to_string(n % 7) + "/f" +
           std::to_string(n) + ".pdf";
  }

  void Transfer(std::int32_t destination) {
    const std::int32_t source = store_.ClipboardSource();
    const std::int32_t file = File(source);
    const Snapshot before = Take(store_);
    const std::int32_t landed = store_.TransferFile(destination, source, file);
    const Snapshot after = Take(store_);
    if (landed == -1) {
      ASSERT_EQ(after, before);
      return;
    }
    const auto d = static_cast<std::size_t>(destination);
    ASSERT_EQ(landed + 1, static_cast<std::int32_t>(after[d].size()));
    ASSERT_EQ(after[d].back(), before[static_cast<std::size_t>(source)][static_cast<std::size_t>(file)]);
    ASSERT_EQ(FileCount(after), FileCount(before) + (store_.ClipboardMode() == ClipMode::kCopy ? 1 : 0));
  }

  void Paste(std::int32_t destination) {
    const std::int32_t source = Pick(0, 5) == 0 ? Project() : store_.ClipboardSource();
    const ClipMode mode = store_.ClipboardMode();
    const Snapshot before = Take(store_);
    const std::int32_t pasted = store_.PasteMarked(destination, source);
    const Snapshot after = Take(store_);
    ASSERT_GE(pasted, 0);
    if (pasted == 0) {
      ASSERT_EQ(after, before);
      return;
    }
    const auto d = static_cast<std::size_t>(destination);
    const auto s = static_cast<std::size_t>(source);
    ASSERT_EQ(after[d].size(), before[d].size() + static_cast<std::size_t>(pasted));
    ASSERT_TRUE(std::equal(before[d].begin(), before[d].end(), after[d].begin()));
    if (mode == ClipMode::kCut) {
      // Moved, not lost or duplicated: the store as a whole holds the same files.
      ASSERT_EQ(AllPaths(after), AllPaths(before));
      ASSERT_EQ(after[s].size() + static_cast<std::size_t>(pasted), before[s].size());
    } else {
      ASSERT_EQ(after[s], before[s]);
      Snapshot expected = before;
      expected.emplace_back(after[d].end() - pasted, after[d].end());
      ASSERT_EQ(AllPaths(after), AllPaths(expected));
    }
    for (std::size_t i = 0; i < after.size(); ++i) {
      if (i != d && i != s) {
        ASSERT_EQ(after[i], before[i]);
      }
    }
  }

  // Loading: a new project filled with distinct paths, up to past the limit.
  void Load() {
    const std::int32_t project = store_.AppendLoadedProject(Name());
    if (project == -1) return;
    store_.SetLoadedActiveIndex(project, Pick(-2, 300));
    const int files = (!crowded_ && Pick(0, 40) == 0) ? kMaxFiles + 2 : Pick(0, 5);
    for (int i = 0; i < files; ++i) {
      const bool added = store_.AppendLoadedFile(project, "/L/" + std::to_string(loaded_++) + ".pdf", "");
      ASSERT_EQ(added, i < kMaxFiles);
    }
  }

  std::mt19937 random_;
  bool crowded_;
  ProjectStore store_;
  int loaded_ = 0;
};

TEST(ProjectStoreInvariants, HoldAfterEveryStep) {
  const struct {
    std::uint32_t seed;
    bool crowded;
    int steps;
  } runs[] = {{1, false, 20000}, {2, false, 20000}, {3, true, 3000}, {4, true, 3000}};
  for (const auto& run : runs) {
    SCOPED_TRACE("seed " + std::to_string(run.seed));
    RandomSession session(run.seed, run.crowded);
    bool reachedProjectLimit = false;
    bool reachedFileLimit = false;
    for (int step = 0; step < run.steps; ++step) {
      ASSERT_NO_FATAL_FAILURE(session.Step()) << "step " << step;
      ASSERT_NO_FATAL_FAILURE(CheckInvariants(session.Store())) << "step " << step;
      reachedProjectLimit |= session.Store().ProjectCount() == kMaxProjects;
      for (std::int32_t p = 0; p < 3; ++p) reachedFileLimit |= session.Store().Files(p).Count() == kMaxFiles;
    }
    if (run.crowded) {
      EXPECT_TRUE(reachedProjectLimit);
      EXPECT_TRUE(reachedFileLimit);
    }
  }
}

}  // namespace
