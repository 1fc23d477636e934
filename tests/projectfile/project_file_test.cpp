// The project file on disk against the platform's profile functions: a save
// writes the bytes of the same calls made one by one; whatever a file holds
// loads as the platform reads it key by key and comes back whole from a
// save, and start-up reads the default project as it does; sharing,
// attributes and a save cut short leave the file sound.
#include "projects/project_file.h"

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "projects/ascii_text.h"
#include "projects/ini_text_rules.h"
#include "projects/project_file_format.h"
#include "projects/project_store.h"
#include "projects/whole_file.h"
#include "tests/support/stored_projects.h"
#include "tests/support/test_support.h"

namespace {

using namespace project_file;
using support::File;
using support::Project;
using support::Projects;
using support::ReadFile;
using support::StoredProjects;
using support::WriteFile;

constexpr char kDefault[] = "CURRENT OPENED FILES";

std::string State(std::mt19937& rng, bool active) {
  std::string hex;
  for (int i = 0; i < 152; ++i) hex += "0123456789abcdef"[rng() % 16];
  return "ALLSTATE=" + hex + "&PAGEMODE=" + std::to_string(rng() % 4) +
         "&LAYOUTMODE=1&SPLITTERPOSTION=" + std::to_string(rng() % 400) + "&PAGE=" + std::to_string(rng() % 900) +
         "&ZOOM_TYPE-VALUE=0:98304.000000&TOPSPOT_LEFT-TOP=-12:0" + (active ? "&ACTIVE=TRUE" : "");
}

// A store as capture and editing leave it: names in odd letter case, with
// blanks, quotes, "]", "=" and "?"; empty states; empty projects.
void FillRandom(ProjectStore& store, unsigned seed, int projects = 7, int files = 9) {
  static const std::vector<std::string> names = {
      "Manuals",     "manuals 2", "12/4/2026 Project1", "a = b",     "what?",   "say \"hi\"",
      "it's",        "[draft",    "Q&A; notes",         "\xC9t\xE9", "Stale",   "OTHER",
      "Two  Spaces", "=",         "tab\tinside",        " padded  ", "\"q r\"", "a]b",
      "'  x'"};
  std::mt19937 rng(seed);
  store.ClearAll();
  store.AddProject(kDefault);
  for (int p = 1; p < projects; ++p) {
    const std::string name = projects > 20 ? "Project " + std::to_string(p) : names[rng() % names.size()];
    const int index = store.AddProject(name);
    const int count = files > 20 ? files : static_cast<int>(rng() % files);
    for (int f = 0; f < count; ++f) {
      const std::string path = "/D/Docs " + std::to_string(p) + "/File " + std::to_string(f) + ".pdf";
      store.AddFile(path, rng() % 4 == 0 ? std::string() : State(rng, f == 0), index);
    }
    store.SetActiveIndex(name, count == 0 ? -1 : static_cast<int>(rng() % count));
  }
}

// What a file holds when the plug-in comes to it: earlier saves, stale
// projects, other programs' sections, comments, blank lines, keys in other
// letter case.
std::string ExistingFile(unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<std::string> pieces = {
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
  std::shuffle(pieces.begin(), pieces.end(), rng);
  pieces.resize(rng() % 6);
  std::string text;
  for (const std::string& piece : pieces) text += piece;
  return text;
}

std::string PlatformRead(const std::string& path, const std::string& section, const std::string& key, DWORD size) {
  std::vector<char> buffer(size);
  return std::string(buffer.data(),
                     GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), size, path.c_str()));
}

void PlatformWrite(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

// The save as one profile-function call per key; each project's section
// under its name as read back.
void PlatformSave(const ProjectStore& store, const std::string& path) {
  WritePrivateProfileStringA("PROJECT_NAME", nullptr, nullptr, path.c_str());
  PlatformWrite(path, "PROJECT_NAME", "PROJECT_NUM", std::to_string(store.ProjectCount()));
  for (int i = 0; i < store.ProjectCount(); ++i) PlatformWrite(path, "PROJECT_NAME", std::to_string(i), store.Name(i));
  for (int i = 0; i < store.ProjectCount(); ++i) {
    const std::string section(ProjectSection(*ProjectNameAsRead(store.Name(i))));
    const FileList& files = store.Files(i);
    WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path.c_str());
    PlatformWrite(path, section, "ActiveArticleIndex", std::to_string(files.ActiveIndex()));
    PlatformWrite(path, section, "OpenNum", std::to_string(files.Count()));
    for (int j = 0; j < files.Count(); ++j) {  // a value composed in a buffer of 1024 bytes
      PlatformWrite(path, section, std::to_string(j),
                    (files.Entry(j).path + "?" + files.Entry(j).state).substr(0, 1023));
    }
  }
}

// What the loader takes from a file, with the platform reading every key
// below the counts (at most up to maxKey) one by one: names as read, each
// section once; files as much as FileValueThatFits keeps of each whole value.
Projects PlatformProjects(const std::string& path, int maxKey) {
  Projects projects;
  const std::string count = PlatformRead(path, "PROJECT_NAME", "PROJECT_NUM", kProjectCountBuffer);
  std::vector<std::string> sections = {"project_name", "current opened files"};
  for (int i = 1; i < std::min(ReadInteger(count).value_or(0), maxKey + 1) && projects.size() < 255; ++i) {
    Project p{PlatformRead(path, "PROJECT_NAME", std::to_string(i), kProjectNameBuffer), -1, {}};
    std::string section(ini_text::Trim(p.name));
    for (char& c : section) c = FoldAscii(c);
    if (section.empty() || std::count(sections.begin(), sections.end(), section) > 0) continue;
    sections.push_back(section);
    const std::string active = PlatformRead(path, p.name, "ActiveArticleIndex", kNumberBuffer);
    if (!active.empty()) p.active = ReadInteger(active).value_or(0);
    const int files = ReadInteger(PlatformRead(path, p.name, "OpenNum", kNumberBuffer)).value_or(0);
    for (int j = 0; j < std::min(files, maxKey + 1) && p.files.size() < 256; ++j) {
      const std::string whole = PlatformRead(path, p.name, std::to_string(j), 1 << 16);
      const auto value = FileValueThatFits(whole);
      if (!value || value->empty() || value->front() == '?') continue;
      const std::size_t q = std::min(value->find('?'), value->size());
      p.files.push_back({std::string(value->substr(0, q)), std::string(value->substr(std::min(q + 1, value->size())))});
    }
    projects.push_back(p);
  }
  return projects;
}

ProjectStore LoadedFrom(const std::string& path) {
  ProjectStore store;
  store.AddProject(kDefault);
  EXPECT_EQ(LoadProjectFile(store, path), 1);
  return store;
}

TEST(ProjectFile, SaveWritesTheBytesOfTheProfileFunctionsAndLoadReadsAsTheyRead) {
  const support::TempFolder folder;
  const std::string ours = folder.Path("ours.ini"), theirs = folder.Path("theirs.ini");
  for (unsigned seed = 1; seed <= 60; ++seed) {
    ProjectStore store;
    FillRandom(store, seed);
    const std::string before = ExistingFile(seed);
    WriteFile(ours, before);
    WriteFile(theirs, before);
    ASSERT_EQ(SaveProjectFile(store, ours), 1);
    PlatformSave(store, theirs);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, theirs.c_str());
    ASSERT_EQ(ReadFile(ours), ReadFile(theirs)) << "seed " << seed << "\nbefore:\n" << before;
    EXPECT_EQ(StoredProjects(LoadedFrom(ours)), PlatformProjects(theirs, 300)) << "seed " << seed;
  }
}

// Files written by hand or by other tools load as the platform reads them,
// and a quit (load, save) and a second quit keep every project and file,
// renumbered from 1, each name as it was read.
TEST(ProjectFile, WhatAFileHoldsLoadsAsThePlatformReadsItAndSurvivesTwoQuits) {
  const std::string items = "PAGEMODE=2&PAGE=" + std::string(600, '7') + "&LAYOUTMODE=" + std::string(600, '1');
  std::string sparse =
      "[PROJECT_NAME]\r\nPROJECT_NUM=600\r\n511=D\r\n2=A\r\n270=C\r\n256=B\r\n[B]\r\nOpenNum=301\r\n"
      "300=/D/300.pdf?\r\n1=/D/1.pdf?\r\n256=/D/256.pdf?\r\n";
  for (const char* name : {"A", "C", "D"})
    sparse += "[" + std::string(name) + "]\r\nOpenNum=1\r\n0=/D/" + name + ".pdf?\r\n";
  const std::string rows[] = {
      /* 0 */
      "[PROJECT_NAME]\r\nPROJECT_NUM = 3 \r\n 1 = \"Quoted\" \r\n2='x'\r\n[quoted]\r\nOpenNum=\"2\"\r\n"
      "0= /D/a.pdf? \r\n1=\"/D/b.pdf?s\"\r\n[X]\r\nopennum=1\r\n0=/D/c.pdf\r\n",
      /* 1 */ "[PROJECT_NAME]\nPROJECT_NUM=2\n1=A\n[A]\nActiveArticleIndex=12345678\nOpenNum=3\n0=/D/" +
          std::string(2000, 'z') + "\n1=/D/b.pdf?" + items + "\n2=/D/c.pdf?" + std::string(1020, 's') + "\n",
      /* 2 */ "[PROJECT_NAME]\rPROJECT_NUM=2\r1=A\r[A]\rOpenNum=2\r0\r1=/D/x.pdf?\r[A]\rOpenNum=5\r",
      /* 3 */ sparse + "[C]\r\nOpenNum=0\r\n[PROJECT_NAME]\r\n1=second list\r\n",
      /* 4 */
      "[PROJECT_NAME]\r\nPROJECT_NUM=9\r\n1=a]b\r\n2=\"My Docs\"\r\n3=' spaced '\r\n4=  trail  \r\n5=x]\r\n"
      "6=project_name\r\n7=A]B\r\n8=' current opened files'\r\n"
      "[a]b]\r\nOpenNum=1\r\n0=/D/1.pdf?\r\n[My Docs]\r\nOpenNum=1\r\n0=/D/2.pdf?\r\n[spaced]\r\nOpenNum=1\r\n"
      "0=/D/3.pdf?\r\n[trail]\r\nOpenNum=1\r\n0=/D/4.pdf?\r\n[x]]\r\nOpenNum=1\r\n0=/D/5.pdf?\r\n",
      /* 5 */
      "[PROJECT_NAME]\r\nPROJECT_NUM=4\r\n01=Zero\r\n+2=Plus\r\n1=First\r\n1=Second\r\n3=\r\n[First]\r\nOpenNum=3\r\n"
      "02=/D/02.pdf?\r\n 2 =/D/2.pdf?\r\n2=/D/dup.pdf?\r\n",
      // 6: names read back in quotes, whose sections the names without the
      // quotes would share with others, or which would be nothing without them
      "[PROJECT_NAME]\r\nPROJECT_NUM=6\r\n1= '\"  Padded  \"' \r\n2=Padded\r\n3=\"\"\"\"\r\n"
      "4=\" \t'current opened files'\t \"\r\n5= padded \r\n[\"  Padded  \"]\r\nOpenNum=1\r\n0=/D/q.pdf?\r\n"
      "[  Padded\t]\r\nOpenNum=1\r\n0=/D/p.pdf?\r\n[\"\"]\r\nOpenNum=1\r\n0=/D/e.pdf?\r\n"
      "['current opened files']\r\nOpenNum=1\r\n0=/D/c.pdf?\r\n",
      // 7: values with blanks inside their quotes, at both ends, the start or
      // the end only, tabs, and states in quotes, their own or enclosing
      "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n1=Padded\r\n[Padded]\r\nActiveArticleIndex=0\r\nOpenNum=7\r\n"
      "0=\"  /D/padded.pdf?PAGE=1  \"\r\n1=\"  /D/lead.pdf?PAGE=2\"\r\n2='/D/trail.pdf?PAGE=3 '\r\n"
      "3=\"\t/D/tab.pdf?\t\"\r\n4=\"/D/in tab.pdf?PAGE=4\t\"\r\n5=/D/q.pdf?\"PAGE=5\"\r\n6='\"/D/o.pdf?PAGE=6\"'\r\n",
  };
  const support::TempFolder folder;
  const std::string path = folder.Path("hand.ini");
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    WriteFile(path, rows[i]);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    const Projects loaded = StoredProjects(LoadedFrom(path));
    EXPECT_EQ(loaded, PlatformProjects(path, 600)) << "row " << i;
    // A name may come back without its blanks and quotes.
    const auto asRead = [](Projects projects) {
      for (Project& p : projects) p.name = std::string(ProjectNameAsRead(p.name).value_or(p.name));
      return projects;
    };
    ASSERT_EQ(SaveProjectFile(LoadedFrom(path), path), 1) << "row " << i;
    const std::string firstQuit = ReadFile(path);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    EXPECT_EQ(asRead(PlatformProjects(path, 600)), asRead(loaded)) << "row " << i;
    ASSERT_EQ(SaveProjectFile(LoadedFrom(path), path), 1) << "row " << i;
    EXPECT_EQ(ReadFile(path), firstQuit) << "row " << i << ": the second quit";
  }
}

// Another program holds the file open: no save writes it; a load, and
// start-up, read it exactly when the platform's reader does.
TEST(ProjectFile, AFileHeldOpenByAnotherProgram) {
  const struct {
    DWORD share;  // the other program's sharing (~0: no file at all)
    bool read;    // the platform reads it
  } rows[] = {{0, false},
              {FILE_SHARE_READ, true},
              {FILE_SHARE_READ | FILE_SHARE_WRITE, true},
              {FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true},
              {~DWORD{0}, false}};
  const std::string text =
      "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n1=P\r\n[CURRENT OPENED FILES]\r\nOpenNum=1\r\n0=/D/a.pdf?\r\n";
  const support::TempFolder folder;
  const std::string path = folder.Path("held.ini");
  ProjectStore store;
  FillRandom(store, 7);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    DeleteFileA(path.c_str());
    if (rows[i].share != ~DWORD{0}) WriteFile(path, text);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    const HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, rows[i].share, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(!PlatformRead(path, "PROJECT_NAME", "PROJECT_NUM", 10).empty(), rows[i].read) << "row " << i;
    EXPECT_EQ(LoadedFrom(path).ProjectCount(), rows[i].read ? 2 : 1) << "row " << i;
    EXPECT_EQ(ReadStartupProject(path).entries.size(), rows[i].read ? 1u : 0u) << "row " << i;
    if (other != INVALID_HANDLE_VALUE) {
      EXPECT_EQ(SaveProjectFile(store, path), 0) << "row " << i;
      CloseHandle(other);
      EXPECT_EQ(ReadFile(path), text) << "row " << i;
    } else {
      EXPECT_EQ(SaveProjectFile(store, path), 1) << "row " << i << ": an absent file is made";
    }
    EXPECT_EQ(GetFileAttributesA((path + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES) << "row " << i;
  }
}

// The access rules (DACL) of a file, as text.
std::string AccessRules(const std::string& path) {
  PSECURITY_DESCRIPTOR rules = nullptr;
  PACL dacl = nullptr;
  if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                            nullptr, &rules) != ERROR_SUCCESS)
    return "(none)";
  char* text = nullptr;
  ConvertSecurityDescriptorToStringSecurityDescriptorA(rules, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text,
                                                       nullptr);
  const std::string rulesText = text != nullptr ? text : "(none)";
  LocalFree(text);
  LocalFree(rules);
  return rulesText;
}

// A save keeps the file's attributes and access rules (here some only the
// system and administrators have), and where no file can be made beside it
// (here the temporary file's name is taken by a folder) it writes the file
// in place.
TEST(ProjectFile, ASaveKeepsTheFileAndItsAttributes) {
  const struct {
    DWORD attributes;
    bool folderInTheWay;
    const char* rules;
  } rows[] = {{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE, false, nullptr},
              {FILE_ATTRIBUTE_ARCHIVE, true, nullptr},
              {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE, true, nullptr},
              {FILE_ATTRIBUTE_ARCHIVE, false, "D:P(A;;FA;;;SY)(A;;FA;;;BA)"}};
  const support::TempFolder folder;
  const std::string path = folder.Path("kept.ini");
  ProjectStore store;
  FillRandom(store, 3);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (rows[i].rules != nullptr) {
      const std::string usual = AccessRules(path);
      PSECURITY_DESCRIPTOR rules = nullptr;
      ConvertStringSecurityDescriptorToSecurityDescriptorA(rows[i].rules, SDDL_REVISION_1, &rules, nullptr);
      SECURITY_ATTRIBUTES security{sizeof(security), rules, FALSE};
      DeleteFileA(path.c_str());
      CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, &security, CREATE_NEW, 0, nullptr));
      LocalFree(rules);
      ASSERT_NE(AccessRules(path), usual) << "row " << i << ": the rules of a new file";
    }
    WriteFile(path, "[Other]\r\nk=1\r\n");
    const std::string rules = AccessRules(path);
    SetFileAttributesA(path.c_str(), rows[i].attributes);
    if (rows[i].folderInTheWay) CreateDirectoryA((path + ".tmp").c_str(), nullptr);
    EXPECT_EQ(SaveProjectFile(store, path), 1) << "row " << i;
    EXPECT_EQ(GetFileAttributesA(path.c_str()), rows[i].attributes) << "row " << i;
    EXPECT_EQ(AccessRules(path), rules) << "row " << i;
    EXPECT_EQ(StoredProjects(LoadedFrom(path)), StoredProjects(store)) << "row " << i;
    EXPECT_EQ(support::Profile("Other", "k", path), "1") << "row " << i;
    RemoveDirectoryA((path + ".tmp").c_str());
  }
}

TEST(ProjectFile, ASaveStoppedPartWayLeavesThePreviousFile) {
  const support::TempFolder folder;
  const std::string path = folder.Path("stopped.ini");
  ProjectStore first, second;
  FillRandom(first, 11, 40, 256);
  FillRandom(second, 12, 40, 256);
  ASSERT_EQ(SaveProjectFile(first, path), 1);
  const std::string saved = ReadFile(path);
  ASSERT_GT(saved.size(), 2u << 20);
  for (std::size_t stop : {std::size_t{1} << 20, std::size_t{2} << 20}) {
    SetWholeFileWriteHook([stop](std::size_t written) { return written < stop; });
    EXPECT_EQ(SaveProjectFile(second, path), 0);
    SetWholeFileWriteHook(nullptr);
    EXPECT_EQ(ReadFile(path), saved);
  }
  // The leftover of the interrupted save is replaced by the next one.
  ASSERT_EQ(SaveProjectFile(second, path), 1);
  EXPECT_EQ(GetFileAttributesA((path + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(StoredProjects(LoadedFrom(path)), StoredProjects(second));
  // A program that opens the file after the save's check and before its move
  // (sharing no deletion) makes the move fail: the file stays as it was and
  // nothing is left beside it.
  const HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
  EXPECT_FALSE(ReplaceWholeFile(path, "[Other]\r\nk=1\r\n"));
  CloseHandle(other);
  EXPECT_EQ(GetFileAttributesA((path + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(StoredProjects(LoadedFrom(path)), StoredProjects(second));
}

// What start-up restore takes from the project file against the platform's
// profile functions: the entries and the active index ReadStartupProject
// gives are what GetPrivateProfileStringA gives key by key (every key below
// "OpenNum" up to maxKey), each value as much as the loader keeps of it.
void ExpectStartupAsThePlatformReads(const std::string& path, int maxKey, const std::string& label) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // no cached copy
  StartupProject platform;
  const std::string count = PlatformRead(path, kDefault, "OpenNum", kStartupNumberBuffer);
  for (int i = 0; !count.empty() && i < std::min(ReadInteger(count).value_or(0), maxKey + 1); ++i) {
    const std::string whole = PlatformRead(path, kDefault, std::to_string(i), 1 << 16);
    const auto value = FileValueThatFits(whole);
    if (value && !value->empty() && platform.entries.size() < 256) platform.entries.emplace_back(*value);
  }
  const std::string active = PlatformRead(path, kDefault, "ActiveArticleIndex", kStartupNumberBuffer);
  if (!active.empty()) platform.activeIndex = ReadInteger(active);
  const StartupProject ours = ReadStartupProject(path);
  EXPECT_EQ(ours.entries, platform.entries) << label;
  EXPECT_EQ(ours.activeIndex, platform.activeIndex) << label;
}

std::string LongEntry(int i, std::size_t length) {
  std::string path = "/C/Docs/File " + std::to_string(i) + ".pdf?PAGE=1&ZOOM_TYPE-VALUE=0:65536.000000";
  while (path.size() < length) path += "&X=" + std::to_string(i);
  return path;
}

// A project section of `entries` entries of about `length` characters.
std::string SectionOf(const std::string& header, int entries, std::size_t length) {
  std::string text = header + "\r\nActiveArticleIndex=" + std::to_string(entries / 2) +
                     "\r\nOpenNum=" + std::to_string(entries) + "\r\n";
  for (int i = 0; i < entries; ++i) text += std::to_string(i) + "=" + LongEntry(i, length) + "\r\n";
  return text;
}

// Sections longer than a first read, and far into the file: `before`
// projects, the default one of `entries` entries, then, when `after`, more
// projects and a second default section.
std::string LargeFile(int before, int entries, bool after) {
  std::string text;
  for (int p = 0; p < before; ++p) text += SectionOf("[Project " + std::to_string(p) + "]", 64, 200);
  text += SectionOf("[CURRENT OPENED FILES]", entries, 700);
  for (int p = 0; after && p < 20; ++p) text += SectionOf("[Later " + std::to_string(p) + "]", 64, 200);
  return after ? text + SectionOf("[CURRENT OPENED FILES]", 300, 100) : text;
}

TEST(DefaultSectionDifferential, HandDamagedAndLargeFiles) {
  const std::string nul(1, '\0'), kSection = "[CURRENT OPENED FILES]";
  const std::string rows[] = {
      /* 0 */ SectionOf(kSection, 3, 40),
      /* 1 */ SectionOf(kSection, 1, 30) + SectionOf(kSection, 4, 30),
      /* 2 */ "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n1=P\r\n" + SectionOf("[P]", 3, 50) + SectionOf(kSection, 2, 50),
      /* 3 */ kSection + "\r\nOpenNum=1234567890123\r\nActiveArticleIndex=\"123456789\"\r\n0=" +
          std::string(2000, 'b') + "\r\n1=\"" + std::string(1022, 'q') + "\"\r\n2=/C/x.pdf?" + std::string(1023, 'e') +
          "\r\n3=" + LongEntry(3, 1100) + "\r\n",
      /* 4 */ kSection + "\r\nOpenNum=\"12345678\"\r\nActiveArticleIndex='1234567'\r\n",
      /* 5 */ "[CURRENT OPENED FILES]]\r\nOpenNum=9\r\n" + SectionOf("[CURRENT OPENED FILES]x", 2, 20),
      /* 6 */ "OpenNum=2\r\n0=/C/a.pdf?\r\n[CURRENT OPENED FILES]\r\n1=/C/b.pdf?\r\n[]\r\nOpenNum=1\r\n",
      /* 7 */ "[CURRENT OPENED FILES" + nul + "junk]\r\nOpenNum=1\r\n0=/C/n.pdf?\r\n",
      // Keys present however sparse, read as a lookup finds them.
      /* 8 */ kSection + "\r\nOpenNum=301\r\n300=/C/300.pdf?\r\n1=/C/1.pdf?\r\n256=/C/256.pdf?\r\n01=/C/01.pdf?\r\n",
      /* 9 */ kSection + "\r\nOpenNum=999999999\r\n5=/C/5.pdf?\r\n0=/C/0.pdf?\r\n+7=/C/7.pdf?\r\n",
      /* 10 */ SectionOf("[ \"CURRENT OPENED FILES\" ]", 2, 20) + SectionOf("[\tCURRENT  OPENED FILES]", 2, 20) +
          SectionOf("[ \t CURRENT OPENED FILES\t ]", 3, 20),
      /* 11 */ LargeFile(0, 256, true),
      /* 12 */ LargeFile(40, 256, true),
      /* 13 */ LargeFile(20, 300, false),
      /* 14 */ LargeFile(30, 8, true),
  };
  const support::TempFolder folder;
  const std::string path = folder.Path("damaged.ini");
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    WriteFile(path, rows[i]);
    ExpectStartupAsThePlatformReads(path, 310, "row " + std::to_string(i));
  }
}

}  // namespace
