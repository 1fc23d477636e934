// Path text and path objects, through the plug-in's wrappers.
#include "standin/di_path.h"

#include "host/host_api.h"
#include "host/scoped_handle.h"
#include "tests/standin/story_fixture.h"

namespace {

class PathText : public StoryTest {};

TEST_F(PathText, DriveAndNetworkPathsRoundTrip) {
  const struct {
    const char* text;
    const char* windows;
  } cases[] = {{"/C/Docs/a.pdf", "C:\\Docs\\a.pdf"},
               {"/d/a.pdf", "d:\\a.pdf"},
               {"/Z/deep/er/still/name with spaces.pdf", "Z:\\deep\\er\\still\\name with spaces.pdf"},
               {"/server/share/a.pdf", "\\\\server\\share\\a.pdf"},
               {"/server/share/dir/a.pdf", "\\\\server\\share\\dir\\a.pdf"}};
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const ASPathName path = host::ASFileSysPathFromDIPath(fileSys, c.text, nullptr);
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(story_.Host().Paths().Find(path)->windowsPath, c.windows);
    const HostText back(host::ASFileSysDIPathFromPath(fileSys, path, nullptr));
    EXPECT_STREQ(back.get(), c.text);
    EXPECT_EQ(story_.OutstandingHostMemory(), 1u);
  }
  EXPECT_EQ(story_.OutstandingHostMemory(), 0u);
}

TEST_F(PathText, TextThatIsNotWellFormedGivesNoPath) {
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  for (const char* text :
       {"", "/", "C:\\Docs\\a.pdf", "Docs/a.pdf", "/C", "/server/share", "//C/a.pdf", "/C//a.pdf", "/C/a.pdf/",
        "/C/a?.pdf", "/C/../a.pdf", "/C/./a.pdf", "/C/a\\b.pdf", "/C/a:b.pdf", "/C/a\tb.pdf"}) {
    EXPECT_EQ(host::ASFileSysPathFromDIPath(fileSys, text, nullptr), nullptr) << '"' << text << '"';
  }
  // No text at all is a bad argument, not a path.
  EXPECT_THROW(host::ASFileSysPathFromDIPath(fileSys, nullptr, nullptr), HostError);
}

TEST_F(PathText, WindowsPathsGiveTextWithSingleSeparators) {
  EXPECT_EQ(standin::DIPathFromWindowsPath("C:\\Docs\\a.pdf"), "/C/Docs/a.pdf");
  EXPECT_EQ(standin::DIPathFromWindowsPath("\\\\server\\share\\a.pdf"), "/server/share/a.pdf");
  EXPECT_EQ(standin::DIPathFromWindowsPath("C:/Docs//a.pdf"), "/C/Docs/a.pdf");
}

TEST_F(PathText, FreeingForeignOrTwiceFreedMemoryIsReported) {
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  char* text =
      host::ASFileSysDIPathFromPath(fileSys, host::ASFileSysPathFromDIPath(fileSys, "/C/a.pdf", nullptr), nullptr);
  host::ASfree(text);
  EXPECT_THROW(host::ASfree(text), HostError);
  char local[4] = "abc";
  EXPECT_THROW(host::ASfree(local), HostError);
  host::ASfree(nullptr);  // nothing to give back, as with free()
  ExpectViolations(2);
}

TEST_F(PathText, OtherFileSystemsAndRelativePathsAreRefused) {
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  const ASPathName base = host::ASFileSysPathFromDIPath(fileSys, "/C/a.pdf", nullptr);
  EXPECT_THROW(host::ASFileSysPathFromDIPath(nullptr, "/C/a.pdf", nullptr), HostError);
  EXPECT_THROW(host::ASFileSysPathFromDIPath(fileSys, "/C/a.pdf", base), HostError);
  EXPECT_THROW(host::ASFileSysDIPathFromPath(fileSys, base, base), HostError);
  EXPECT_EQ(story_.OutstandingHostMemory(), 0u);
}

}  // namespace
