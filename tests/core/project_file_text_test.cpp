#include "projects/project_file_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "projects/ini_document.h"
#include "projects/project_store.h"
#include "tests/support/stored_projects.h"

namespace {

constexpr char kDefault[] = "CURRENT OPENED FILES";
const std::string kHead = "[PROJECT_NAME]\r\nPROJECT_NUM=";
const std::string kDefaultSection = "[CURRENT OPENED FILES]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n";
const std::string kState = "ALLSTATE=00ff&PAGEMODE=2&PAGE=4";

using support::File;
using support::Project;
using support::Projects;

// A store as the capture leaves it, plus the projects given.
ProjectStore Filled(const Projects& projects) {
  ProjectStore store;
  store.AddProject(kDefault);
  for (const Project& p : projects) {
    const int index = store.AddProject(p.name);
    for (const File& f : p.files) store.AddFile(f.path, f.state, index);
    store.SetActiveIndex(p.name, p.active);
  }
  return store;
}

// The text of the calls one by one, which the one-pass save must give too.
std::string Saved(const Projects& projects, const std::string& before = "") {
  IniDocument doc = IniDocument::Parse(before);
  WriteProjects(Filled(projects), doc);
  EXPECT_EQ(WriteProjectsToText(Filled(projects), before), doc.Serialize()) << "the one-pass save";
  return doc.Serialize();
}

// The projects after the default one that loading the text adds.
Projects Loaded(const std::string& text) {
  ProjectStore store = Filled({});
  ReadProjects(IniDocument::Parse(text), store);
  return support::StoredProjects(store);
}

// [PROJECT_NAME] listing the names under the keys given.
std::string NameList(const std::string& count, const std::vector<std::pair<int, std::string>>& keys) {
  std::string text = kHead + count + "\r\n";
  for (const auto& [key, name] : keys) text += std::to_string(key) + "=" + name + "\r\n";
  return text;
}

TEST(ProjectFileText, SavedText) {
  const std::string longest(255, 'm');
  const struct {
    Projects projects;
    std::string before, after;
  } rows[] = {
      // 0: only the default project
      {{}, "", kHead + "1\r\n0=CURRENT OPENED FILES\r\n" + kDefaultSection},
      // 1: a renamed project leaves its old section where it was
      {{{"New", 0, {{"/D/b.pdf", ""}}}},
       "[Old]\r\nOpenNum=1\r\n0=/D/a.pdf?\r\n" + kHead + "2\r\n1=Old\r\n",
       "[Old]\r\nOpenNum=1\r\n0=/D/a.pdf?\r\n" + kHead + "2\r\n0=CURRENT OPENED FILES\r\n1=New\r\n" + kDefaultSection +
           "[New]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/D/b.pdf?\r\n"},
      // Names come back as the reader reads them, each finding its section.
      // 2: names with blanks, quotes and "]", and the longest name the reader takes
      {{{"  padded  ", -1, {}}, {"\"q r\"", -1, {{"/D/q.pdf", ""}}}, {"a]b", -1, {}}, {longest, -1, {}}},
       "",
       kHead + "5\r\n0=CURRENT OPENED FILES\r\n1=padded\r\n2=\"q r\"\r\n3=a]b\r\n4=" + longest + "\r\n" +
           kDefaultSection +
           "[padded]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n[q r]\r\nActiveArticleIndex=-1\r\n"
           "OpenNum=1\r\n0=/D/q.pdf?\r\n[a]b]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n[" +
           longest +
           "]\r\n"
           "ActiveArticleIndex=-1\r\nOpenNum=0\r\n"},
      // 3: names that cannot come back, or come back as an earlier one; in
      // quotes that they would lose as nothing or another's, they keep them
      {{{"Project_Name", -1, {}},
        {"\"\"", -1, {}},
        {"two\r\nlines", -1, {}},
        {std::string(256, 'n'), -1, {}},
        {"Keep", -1, {}},
        {"keep ", -1, {}},
        {"'current opened files'", -1, {}}},
       "",
       kHead + "4\r\n0=CURRENT OPENED FILES\r\n1=\"\"\"\"\r\n2=Keep\r\n3=\"'current opened files'\"\r\n" +
           kDefaultSection +
           "[\"\"]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n[Keep]\r\nActiveArticleIndex=-1\r\n"
           "OpenNum=0\r\n['current opened files']\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n"},
      // 4: every section of a written name goes, not only the first
      {{{"A", 0, {{"/D/new.pdf", ""}}}},
       "[project_name]\r\n1=Stale\r\n[A]\r\n0=/D/old.pdf?\r\n[PROJECT_NAME]\r\n[a]\r\nOpenNum=0\r\n[Other]\r\n",
       "[Other]\r\n" + kHead + "2\r\n0=CURRENT OPENED FILES\r\n1=A\r\n" + kDefaultSection +
           "[A]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/D/new.pdf?\r\n"},
      // 5: values that would lose blanks at their ends or their own quotes go
      // in added quotes; a state with a line break or NUL leaves the path
      // alone; a path with one leaves the file out
      {{{"F",
         2,
         {{"/D/x\ny.pdf", ""},
          {" /D/a.pdf", "S\t"},
          {"/D/b.pdf", "2\r\n"},
          {"/D/n.pdf", {"a\0b", 3}},
          {"'/D/c", "'"}}}},
       "",
       kHead + "2\r\n0=CURRENT OPENED FILES\r\n1=F\r\n" + kDefaultSection +
           "[F]\r\nActiveArticleIndex=1\r\nOpenNum=4\r\n0=\" /D/a.pdf?S\t\"\r\n1=/D/b.pdf?\r\n2=/D/n.pdf?\r\n"
           "3=\"'/D/c?'\"\r\n"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    EXPECT_EQ(Saved(rows[i].projects, rows[i].before), rows[i].after);
  }
}

TEST(ProjectFileText, LoadTakesWhatIsThereAndNoMore) {
  const struct {
    std::string file;
    Projects expected;
  } rows[] = {
      // 0: no file
      {"", {}},
      // 1: a count without names
      {NameList("3", {}), {}},
      // 2: a name key missing
      {NameList("3", {{1, "A"}}) + "[A]\r\nOpenNum=0\r\n", {{"A", -1, {}}}},
      // 3: file keys missing
      {NameList("2", {{1, "A"}}) + "[A]\r\nActiveArticleIndex=1\r\nOpenNum=3\r\n0=/D/x.pdf?s0\r\n2=/D/z.pdf?s2\r\n",
       {{"A", 1, {{"/D/x.pdf", "s0"}, {"/D/z.pdf", "s2"}}}}},
      // 4: key 0 is never read
      {NameList("2", {{0, "Other"}, {1, "A"}}), {{"A", -1, {}}}},
      // 5: no OpenNum, empty and odd values
      {NameList("4", {{1, "A"}, {2, "B"}, {3, ""}}) +
           "[A]\r\n0=/D/x.pdf?s\r\n[B]\r\nOpenNum=5\r\n0=\r\n"
           "1=/D/nomark.pdf\r\n2=?state only\r\n3=/D/q.pdf?a?b\r\n4=\"/D/quoted.pdf?\"\r\n",
       {{"A", -1, {}}, {"B", -1, {{"/D/nomark.pdf", ""}, {"/D/q.pdf", "a?b"}, {"/D/quoted.pdf", ""}}}}},
      // 6: counts that are not plain numbers
      {NameList(" +2xyz", {{1, "A"}}) + "[A]\r\nActiveArticleIndex=7 files\r\nOpenNum=1e9\r\n0=/D/x.pdf?\r\n",
       {{"A", 7, {{"/D/x.pdf", ""}}}}},
      // 7: a negative count
      {NameList("-5", {{1, "A"}}), {}},
      // 8: a count that is no number
      {NameList("many", {{1, "A"}}), {}},
      // 9: numbered keys present, however sparse and however large the count
      {NameList("999999999", {{511, "D"}, {270, "C"}, {256, "B"}, {2, "A"}, {1000000000, "beyond"}}) +
           "[C]\r\nOpenNum=999999\r\n300=/D/300.pdf?\r\n1=/D/1.pdf?\r\n256=/D/256.pdf?\r\n",
       {{"A", -1, {}},
        {"B", -1, {}},
        {"C", -1, {{"/D/1.pdf", ""}, {"/D/256.pdf", ""}, {"/D/300.pdf", ""}}},
        {"D", -1, {}}}},
      // 10: keys with a leading zero or a sign are not the numbers asked for
      {NameList("3", {{1, "A"}}) + "02=B\r\n+2=C\r\n[A]\r\nOpenNum=3\r\n01=/D/lead.pdf?\r\n+1=/D/sign.pdf?\r\n"
                                   "2=/D/2.pdf?\r\n",
       {{"A", -1, {{"/D/2.pdf", ""}}}}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(Loaded(rows[i].file), rows[i].expected) << "row " << i;
  }
}

TEST(ProjectFileText, LoadStopsAt256ProjectsAnd256Files) {
  std::string file = kHead + "999999999\r\n";
  for (int i = 1; i < 300; ++i) file += std::to_string(i) + "=P" + std::to_string(i) + "\r\n";
  file += "[P1]\r\nOpenNum=9999999\r\n";
  for (int j = 0; j < 300; ++j) file += std::to_string(j) + "=/D/" + std::to_string(j) + ".pdf?\r\n";
  const Projects loaded = Loaded(file);
  ASSERT_EQ(loaded.size(), 255u);
  EXPECT_EQ(loaded[254].name, "P255");
  ASSERT_EQ(loaded[0].files.size(), 256u);
  EXPECT_EQ(loaded[0].files[255].path, "/D/255.pdf");
}

// A file value longer than the reader's 1023 characters keeps its path and
// the items of its state that fit whole; a value whose path does not fit is
// left out. Saving applies the same rule, so a save writes what loads.
TEST(ProjectFileText, ValuesLongerThanTheBufferKeepTheirPathAndWholeItems) {
  const std::string path = "/D/" + std::string(600, 'p') + ".pdf";       // 607 characters
  const std::string item = "&PAGE=" + std::string(200, '1');             // 206 characters
  const std::string state = "PAGEMODE=2" + item + item;                  // 422: "<path>?<state>" is 1030
  const std::string fits = "/D/" + std::string(1022 - 7, 'e') + ".pdf";  // "<path>?" is 1023 characters
  const std::string tooLong = "/D/" + std::string(1100, 'q') + ".pdf";
  const std::string exact =
      "/D/" + std::string(1023 - 7 - 1 - 10 - 206, 'x') + ".pdf";  // "<path>?<state>" is 1023 less one item
  const Projects expected = {
      {"A", 1, {{path, "PAGEMODE=2" + item}, {fits, ""}, {exact, "PAGEMODE=2" + item}, {"/D/ok.pdf", kState}}}};
  const std::string over = kState + "&X=" + std::string(980, 'x');  // "/D/ok.pdf?<over>" is 1024 characters
  const Projects saved = {
      {"A", 2, {{tooLong, ""}, {path, state}, {fits, ""}, {exact, "PAGEMODE=2" + item}, {"/D/ok.pdf", over}}}};
  EXPECT_EQ(Loaded(Saved(saved)), expected) << "saved";
  const std::string file = NameList("2", {{1, "A"}}) + "[A]\r\nActiveArticleIndex=1\r\nOpenNum=5\r\n0=" + tooLong +
                           "?\r\n1=" + path + "?" + state + "\r\n2=" + fits + "?\r\n3=" + exact + "?PAGEMODE=2" + item +
                           "\r\n4=/D/ok.pdf?" + over + "\r\n";
  EXPECT_EQ(Loaded(file), expected) << "written by hand";
}

}  // namespace
