#include "projects/project_file_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "projects/ini_document.h"
#include "projects/project_store.h"

namespace {

constexpr char kDefault[] = "CURRENT OPENED FILES";

struct File {
  std::string path, state;
  bool operator==(const File&) const = default;
};
struct Project {
  std::string name;
  int active = -1;
  std::vector<File> files;
  bool operator==(const Project&) const = default;
};

// A store as the capture leaves it, plus the projects given.
void Fill(ProjectStore& store, const std::vector<Project>& projects) {
  store.ClearAll();
  store.AddProject(kDefault);
  for (const Project& p : projects) {
    const int index = store.AddProject(p.name);
    for (const File& f : p.files) store.AddFile(f.path, f.state, index);
    store.SetActiveIndex(p.name, p.active);
  }
}

std::vector<Project> Contents(const ProjectStore& store) {
  std::vector<Project> out;
  for (int i = 0; i < store.ProjectCount(); ++i) {
    Project p{store.Name(i), store.Files(i).ActiveIndex(), {}};
    for (int j = 0; j < store.Files(i).Count(); ++j) {
      p.files.push_back({store.Files(i).Entry(j).path, store.Files(i).Entry(j).state});
    }
    out.push_back(p);
  }
  return out;
}

std::string Saved(const std::vector<Project>& projects, const std::string& before = "") {
  ProjectStore store;
  Fill(store, projects);
  IniDocument doc = IniDocument::Parse(before);
  WriteProjects(store, doc);
  return doc.Serialize();
}

std::vector<Project> Loaded(const std::string& text) {
  ProjectStore store;
  Fill(store, {});
  ReadProjects(IniDocument::Parse(text), store);
  return Contents(store);
}

const std::string kState = "ALLSTATE=00ff&PAGEMODE=2&PAGE=4";

}  // namespace

TEST(ProjectFileText, DefaultOnlyStore) {
  EXPECT_EQ(Saved({}),
            "[PROJECT_NAME]\r\nPROJECT_NUM=1\r\n0=CURRENT OPENED FILES\r\n"
            "[CURRENT OPENED FILES]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n");
}

TEST(ProjectFileText, SavedProjectsLoadBackTheSame) {
  const std::vector<Project> projects = {
      {"12/4/2026 Project1", 1, {{"/D/Docs/Guide.pdf", kState}, {"/D/Docs/Notes.pdf", ""}}},
      {"Manuals", -1, {}},
      {"odd \"name\" = a?b", 0, {{"/D/a b/c.pdf", kState + "&ACTIVE=TRUE"}}},
  };
  const std::vector<Project> loaded = Loaded(Saved(projects));
  ASSERT_EQ(loaded.size(), 4u);
  EXPECT_EQ(std::vector<Project>(loaded.begin() + 1, loaded.end()), projects);
}

TEST(ProjectFileText, RenamedProjectLeavesItsOldSectionWhichLoadIgnores) {
  const std::string first = Saved({{"Old", 0, {{"/D/a.pdf", kState}}}});
  const std::string second = Saved({{"New", 0, {{"/D/b.pdf", ""}}}}, first);
  EXPECT_EQ(second, "[Old]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/D/a.pdf?" + kState +
                        "\r\n[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n0=CURRENT OPENED FILES\r\n1=New\r\n"
                        "[CURRENT OPENED FILES]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n"
                        "[New]\r\nActiveArticleIndex=0\r\nOpenNum=1\r\n0=/D/b.pdf?\r\n");
  const std::vector<Project> loaded = Loaded(second);
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[1], (Project{"New", 0, {{"/D/b.pdf", ""}}}));
}

TEST(ProjectFileText, LoadTakesWhatIsThereAndNoMore) {
  const struct {
    const char* name;
    std::string file;
    std::vector<Project> expected;  // projects after the default one
  } cases[] = {
      {"no file", "", {}},
      {"count without names", "[PROJECT_NAME]\r\nPROJECT_NUM=3\r\n", {}},
      {"missing name key",
       "[PROJECT_NAME]\r\nPROJECT_NUM=3\r\n0=CURRENT OPENED FILES\r\n1=A\r\n[A]\r\nOpenNum=0\r\n",
       {{"A", -1, {}}}},
      {"missing file keys",
       "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n1=A\r\n[A]\r\nActiveArticleIndex=1\r\nOpenNum=3\r\n0=/D/x.pdf?s0\r\n"
       "2=/D/z.pdf?s2\r\n",
       {{"A", 1, {{"/D/x.pdf", "s0"}, {"/D/z.pdf", "s2"}}}}},
      {"key 0 is never read", "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n0=Other\r\n1=A\r\n", {{"A", -1, {}}}},
      {"no OpenNum, empty and odd values",
       "[PROJECT_NAME]\r\nPROJECT_NUM=4\r\n1=A\r\n2=B\r\n3=\r\n[A]\r\n0=/D/x.pdf?s\r\n[B]\r\nOpenNum=5\r\n0=\r\n"
       "1=/D/nomark.pdf\r\n2=?state only\r\n3=/D/q.pdf?a?b\r\n4=\"/D/quoted.pdf?\"\r\n",
       {{"A", -1, {}}, {"B", -1, {{"/D/nomark.pdf", ""}, {"/D/q.pdf", "a?b"}, {"/D/quoted.pdf", ""}}}}},
      {"counts that are not plain numbers",
       "[PROJECT_NAME]\r\nPROJECT_NUM= +2xyz\r\n1=A\r\n[A]\r\nActiveArticleIndex=7 files\r\nOpenNum=1e9\r\n"
       "0=/D/x.pdf?\r\n",
       {{"A", 7, {{"/D/x.pdf", ""}}}}},
      {"negative and non-numeric counts", "[PROJECT_NAME]\r\nPROJECT_NUM=-5\r\n1=A\r\n", {}},
      {"not a number", "[PROJECT_NAME]\r\nPROJECT_NUM=many\r\n1=A\r\n", {}},
      {"names that cannot be stored or repeat",
       "[PROJECT_NAME]\r\nPROJECT_NUM=6\r\n1=project_name\r\n2=a]b\r\n3=A\r\n4=a\r\n5=current opened files\r\n"
       "[A]\r\nOpenNum=1\r\n0=/D/x.pdf?\r\n",
       {{"A", -1, {{"/D/x.pdf", ""}}}}},
  };
  for (const auto& c : cases) {
    const std::vector<Project> loaded = Loaded(c.file);
    ASSERT_FALSE(loaded.empty()) << c.name;
    EXPECT_EQ(loaded[0], (Project{kDefault, -1, {}})) << c.name;
    EXPECT_EQ(std::vector<Project>(loaded.begin() + 1, loaded.end()), c.expected) << c.name;
  }
}

TEST(ProjectFileText, LoadStopsAt256ProjectsAnd256Files) {
  std::string file = "[PROJECT_NAME]\r\nPROJECT_NUM=999999999\r\n";
  for (int i = 1; i < 300; ++i) file += std::to_string(i) + "=P" + std::to_string(i) + "\r\n";
  file += "[P1]\r\nOpenNum=9999999\r\n";
  for (int j = 0; j < 300; ++j) file += std::to_string(j) + "=/D/" + std::to_string(j) + ".pdf?\r\n";
  const std::vector<Project> loaded = Loaded(file);
  ASSERT_EQ(loaded.size(), 256u);
  EXPECT_EQ(loaded[255].name, "P255");
  ASSERT_EQ(loaded[1].files.size(), 256u);
  EXPECT_EQ(loaded[1].files[255].path, "/D/255.pdf");
}

TEST(ProjectFileText, LongValuesAreCutOnReadAndNeverWrittenPastTheBuffer) {
  const std::string path = "/D/" + std::string(600, 'p') + ".pdf";  // 607 characters
  const std::string state(500, 's');
  // Read: a hand-made value of 1024 characters is cut to 1023.
  const std::vector<Project> loaded =
      Loaded("[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n1=A\r\n[A]\r\nOpenNum=1\r\n0=" + path + "?" + state + "\r\n");
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[1].files, (std::vector<File>{{path, state.substr(0, 1023 - path.size() - 1)}}));

  // Write: a file whose value would pass 1023 characters keeps its path and
  // loses its state; one whose path alone does not fit is left out, and the
  // active index follows its file.
  const std::string too_long = "/D/" + std::string(1100, 'q') + ".pdf";
  const std::string exact = "/D/" + std::string(1022 - 7, 'e') + ".pdf";  // "<path>?" is 1023 characters
  const std::vector<Project> saved =
      Loaded(Saved({{"A", 2, {{too_long, ""}, {path, state}, {exact, ""}, {"/D/ok.pdf", kState}}}}));
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[1], (Project{"A", 1, {{path, ""}, {exact, ""}, {"/D/ok.pdf", kState}}}));
}

TEST(ProjectFileText, NamesAreWrittenAsTheyComeBackAndThoseThatCannotAreNot) {
  ProjectStore store;
  Fill(store, {{"Keep", -1, {}}});
  store.AddProject("Project_Name");
  store.AddProject(" padded ");
  store.AddProject("'keep'");
  IniDocument doc;
  WriteProjects(store, doc);
  EXPECT_EQ(doc.Serialize(),
            "[PROJECT_NAME]\r\nPROJECT_NUM=3\r\n0=CURRENT OPENED FILES\r\n1=Keep\r\n2=padded\r\n"
            "[CURRENT OPENED FILES]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n"
            "[Keep]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n[padded]\r\nActiveArticleIndex=-1\r\nOpenNum=0\r\n");
}

TEST(ProjectFileText, EverySectionOfAWrittenNameIsReplaced) {
  const std::string before =
      "[project_name]\r\nPROJECT_NUM=2\r\n1=Stale\r\n[A]\r\nOpenNum=1\r\n0=/D/old.pdf?\r\n[PROJECT_NAME]\r\n"
      "PROJECT_NUM=1\r\n[a]\r\nOpenNum=0\r\n";
  const std::vector<Project> loaded = Loaded(Saved({{"A", 0, {{"/D/new.pdf", ""}}}}, before));
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[1], (Project{"A", 0, {{"/D/new.pdf", ""}}}));
}

TEST(ProjectFileText, OnePassSaveGivesTheTextOfTheCallsOneByOne) {
  using std::string_literals::operator""s;
  const std::vector<Project> projects = {
      {"A", 0, {{"/D/a.pdf", kState}, {"/D/b.pdf", ""}}},
      {"b", 1, {{"/D/" + std::string(1100, 'q') + ".pdf", ""}, {"/D/c.pdf", kState}}},
  };
  // Files as the save finds them; those that do not read back as they stand
  // (a NUL byte, a second unnamed section) take the calls one by one.
  const struct {
    std::string text;
    bool reads_back;
  } befores[] = {
      {"", true},
      {"\xEF\xBB\xBF; comment\r\n[Other]\r\nx = 1 "
       "\r\n[a]\r\nOpenNum=9\r\n[PROJECT_NAME]\r\n1=Gone\r\n[B]\r\n[Gone]\r\n",
       true},
      {"[Other]\r\nk=\"quoted\"\r\n[a]\r\n[A]\r\n[project_name]\r\n=1\r\n=2\r\n", true},
      {"top=1\r\n[A]\r\nk=v\0cut\r\n[Other]\r\ny=2\r\n"s, false},
      {"=1\r\n[A]\r\n=2\r\n[]\r\n=3\r\n[Other]\r\n", false},
  };
  ProjectStore store;
  Fill(store, projects);
  for (const auto& before : befores) {
    EXPECT_EQ(IniDocument::Parse(before.text).ReadsBackAsItStands(), before.reads_back) << before.text;
    IniDocument by_calls = IniDocument::Parse(before.text);
    WriteProjects(store, by_calls);
    EXPECT_EQ(WriteProjectsToText(store, before.text), by_calls.Serialize()) << before.text;
  }
}
