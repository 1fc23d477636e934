// A user whom the system folder refuses keeps a project file of their own:
// the save's choice of file row by row, and the stories through the real DLL
// in the stand-in host. Run as such a user (cmake/run-as-user.sh): the
// NoSystemFile suite with no Vellora.ini in the system folder, the
// SystemFile suite with system_file.ini there, which the user cannot change.
#include <gtest/gtest.h>

#include <string>

#include "host/scoped_handle.h"
#include "host/system_error_text.h"
#include "projects/project_file.h"
#include "projects/project_store.h"
#include "res/resource_ids.h"
#include "tests/support/checks.h"
#include "tests/support/stored_projects.h"
#include "ui/ui_kit.h"

namespace {

using namespace support;
using standin::HostStory;

constexpr char kDefault[] = "CURRENT OPENED FILES";
constexpr char kSheet[] = "Vellora v1.51";
constexpr char kButton[] = "Vellora:FavoritePDFConfig";
constexpr char kBox[] = "Vellora: nothing saved";

void Start(HostStory& story) { ASSERT_EQ(story.Start(PlugInDllPath()).initialized, true); }

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }

// A path tried and the system's reason, as a failed save names them.
std::string Tried(const std::string& path, DWORD error) {
  std::string reason = SystemErrorText(error);
  return path + ": " + reason.erase(reason.find_last_not_of(" \r\n") + 1);
}

// Waits for the box that says nothing was saved, checks its owner, pictures
// it and answers it.
void AnswerFailure(HWND owner, const std::string& problem, const std::string& picture) {
  EXPECT_EQ(GetWindow(kit::WaitForWindow(kBox, "#32770"), GW_OWNER), owner);
  kit::Screenshot(kit::WaitForWindow(kBox, "#32770"), picture);
  kit::AnswerBox(kBox,
                 "Your projects and the list of open documents could not be saved. Nothing was written.\n\n" +
                     problem +
                     "\n\nYour changes are kept in memory only, until the Quendle window is opened again or Acrobat "
                     "quits.",
                 IDI_HAND, IDOK);
}

// The quit, answering the failure's box when one is due; a box that is not
// due fails the test (the kit cancels it).
bool Quit(HostStory& story, const std::string& problem = {}) {
  bool mayQuit = false;
  kit::Drive([&] { mayQuit = story.AskToQuit(); }, [&] {
    if (!problem.empty()) AnswerFailure(story.Host().MainWindowHandle(), problem, "save_failure_quit");
  });
  return mayQuit;
}

// Opens the window, runs `script` on its sheet and presses OK.
void PressOk(HostStory& story, const std::function<void(HWND)>& script) {
  kit::Drive([&] { EXPECT_TRUE(story.ClickToolButton(kButton)); }, [&] {
    const HWND sheet = kit::WaitForWindow(kSheet);
    script(sheet);
    kit::EndSheet(sheet, IDOK);
  });
}

TEST(NoSystemFile, AFirstQuitWritesTheUsersFileAndTheNextStartRestoresFromIt) {
  const TempFolder folder;
  const standin::ViewSettings view{3, 0, 98304, 0, 0, 1, 1, 0};
  {
    HostStory first;
    Start(first);
    first.SetView(first.OpenFile(folder.Pdf("a.pdf", 5)), view);
    EXPECT_TRUE(Quit(first));
    first.Unload();
  }
  EXPECT_EQ(GetFileAttributesA(ProjectFile().c_str()), INVALID_FILE_ATTRIBUTES);
  ExpectProfile({{"PROJECT_NAME", "PROJECT_NUM", "1"}, {kDefault, "OpenNum", "1"}}, UserProjectFile());
  HostStory next;
  Start(next);
  ASSERT_EQ(next.OpenDocuments().size(), 1u);
  EXPECT_EQ(next.State(next.OpenDocuments()[0]).view, view);
  ExpectHostClean(next);
  next.Unload();
}

TEST(SystemFile, AQuitCarriesItsProjectsToTheUsersFileWhichTheWindowThenReadsAndOkWrites) {
  const std::string systemText = ReadFile(ProjectFile()), user = UserProjectFile();
  ASSERT_NE(systemText, "");
  const TempFolder folder;
  {
    HostStory first;
    Start(first);
    first.OpenFile(folder.Pdf("a.pdf", 2));
    EXPECT_TRUE(Quit(first));
    first.Unload();
  }
  ExpectProfile({{"PROJECT_NAME", "PROJECT_NUM", "2"},
                 {"Manuals", "0", "/D/Manuals/Setup.pdf?"},
                 {"Other Program", "setting", "1"},
                 {kDefault, "OpenNum", "1"}},
                user);
  EXPECT_EQ(ReadFile(user).rfind("; The projects of this machine", 0), 0u) << "its lines are kept";
  // A project only the user's file lists; the document it reopens is closed.
  WritePrivateProfileStringA("PROJECT_NAME", "PROJECT_NUM", "3", user.c_str());
  WritePrivateProfileStringA("PROJECT_NAME", "2", "Mine", user.c_str());
  HostStory story;
  Start(story);
  ASSERT_EQ(story.OpenDocuments().size(), 1u);
  story.Close(story.OpenDocuments()[0]);
  PressOk(story, [](HWND sheet) { EXPECT_EQ(kit::ListText(kit::Find(sheet, IDC_PROJECT_LIST), 2), "Mine (0)"); });
  ExpectProfile({{kDefault, "OpenNum", "0"}, {"PROJECT_NAME", "2", "Mine"}}, user);
  EXPECT_EQ(ReadFile(ProjectFile()), systemText);
  story.Unload();
}

TEST(SystemFile, WhenNeitherFileCanBeSavedOkAndQuitSaySoAndTheQuitGoesOn) {
  const std::string systemText = ReadFile(ProjectFile()), user = UserProjectFile();
  ASSERT_TRUE(WriteFile(FolderOf(user), "in the folder's place"));
  const std::string problem = Tried(ProjectFile(), ERROR_ACCESS_DENIED) + "\n" + Tried(user, ERROR_PATH_NOT_FOUND);
  HostStory story;
  Start(story);
  kit::Drive([&] { EXPECT_TRUE(story.ClickToolButton(kButton)); }, [&] {
    const HWND sheet = kit::WaitForWindow(kSheet);
    kit::Click(sheet, IDOK);
    AnswerFailure(sheet, problem, "save_failure_ok");
    kit::WaitUntilGone(sheet);
  });
  EXPECT_TRUE(Quit(story, problem)) << "the quit goes on";
  EXPECT_EQ(ReadFile(ProjectFile()), systemText);
  EXPECT_EQ(ReadFile(FolderOf(user)), "in the folder's place");
  ExpectHostClean(story);
  story.Unload();
}

// Which file a save writes, and which is read afterwards: the system file
// refusing (root's system_file.ini, or absent) or writable (a file of the
// user's, maybe locked by another program); the user's file absent, present,
// locked, or its folder's name taken by a file.
TEST(SystemFile, TheSaveChoosesTheFileByWhatIsThereAndWhatRefuses) {
  enum System { kRefusing, kRefusingAbsent, kWritable, kSystemLocked };
  enum User { kAbsent, kPresent, kUserLocked, kBlocked };
  const struct {
    System system;
    User user;
    bool saved, readsUser;
    const char* other;  // [Other Program] setting in the file read afterwards
    DWORD systemError, userError;
  } rows[] = {
      /* 0 */ {kRefusing, kAbsent, true, true, "1", 0, 0},
      /* 1 */ {kRefusingAbsent, kAbsent, true, true, kMissing, 0, 0},
      /* 2 */ {kRefusing, kPresent, true, true, "user", 0, 0},
      /* 3 */ {kWritable, kAbsent, true, false, "system", 0, 0},
      /* 4 */ {kWritable, kPresent, true, true, "user", 0, 0},
      /* 5 */ {kSystemLocked, kAbsent, false, false, "system", ERROR_SHARING_VIOLATION, 0},
      /* 6 */ {kRefusing, kBlocked, false, false, "1", ERROR_ACCESS_DENIED, ERROR_PATH_NOT_FOUND},
      /* 7 */ {kRefusing, kUserLocked, false, true, "user", 0, ERROR_SHARING_VIOLATION},
  };
  const TempFolder temp;
  ProjectStore store;
  store.AddProject(kDefault);
  store.AddFile("/D/new.pdf", "PAGE=2", store.AddProject("New"));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    const auto& row = rows[i];
    RemoveProjectFile();
    const ProjectFilePlaces places{row.system == kRefusing         ? ProjectFile()
                                   : row.system == kRefusingAbsent ? FolderOf(ProjectFile()) + "\\Absent.ini"
                                                                   : temp.Path("system.ini"),
                                   UserProjectFile()};
    if (row.system >= kWritable) WriteFile(places.system, "[Other Program]\r\nsetting=system\r\n");
    if (row.user == kPresent || row.user == kUserLocked) {
      CreateDirectoryA(FolderOf(places.user).c_str(), nullptr);
      WriteFile(places.user, "[Other Program]\r\nsetting=user\r\n");
    }
    if (row.user == kBlocked) WriteFile(FolderOf(places.user), "");
    const std::string systemBefore = ReadFile(places.system);
    FileHandle lock(row.system == kSystemLocked || row.user == kUserLocked
                        ? CreateFileA((row.user == kUserLocked ? places.user : places.system).c_str(), GENERIC_READ,
                                      0, nullptr, OPEN_EXISTING, 0, nullptr)
                        : INVALID_HANDLE_VALUE);
    const SaveOutcome outcome = SaveProjectsTo(store, places);
    lock.reset();
    const std::string problem = (row.systemError != 0 ? Tried(places.system, row.systemError) : "") +
                                (row.systemError != 0 && row.userError != 0 ? "\n" : "") +
                                (row.userError != 0 ? Tried(places.user, row.userError) : "");
    EXPECT_EQ(outcome.saved, row.saved);
    EXPECT_EQ(outcome.problem, problem);
    const std::string read = FileToRead(places);
    EXPECT_EQ(read, row.readsUser ? places.user : places.system);
    EXPECT_EQ(Profile("Other Program", "setting", read), row.other);
    if (!row.saved || row.readsUser) {
      EXPECT_EQ(ReadFile(places.system), systemBefore) << "left alone";
    }
    if (!row.saved) continue;
    ProjectStore loaded;
    loaded.AddProject(kDefault);
    LoadProjectFile(loaded, read);
    EXPECT_EQ(StoredProjects(loaded), StoredProjects(store));
  }
}

}  // namespace
