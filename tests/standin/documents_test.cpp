// Documents, the "Window" menu and the front document, through the plug-in's
// wrappers and the user's own actions.
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "standin/di_path.h"
#include "tests/standin/story_fixture.h"

namespace {

class Documents : public StoryTest {
 protected:
  AVDoc OpenThroughHost(const std::string& windowsPath) {
    const ASFileSys fileSys = host::ASGetDefaultFileSys();
    const std::string text = standin::DIPathFromWindowsPath(windowsPath);
    const ASPathName path = host::ASFileSysPathFromDIPath(fileSys, text.c_str(), nullptr);
    EXPECT_NE(path, nullptr) << text;
    return host::AVDocOpenFromFile(path, fileSys, nullptr);
  }
  // What the plug-in does to bring the n-th document forward: the item after
  // the separator in the "Window" menu.
  void ExecuteNthDocumentItem(int n) {
    const AVMenubar bar = host::AVAppGetMenubar();
    const AVMenu menu = host::AVMenubarAcquireMenuByName(bar, "Window");
    const AVMenuItem separator = host::AVMenubarAcquireMenuItemByName(bar, "WindowMenuSeparator");
    const AVMenuItem item =
        host::AVMenuAcquireMenuItemByIndex(menu, host::AVMenuGetMenuItemIndex(menu, separator) + n + 1);
    ASSERT_NE(item, nullptr);
    host::AVMenuItemExecute(item);
    host::AVMenuItemRelease(item);
    host::AVMenuItemRelease(separator);
    host::AVMenuRelease(menu);
  }
  std::vector<AVDoc> Enumerated(int stopAfter = 1000) {
    visited_.clear();
    stopAfter_ = stopAfter;
    host::AVAppEnumDocs(host::ASCallbackCreate(Host().extensionId, HostEntryProc<Visit>()), this);
    return visited_;
  }
  static ASBool Visit(AVDoc doc, void* self) {
    auto* test = static_cast<Documents*>(self);
    test->visited_.push_back(doc);
    return static_cast<int>(test->visited_.size()) < test->stopAfter_ ? kHostTrue : kHostFalse;
  }
  std::vector<AVDoc> visited_;
  int stopAfter_ = 0;
};

TEST_F(Documents, MenuOrderAndFrontFollowOpensClosesAndMenuExecutes) {
  const AVDoc a = story_.OpenFile(files_.Pdf("a.pdf", 1));
  const AVDoc b = story_.OpenFile(files_.Pdf("b.pdf", 2));
  const AVDoc c = story_.OpenFile(files_.Pdf("c.pdf", 3));
  EXPECT_EQ(story_.OpenDocuments(), (std::vector<AVDoc>{a, b, c}));
  EXPECT_EQ(host::AVAppGetActiveDoc(), c);
  EXPECT_EQ(Enumerated(), (std::vector<AVDoc>{a, b, c}));

  ExecuteNthDocumentItem(1);
  EXPECT_EQ(host::AVAppGetActiveDoc(), b);
  EXPECT_EQ(story_.OpenDocuments(), (std::vector<AVDoc>{a, b, c}));  // executing does not reorder

  // Closing the front document puts the last in menu order in front.
  EXPECT_EQ(host::AVDocClose(b, kHostFalse), kHostTrue);
  EXPECT_EQ(story_.OpenDocuments(), (std::vector<AVDoc>{a, c}));
  EXPECT_EQ(host::AVAppGetActiveDoc(), c);
  ExecuteNthDocumentItem(0);
  EXPECT_EQ(host::AVAppGetActiveDoc(), a);
  // Closing another document leaves the front one alone.
  story_.Close(c);
  EXPECT_EQ(host::AVAppGetActiveDoc(), a);
  story_.Close(a);
  EXPECT_EQ(host::AVAppGetActiveDoc(), nullptr);
  EXPECT_TRUE(Enumerated().empty());
  EXPECT_EQ(story_.OutstandingMenus(), 0);
  EXPECT_EQ(story_.OutstandingMenuItems(), 0);
}

TEST_F(Documents, EnumerationStopsWhenTheCallbackAnswersFalse) {
  const AVDoc a = story_.OpenFile(files_.Pdf("a.pdf", 1));
  story_.OpenFile(files_.Pdf("b.pdf", 1));
  story_.OpenFile(files_.Pdf("c.pdf", 1));
  EXPECT_EQ(Enumerated(1), (std::vector<AVDoc>{a}));
  EXPECT_EQ(Enumerated(2).size(), 2u);
}

TEST_F(Documents, ReopeningGivesTheSameDocumentAndBringsItToTheFront) {
  const std::string path = files_.Pdf("a.pdf", 4);
  const AVDoc a = story_.OpenFile(path);
  const AVDoc b = story_.OpenFile(files_.Pdf("b.pdf", 1));
  EXPECT_EQ(story_.ActiveDocument(), b);
  EXPECT_EQ(OpenThroughHost(path), a);
  EXPECT_EQ(story_.ActiveDocument(), a);
  // Another spelling of the same file is the same document.
  std::string upper = path;
  for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  EXPECT_EQ(story_.OpenFile(upper), a);
  EXPECT_EQ(story_.OpenDocuments(), (std::vector<AVDoc>{a, b}));
}

TEST_F(Documents, MissingFilesAndFilesThatAreNotPdfsDoNotOpen) {
  for (const std::string& path :
       {files_.Path("missing.pdf"), files_.File("text.pdf", "just some text\n"), files_.File("empty.pdf", "")}) {
    EXPECT_EQ(OpenThroughHost(path), nullptr) << path;
  }
  EXPECT_TRUE(story_.OpenDocuments().empty());
}

TEST_F(Documents, PageCountComesFromTheFile) {
  for (const int pages : {1, 7, 30}) {
    const AVDoc doc = story_.OpenFile(files_.Pdf("p" + std::to_string(pages) + ".pdf", pages));
    EXPECT_EQ(host::PDDocGetNumPages(host::AVDocGetPDDoc(doc)), pages);
  }
}

TEST_F(Documents, DocumentTheUserKeepsOpenIsNotClosed) {
  const AVDoc a = story_.OpenFile(files_.Pdf("a.pdf", 1));
  story_.KeepOpenWhenAsked(a);
  EXPECT_EQ(host::AVDocClose(a, kHostFalse), kHostFalse);
  EXPECT_EQ(story_.OpenDocuments().size(), 1u);
  // Without the question (no-save) it closes.
  EXPECT_EQ(host::AVDocClose(a, kHostTrue), kHostTrue);
  EXPECT_TRUE(story_.OpenDocuments().empty());
  // Its handle is dead now.
  EXPECT_THROW(host::AVDocGetPageView(a), HostError);
}

TEST_F(Documents, FileOfADocumentGivesItsPathText) {
  const std::string path = files_.Pdf("a.pdf", 1);
  const AVDoc doc = story_.OpenFile(path);
  const ASPathName pathObject = host::ASFileAcquirePathName(host::PDDocGetFile(host::AVDocGetPDDoc(doc)));
  char* text = host::ASFileSysDIPathFromPath(host::ASGetDefaultFileSys(), pathObject, nullptr);
  EXPECT_EQ(text, story_.State(doc).diPath);
  EXPECT_EQ(story_.OutstandingHostMemory(), 1u);
  host::ASfree(text);
  EXPECT_EQ(story_.OutstandingHostMemory(), 0u);
}

TEST_F(Documents, MenuLayoutAndReleaseAccounting) {
  story_.OpenFile(files_.Pdf("a.pdf", 1));
  const AVMenubar bar = host::AVAppGetMenubar();
  const AVMenu menu = host::AVMenubarAcquireMenuByName(bar, "Window");
  const AVMenuItem separator = host::AVMenubarAcquireMenuItemByName(bar, "WindowMenuSeparator");
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(separator, nullptr);
  const ASInt32 s = host::AVMenuGetMenuItemIndex(menu, separator);
  EXPECT_GT(s, 0);  // the host's own items come first
  const AVMenuItem document = host::AVMenuAcquireMenuItemByIndex(menu, s + 1);
  EXPECT_NE(document, nullptr);
  EXPECT_EQ(host::AVMenuAcquireMenuItemByIndex(menu, s + 2), nullptr);
  EXPECT_EQ(host::AVMenuAcquireMenuItemByIndex(menu, -1), nullptr);
  EXPECT_EQ(host::AVMenubarAcquireMenuByName(bar, "NoSuchMenu"), nullptr);
  EXPECT_EQ(story_.OutstandingMenus(), 1);
  EXPECT_EQ(story_.OutstandingMenuItems(), 2);

  // An item of another menu is not in "Window".
  const AVMenuItem open = host::AVMenubarAcquireMenuItemByName(bar, "Open");
  EXPECT_EQ(host::AVMenuGetMenuItemIndex(menu, open), -1);
  host::AVMenuItemRelease(open);

  // A closed document's item leaves the menu; executing it is refused.
  story_.Close(story_.OpenDocuments().front());
  EXPECT_EQ(host::AVMenuGetMenuItemIndex(menu, document), -1);
  EXPECT_THROW(host::AVMenuItemExecute(document), HostError);

  host::AVMenuItemRelease(document);
  host::AVMenuItemRelease(separator);
  host::AVMenuRelease(menu);
  EXPECT_EQ(story_.OutstandingMenus(), 0);
  EXPECT_EQ(story_.OutstandingMenuItems(), 0);
  // Releasing again is a misuse the host reports.
  EXPECT_THROW(host::AVMenuRelease(menu), HostError);
  EXPECT_THROW(host::AVMenuItemRelease(separator), HostError);
  ExpectViolations(2);
}

}  // namespace
