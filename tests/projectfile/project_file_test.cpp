// The project file on disk: SaveProjectFile against the same sequence of
// profile-function calls on a copy of the file, byte for byte; the
// writability test; saves interrupted by a crash.
#include "projects/project_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "projects/ini_document.h"
#include "projects/project_file_path.h"
#include "projects/project_store.h"
#include "projects/whole_file.h"
#include "tests/projectfile/scratch_file.h"

namespace {

constexpr char kDefault[] = "CURRENT OPENED FILES";

std::string State(std::mt19937& rng, bool active) {
  std::string hex;
  for (int i = 0; i < 152; ++i) hex += "0123456789abcdef"[rng() % 16];
  return "ALLSTATE=" + hex + "&PAGEMODE=" + std::to_string(rng() % 4) +
         "&LAYOUTMODE=1&SPLITTERPOSTION=" + std::to_string(rng() % 400) + "&PAGE=" + std::to_string(rng() % 900) +
         "&ZOOM_TYPE-VALUE=0:98304.000000&TOPSPOT_LEFT-TOP=-12:0" + (active ? "&ACTIVE=TRUE" : "");
}

// A store as capture and editing leave it: odd letter case, blanks, quotes,
// "=" and "?" in names, empty states, empty projects.
void FillRandom(ProjectStore& store, unsigned seed) {
  constexpr int max_projects = 7;
  constexpr int max_files = 9;
  static const std::vector<std::string> names = {
      "Manuals", "manuals 2",  "12/4/2026 Project1", "a = b", "what?", "say \"hi\"",  "it's",
      "[draft",  "Q&A; notes", "\xC9t\xE9",          "Stale", "OTHER", "Two  Spaces", "x",
      "=",       "?",          "tab\tinside",        "Alpha",
  };
  std::mt19937 rng(seed);
  store.ClearAll();
  store.AddProject(kDefault);
  const int projects = static_cast<int>(rng() % max_projects);
  for (int p = 0; p <= projects; ++p) {
    const std::string name = p == 0 ? std::string(kDefault) : names[rng() % names.size()];
    const int index = store.AddProject(name);
    const int files = static_cast<int>(rng() % max_files);
    for (int f = 0; f < files; ++f) {
      const std::string path = "/D/Docs " + std::to_string(rng() % 5) + "/File " + std::to_string(f) + ".pdf";
      store.AddFile(path, rng() % 4 == 0 ? std::string() : State(rng, f == 0), index);
    }
    store.SetActiveIndex(name, files == 0 ? -1 : static_cast<int>(rng() % files));
  }
}

// What a file holds when the plug-in comes to it: earlier saves, stale
// projects, other programs' sections, comments, blank lines, keys in other
// letter case.
std::string ExistingFile(unsigned seed) {
  std::mt19937 rng(seed);
  static const std::vector<std::string> pieces = {
      "; written by hand\r\n",
      "\r\n\r\n",
      "[Other Program]\r\nsetting = 1\r\n  Window=0 0 640 480  \r\n",
      "[project_name]\r\nproject_num=3\r\n0=CURRENT OPENED FILES\r\n1=Stale\r\n2=Gone\r\n",
      "[Stale]\r\nactivearticleindex=0\r\nOPENNUM=1\r\n0=/D/old.pdf?\r\n",
      "[Gone]\nOpenNum=0\n",
      "[current opened files]\r\nOpenNum=2\r\n0=/D/was open.pdf?ALLSTATE=00\r\nextra line\r\n",
      "[MANUALS]\r\nopennum=1\r\n0=/D/m.pdf?\r\n# note\r\n",
      "\t[Settings]  ; trailing\r\nkey=\"quoted value\"\r\n",
  };
  // Each piece at most once: a section the save writes appears once.
  std::vector<std::string> shuffled = pieces;
  std::shuffle(shuffled.begin(), shuffled.end(), rng);
  std::string text;
  const std::size_t count = rng() % 6;
  for (std::size_t i = 0; i < count; ++i) text += shuffled[i];
  return text;
}

void PlatformWrite(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

// The save as a sequence of profile-function calls, one per key.
void PlatformSave(const ProjectStore& store, const std::string& path) {
  WritePrivateProfileStringA("PROJECT_NAME", nullptr, nullptr, path.c_str());
  PlatformWrite(path, "PROJECT_NAME", "PROJECT_NUM", std::to_string(store.ProjectCount()));
  for (int i = 0; i < store.ProjectCount(); ++i) PlatformWrite(path, "PROJECT_NAME", std::to_string(i), store.Name(i));
  for (int i = 0; i < store.ProjectCount(); ++i) {
    const std::string& name = store.Name(i);
    const FileList& files = store.Files(i);
    WritePrivateProfileStringA(name.c_str(), nullptr, nullptr, path.c_str());
    PlatformWrite(path, name, "ActiveArticleIndex", std::to_string(files.ActiveIndex()));
    PlatformWrite(path, name, "OpenNum", std::to_string(files.Count()));
    for (int j = 0; j < files.Count(); ++j) {
      char value[1024];
      std::snprintf(value, sizeof value, "%s?%s", files.Entry(j).path.c_str(), files.Entry(j).state.c_str());
      PlatformWrite(path, name, std::to_string(j), value);
    }
  }
}

std::string PlatformRead(const std::string& path, const std::string& section, const std::string& key, DWORD size) {
  std::vector<char> buffer(size);
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), size, path.c_str());
  return std::string(buffer.data(), n);
}

// The stored projects (1 to n-1) of two stores are the same; project 0
// comes from the capture, not from the file.
bool SameProjects(const ProjectStore& a, const ProjectStore& b) {
  if (a.ProjectCount() != b.ProjectCount()) return false;
  for (int i = 1; i < a.ProjectCount(); ++i) {
    const FileList& fa = a.Files(i);
    const FileList& fb = b.Files(i);
    if (a.Name(i) != b.Name(i) || fa.Count() != fb.Count() || fa.ActiveIndex() != fb.ActiveIndex()) return false;
    for (int j = 0; j < fa.Count(); ++j) {
      if (fa.Entry(j).path != fb.Entry(j).path || fa.Entry(j).state != fb.Entry(j).state) return false;
    }
  }
  return true;
}

// A large store: projects of many files with full view states.
void FillLarge(ProjectStore& store, unsigned seed, int projects, int files) {
  std::mt19937 rng(seed);
  store.ClearAll();
  store.AddProject(kDefault);
  for (int p = 1; p < projects; ++p) {
    const std::string name = "Project " + std::to_string(p) + " of seed " + std::to_string(seed);
    const int index = store.AddProject(name);
    for (int f = 0; f < files; ++f) {
      store.AddFile("/D/Folder " + std::to_string(p) + "/Document " + std::to_string(f) + ".pdf", State(rng, f == 0),
                    index);
    }
    store.SetActiveIndex(name, 0);
  }
}

// A store loaded from a file, after a capture that found no documents.
void LoadInto(ProjectStore& store, const std::string& path) {
  store.ClearAll();
  store.AddProject(kDefault);
  EXPECT_EQ(LoadProjectFile(store, path), 1);
}

}  // namespace

TEST(ProjectFileDifferential, SaveWritesTheBytesOfTheProfileFunctionSequence) {
  const ScratchFile engine_file;
  const ScratchFile platform_file;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    ProjectStore store;
    FillRandom(store, seed);
    const std::string before = ExistingFile(seed);
    engine_file.Write(before);
    platform_file.Write(before);
    ASSERT_EQ(SaveProjectFile(store, engine_file.path()), 1);
    PlatformSave(store, platform_file.path());
    ASSERT_EQ(engine_file.Read(), platform_file.Read()) << "seed " << seed << "\nbefore:\n" << before;

    // And what the loader reads is what the platform reads.
    ProjectStore loaded;
    LoadInto(loaded, engine_file.path());
    for (int i = 1; i < loaded.ProjectCount(); ++i) {
      const std::string& name = loaded.Name(i);
      EXPECT_EQ(name, PlatformRead(platform_file.path(), "PROJECT_NAME", std::to_string(i), 256));
      const FileList& files = loaded.Files(i);
      EXPECT_EQ(std::to_string(files.ActiveIndex()), PlatformRead(platform_file.path(), name, "ActiveArticleIndex", 8));
      for (int j = 0; j < files.Count(); ++j) {
        EXPECT_EQ(files.Entry(j).path + "?" + files.Entry(j).state,
                  PlatformRead(platform_file.path(), name, std::to_string(j), 1024));
      }
    }
    store.ClearAll();
    store.AddProject(kDefault);
    LoadProjectFile(store, platform_file.path());
    EXPECT_TRUE(SameProjects(store, loaded)) << "seed " << seed;
  }
}

TEST(ProjectFileDifferential, LoadedValuesEqualThePlatformsOnDamagedFiles) {
  const ScratchFile file;
  const std::vector<std::string> damage = {
      "[PROJECT_NAME]\r\nPROJECT_NUM = 3 \r\n 1 = \"Quoted\" \r\n2='x'\r\n[quoted]\r\nOpenNum=\"2\"\r\n0= /D/a.pdf? "
      "\r\n"
      "1=\"/D/b.pdf?s\"\r\n[X]\r\nopennum=1\r\n0=/D/c.pdf\r\n",
      "[PROJECT_NAME]\nPROJECT_NUM=2\n1=A\n[A]\nActiveArticleIndex=12345678\nOpenNum=2\n0=/D/" +
          std::string(2000, 'z') + "\n1=/D/b.pdf?" + std::string(1020, 's') + "\n",
      "[PROJECT_NAME]\rPROJECT_NUM=2\r1=A\r[A]\rOpenNum=2\r0\r1=/D/x.pdf?\r[A]\rOpenNum=5\r",
  };
  for (const std::string& text : damage) {
    file.Write(text);
    ProjectStore store;
    LoadInto(store, file.path());
    for (int i = 1; i < store.ProjectCount(); ++i) {
      const std::string& name = store.Name(i);
      const FileList& files = store.Files(i);
      const std::string active = PlatformRead(file.path(), name, "ActiveArticleIndex", 8);
      EXPECT_EQ(files.ActiveIndex(), active.empty() ? -1 : std::atoi(active.c_str()));
      std::vector<std::string> expected;
      const int count = std::atoi(PlatformRead(file.path(), name, "OpenNum", 8).c_str());
      for (int j = 0; j < count; ++j) {
        std::string value = PlatformRead(file.path(), name, std::to_string(j), 1024);
        if (value.size() == 1023) {  // cut by the buffer: the path is kept, no item of these states is whole
          if (value.find('?') == std::string::npos) continue;
          value.resize(value.find('?') + 1);
        }
        if (!value.empty()) expected.push_back(value.find('?') == std::string::npos ? value + "?" : value);
      }
      ASSERT_EQ(static_cast<std::size_t>(files.Count()), expected.size()) << text;
      for (int j = 0; j < files.Count(); ++j) {
        EXPECT_EQ(files.Entry(j).path + "?" + files.Entry(j).state, expected[static_cast<std::size_t>(j)]);
      }
    }
  }
}

TEST(ProjectFile, ALockedFileIsNeitherWrittenNorRead) {
  const ScratchFile file;
  file.Write("[PROJECT_NAME]\r\nPROJECT_NUM=1\r\n");
  ProjectStore store;
  FillRandom(store, 7);
  HANDLE lock = CreateFileA(file.path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(SaveProjectFile(store, file.path()), 0);
  ProjectStore loaded;
  LoadInto(loaded, file.path());  // unreadable: nothing loaded, as the profile functions read nothing
  EXPECT_EQ(loaded.ProjectCount(), 1);
  CloseHandle(lock);
  EXPECT_EQ(file.Read(), "[PROJECT_NAME]\r\nPROJECT_NUM=1\r\n");
  EXPECT_EQ(GetFileAttributesA((file.path() + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ProjectFile, AnAbsentFileIsCreatedOnSaveAndLoadsNothing) {
  const ScratchFile file;
  DeleteFileA(file.path().c_str());
  ProjectStore store;
  LoadInto(store, file.path());
  EXPECT_EQ(store.ProjectCount(), 1);
  EXPECT_EQ(GetFileAttributesA(file.path().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(SaveProjectFile(store, file.path()), 1);
  EXPECT_EQ(file.Read(),
            "[PROJECT_NAME]\r\nPROJECT_NUM=1\r\n0=CURRENT OPENED FILES\r\n"
            "[CURRENT OPENED FILES]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n");
}

TEST(ProjectFile, ASaveStoppedPartWayLeavesThePreviousFile) {
  const ScratchFile file;
  ProjectStore first, second;
  FillLarge(first, 11, 40, 256);
  FillLarge(second, 12, 40, 256);
  ASSERT_EQ(SaveProjectFile(first, file.path()), 1);
  const std::string saved = file.Read();
  ASSERT_GT(saved.size(), 2u << 20);
  for (std::size_t stop : {std::size_t{1} << 20, std::size_t{2} << 20}) {
    SetWholeFileWriteHook([stop](std::size_t written) { return written < stop; });
    EXPECT_EQ(SaveProjectFile(second, file.path()), 0);
    SetWholeFileWriteHook(nullptr);
    EXPECT_EQ(file.Read(), saved);
    ProjectStore loaded;
    LoadInto(loaded, file.path());
    EXPECT_TRUE(SameProjects(loaded, first));
  }
  // The leftover of the interrupted save is replaced by the next one.
  ASSERT_EQ(SaveProjectFile(second, file.path()), 1);
  EXPECT_EQ(GetFileAttributesA((file.path() + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
  ProjectStore loaded;
  LoadInto(loaded, file.path());
  EXPECT_TRUE(SameProjects(loaded, second));
  DeleteFileA((file.path() + ".tmp").c_str());
}

// Run in a child process by the next test: saves two large stores in turn
// until it is killed.
TEST(ProjectFileKill, DISABLED_SaveForever) {
  char path[MAX_PATH];
  ASSERT_NE(GetEnvironmentVariableA("VELLORA_KILL_TEST_FILE", path, MAX_PATH), 0u);
  ProjectStore stores[2];
  FillLarge(stores[0], 21, 80, 256);
  FillLarge(stores[1], 22, 80, 256);
  for (int i = 0;; i ^= 1) SaveProjectFile(stores[i], path);
}

TEST(ProjectFileKill, AProcessKilledDuringASaveLeavesAWholeFile) {
  const ScratchFile file;
  ProjectStore stores[2];
  FillLarge(stores[0], 21, 80, 256);
  FillLarge(stores[1], 22, 80, 256);
  ASSERT_EQ(SaveProjectFile(stores[0], file.path()), 1);
  char exe[MAX_PATH];
  ASSERT_NE(GetModuleFileNameA(nullptr, exe, MAX_PATH), 0u);
  SetEnvironmentVariableA("VELLORA_KILL_TEST_FILE", file.path().c_str());
  for (DWORD delay : {700u, 1300u, 2100u}) {
    std::string command = std::string("\"") + exe +
                          "\" --gtest_also_run_disabled_tests --gtest_filter=ProjectFileKill.DISABLED_SaveForever";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    Sleep(delay);
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ProjectStore loaded;
    LoadInto(loaded, file.path());
    EXPECT_TRUE(SameProjects(loaded, stores[0]) || SameProjects(loaded, stores[1]))
        << "killed after " << delay << " ms";
  }
  DeleteFileA((file.path() + ".tmp").c_str());
}

TEST(ProjectFilePath, VelloraIniInTheSystemDirectory) {
  char directory[1024];
  const UINT length = GetSystemDirectoryA(directory, sizeof directory);
  ASSERT_GT(length, 0u);
  EXPECT_EQ(ProjectFilePath(), std::string(directory, length) + "\\Vellora.ini");
}
