// A user whom the system folder refuses keeps a project file of their own:
// the save's choice of file row by row, and the stories through the real DLL
// in the stand-in host. Run as such a user (cmake/run-as-user.sh): the
// NoSystemFile suite with no Vellora.ini in the system folder, the
// SystemFile suite with system_file.ini there, which the user cannot change.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "host/scoped_handle.h"
#include "host/system_error_text.h"
#include "projects/project_file.h"
#include "projects/project_store.h"
#include "tests/support/checks.h"
#include "ui/ui_kit.h"

namespace {

using namespace support;
using standin::HostStory;

constexpr char kDefault[] = "CURRENT OPENED FILES";
constexpr char kBox[] = "Vellora: nothing saved";

void Start(HostStory& story) { ASSERT_EQ(story.Start(PlugInDllPath()).initialized, true); }

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }

// A path tried and the system's reason, as a failed save names them.
std::string Tried(const std::string& path, DWORD error) {
  std::string reason = SystemErrorText(error);
  return path + ": " + reason.erase(reason.find_last_not_of(" \r\n") + 1);
}

// When a save is made: the quit, the window opened and closed with OK, or
// the reader idle after a change.
enum class Moment { kQuit, kWindowOk, kIdle };

// The save at `moment`, with the box that says nothing was saved answered,
// pictured and its owner checked when a problem is due; a box that is not
// due fails the test (the kit cancels it). Gives the quit's answer.
bool Save(HostStory& story, Moment moment, const std::string& problem = {}) {
  const bool window = moment == Moment::kWindowOk;
  bool answer = false;
  kit::Drive(
      [&] {
        if (moment == Moment::kIdle) return story.IdleFor(6000);  // a save 5 s after the one before
        answer = window ? story.ClickToolButton("Vellora:FavoritePDFConfig") : story.AskToQuit();
      },
      [&] {
        const HWND owner = window ? kit::WaitForWindow("Vellora v1.51") : story.Host().MainWindowHandle();
        if (window) kit::Click(owner, IDOK);
        if (problem.empty()) return;
        EXPECT_EQ(GetWindow(kit::WaitForWindow(kBox, "#32770"), GW_OWNER), owner);
        const char* const picture[] = {"save_failure_quit", "save_failure_ok", "save_failure_idle"};
        kit::Screenshot(kit::WaitForWindow(kBox, "#32770"), picture[static_cast<int>(moment)]);
        const char* const after[] = {
            "The documents open now will not be reopened at the next start.",
            "Your changes are kept in memory only, until the Quendle window is opened again or Acrobat quits.",
            "Vellora tries again at the next change to your documents and will not tell you again until Acrobat is "
            "started again. As long as nothing can be saved, the next start may not reopen the documents open now."};
        kit::AnswerBox(kBox,
                       "Your projects and the list of open documents could not be saved. Nothing was written.\n\n" +
                           problem + "\n\n" + after[static_cast<int>(moment)],
                       IDI_HAND, IDOK);
      });
  return answer;
}

// A session that ends in a quit which saves without a word; `pdf`, when
// given, open.
void Session(const std::string& pdf = {}) {
  HostStory story;
  Start(story);
  if (!pdf.empty()) story.OpenFile(pdf);
  EXPECT_TRUE(Save(story, Moment::kQuit));
}

TEST(NoSystemFile, AFirstQuitWritesTheUsersFileAndTheNextStartRestoresFromIt) {
  const TempFolder folder;
  Session(folder.Pdf("a.pdf", 5));
  ExpectProfile({{"PROJECT_NAME", "PROJECT_NUM", "1"}, {kDefault, "OpenNum", "1"}}, UserProjectFile());
  HostStory next;
  Start(next);
  EXPECT_EQ(next.OpenDocuments().size(), 1u);
  ExpectHostClean(next);
}

TEST(SystemFile, AQuitCarriesItsProjectsToTheUsersFileThenTheWindowReadsItAndOkWritesItUntilNothingCanBeSaved) {
  const std::string user = UserProjectFile();
  Session();
  ExpectProfile({{"PROJECT_NAME", "PROJECT_NUM", "2"},
                 {"Manuals", "0", "/D/Manuals/Setup.pdf?"},
                 {"Other Program", "setting", "1"},
                 {kDefault, "OpenNum", "0"}},
                user);
  EXPECT_EQ(ReadFile(user).rfind("; The projects of this machine", 0), 0u) << "its lines are kept";
  // A project only the user's file lists, which OK keeps when the window
  // has read it; a document opened since.
  WritePrivateProfileStringA("PROJECT_NAME", "PROJECT_NUM", "3", user.c_str());
  WritePrivateProfileStringA("PROJECT_NAME", "2", "Mine", user.c_str());
  const TempFolder folder;
  HostStory story;
  Start(story);
  story.OpenFile(folder.Pdf("a.pdf", 2));
  Save(story, Moment::kWindowOk);
  ExpectProfile({{kDefault, "OpenNum", "1"}, {"PROJECT_NAME", "2", "Mine"}}, user);

  // The user's file gone and its folder's name taken by a file: neither
  // file can be saved, at OK nor at the quit, which goes on.
  RemoveProjectFile();
  ASSERT_TRUE(WriteFile(FolderOf(user), "in the folder's place"));
  const std::string problem = Tried(ProjectFile(), ERROR_ACCESS_DENIED) + "\n" + Tried(user, ERROR_PATH_NOT_FOUND);
  Save(story, Moment::kWindowOk, problem);
  // While the user works the same is said once a run; a later save that
  // fails says nothing.
  story.OpenFile(folder.Pdf("b.pdf", 2));
  Save(story, Moment::kIdle, problem);
  story.Close(story.OpenDocuments().back());
  Save(story, Moment::kIdle);
  EXPECT_TRUE(Save(story, Moment::kQuit, problem));
  EXPECT_EQ(ReadFile(FolderOf(user)), "in the folder's place");
  ExpectHostClean(story);
}

// Which file a save writes, and which is read afterwards: the system file
// refusing (root's system_file.ini, or absent) or writable (a file of the
// user's); the user's file absent, present, or its folder's name taken by a
// file; either file locked by another program, which shares nothing.
TEST(SystemFile, TheSaveChoosesTheFileByWhatIsThereAndWhatRefuses) {
  enum System { kRefusing, kRefusingAbsent, kWritable };
  enum User { kAbsent, kPresent, kBlocked };
  enum Lock { kNoLock, kSystemLocked, kUserLocked };
  const struct {
    System system;
    User user;
    Lock lock;
    bool saved, readsUser;
    const char* other;  // [Other Program] setting in the file read afterwards
    DWORD systemError, userError;
  } rows[] = {
      /* 0 */ {kRefusing, kAbsent, kNoLock, true, true, "1", 0, 0},
      /* 1 */ {kRefusingAbsent, kAbsent, kNoLock, true, true, kMissing, 0, 0},
      /* 2 */ {kRefusing, kPresent, kNoLock, true, true, "user", 0, 0},
      /* 3 */ {kWritable, kAbsent, kNoLock, true, false, "system", 0, 0},
      /* 4 */ {kWritable, kPresent, kNoLock, true, true, "user", 0, 0},
      /* 5 */ {kWritable, kAbsent, kSystemLocked, false, false, "system", ERROR_SHARING_VIOLATION, 0},
      /* 6 */ {kRefusing, kBlocked, kNoLock, false, false, "1", ERROR_ACCESS_DENIED, ERROR_PATH_NOT_FOUND},
      /* 7 */ {kRefusing, kPresent, kUserLocked, false, true, "user", 0, ERROR_SHARING_VIOLATION},
      // The system file cannot be read to start the user's file from it,
      // which is not left behind.
      /* 8 */ {kRefusing, kAbsent, kSystemLocked, false, false, "1", ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION},
  };
  const TempFolder temp;
  const std::string system[] = {ProjectFile(), FolderOf(ProjectFile()) + "\\Absent.ini", temp.Path("system.ini")};
  ProjectStore store;
  store.AddProject(kDefault);
  store.AddFile("/D/new.pdf", "PAGE=2", store.AddProject("New"));
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows));
    RemoveProjectFile();
    const ProjectFilePlaces places{system[row.system], UserProjectFile()};
    if (row.system == kWritable) WriteFile(places.system, "[Other Program]\r\nsetting=system\r\n");
    if (row.user == kPresent) CreateDirectoryA(FolderOf(places.user).c_str(), nullptr);
    if (row.user != kAbsent)
      WriteFile(row.user == kBlocked ? FolderOf(places.user) : places.user, "[Other Program]\r\nsetting=user\r\n");
    const std::string systemBefore = ReadFile(places.system), locked[] = {"", places.system, places.user};
    FileHandle lock(CreateFileA(locked[row.lock].c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    const SaveOutcome outcome = SaveProjectsTo(store, places);
    lock.reset();
    EXPECT_EQ(outcome.saved, row.saved);
    EXPECT_EQ(outcome.problem, (row.systemError != 0 ? Tried(places.system, row.systemError) : "") +
                                   (row.systemError != 0 && row.userError != 0 ? "\n" : "") +
                                   (row.userError != 0 ? Tried(places.user, row.userError) : ""));
    const std::string read = FileToRead(places);
    EXPECT_EQ(read, row.readsUser ? places.user : places.system);
    EXPECT_EQ(Profile("Other Program", "setting", read), row.other);
    EXPECT_EQ(Profile("New", "0", read), row.saved ? "/D/new.pdf?PAGE=2" : kMissing);
    EXPECT_EQ(ReadFile(places.system) == systemBefore, !row.saved || row.readsUser) << "changed only when written";
  }
}

}  // namespace
