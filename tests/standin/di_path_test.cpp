// Path text and path objects in the stand-in host, through the plug-in's
// wrappers: what restore and capture rely on, path objects given back.
#include "standin/interface/di_path.h"

#include "host/host_operations.h"
#include "host/scoped_handle.h"
#include "tests/standin/story_fixture.h"

namespace {

class PathText : public StoryTest {};

TEST_F(PathText, DriveAndNetworkPathsRoundTripAndTheirTextIsGivenBack) {
  const struct {
    const char* text;
    const char* windows;
  } rows[] = {{"/C/Docs/a.pdf", "C:\\Docs\\a.pdf"},
              {"/d/a.pdf", "d:\\a.pdf"},
              {"/Z/deep/er/still/name with spaces.pdf", "Z:\\deep\\er\\still\\name with spaces.pdf"},
              {"/server/share/dir/a.pdf", "\\\\server\\share\\dir\\a.pdf"}};
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  for (const auto& row : rows) {
    const ASPathName path = host::ASFileSysPathFromDIPath(fileSys, row.text, nullptr);
    ASSERT_NE(path, nullptr) << row.text;
    EXPECT_EQ(story_.Host().Paths().Find(path)->windowsPath, row.windows);
    EXPECT_EQ(standin::DIPathFromWindowsPath(row.windows), row.text);
    const HostText back(host::ASFileSysDIPathFromPath(fileSys, path, nullptr));
    EXPECT_STREQ(back.get(), row.text);
    EXPECT_EQ(story_.OutstandingHostMemory(), 1u);
  }
  EXPECT_EQ(story_.OutstandingHostMemory(), 0u);
  EXPECT_EQ(standin::DIPathFromWindowsPath("C:/Docs//a.pdf"), "/C/Docs/a.pdf");
}

TEST_F(PathText, WhatIsNotAPathOfTheFileSystemIsRefused) {
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  for (const char* text : {"", "/", "C:\\Docs\\a.pdf", "Docs/a.pdf", "/C", "/server/share", "//C/a.pdf", "/C//a.pdf",
                           "/C/a.pdf/", "/C/a?.pdf", "/C/../a.pdf", "/C/./a.pdf", "/C/a\\b.pdf", "/C/a:b.pdf"}) {
    EXPECT_EQ(host::ASFileSysPathFromDIPath(fileSys, text, nullptr), nullptr) << '"' << text << '"';
  }
  const ASPathName base = host::ASFileSysPathFromDIPath(fileSys, "/C/a.pdf", nullptr);
  EXPECT_THROW(host::ASFileSysPathFromDIPath(fileSys, nullptr, nullptr), HostError);
  EXPECT_THROW(host::ASFileSysPathFromDIPath(nullptr, "/C/a.pdf", nullptr), HostError);
  EXPECT_THROW(host::ASFileSysPathFromDIPath(fileSys, "/C/a.pdf", base), HostError);
  char* text = host::ASFileSysDIPathFromPath(fileSys, base, nullptr);
  host::ASfree(text);
  EXPECT_THROW(host::ASfree(text), HostError) << "freed twice";
  char local[4] = "abc";
  EXPECT_THROW(host::ASfree(local), HostError) << "not the host's";
  host::ASfree(nullptr);
  ExpectViolations(2);
}

// What the stories check of the plug-in: each path object is given back once.
TEST_F(PathText, PathObjectsAreTheMakersUntilReleasedOnce) {
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  const AVDoc doc = story_.OpenFile(files_.Pdf("a.pdf", 1));
  const ASPathName made = host::ASFileSysPathFromDIPath(fileSys, "/C/a.pdf", nullptr);
  const ASPathName acquired = host::ASFileAcquirePathName(host::PDDocGetFile(host::AVDocGetPDDoc(doc)));
  EXPECT_EQ(story_.OutstandingPaths(), 2u);
  host::ASFileSysReleasePath(fileSys, made);
  EXPECT_THROW(host::AVDocOpenFromFile(made, fileSys, nullptr), HostError) << "a released path is dead";
  EXPECT_THROW(host::ASFileSysReleasePath(fileSys, made), HostError) << "released twice";
  EXPECT_THROW(host::ASFileSysReleasePath(fileSys, reinterpret_cast<ASPathName>(doc)), HostError) << "never made";
  story_.Faults().RaiseOnCall("ASFileSysReleasePath", 1, kErrGeneral);
  EXPECT_NO_THROW(HostPath({fileSys, acquired})) << "a refused release is dropped";
  HostPath({fileSys, acquired});
  EXPECT_EQ(story_.OutstandingPaths(), 0u);
  ExpectViolations(2);
}

}  // namespace
