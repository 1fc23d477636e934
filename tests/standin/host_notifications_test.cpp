// What the stand-in host tells a plug-in as it happens: documents opened and
// closed and views changed, by the user or by the plug-in; idle procedures
// called from the host's loop, no more often than their period.
#include <algorithm>
#include <functional>

#include "docstate/open_with_state.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "standin/interface/di_path.h"
#include "standin/interface/reader_commands.h"
#include "tests/standin/story_fixture.h"

namespace {

std::string heard;  // what the listeners heard, in order
standin::HostStory* story = nullptr;

// The document's file name, and whether the "Window" menu lists it.
std::string Named(AVDoc doc) {
  const std::vector<AVDoc> open = story->OpenDocuments();
  return standin::FileName(story->State(doc).path) +
         (std::find(open.begin(), open.end(), doc) != open.end() ? " listed" : "");
}
void DidOpen(AVDoc doc, ASErrorCode error, void*) {
  heard += "open " + (doc ? Named(doc) : "none") + " " + standin::HexText(error) + ";";
}
void WillClose(AVDoc doc, void*) {
  heard += "close " + Named(doc) + " " + std::to_string(host::PDDocGetNumPages(host::AVDocGetPDDoc(doc))) + " pages;";
}
void DidChange(AVPageView view, ASInt16 how, void*) {
  heard += "view " + standin::FileName(story->Host().Docs().FindView(view)->document->path) + " " +
           standin::HexText(how) + ";";
}

void* const kListeners[] = {HostEntryProc<DidOpen>(), HostEntryProc<WillClose>(), HostEntryProc<DidChange>()};

int idleCalls = 0;
void CountIdle(void*) { ++idleCalls; }
void UnregistersItself(void* self) { host::AVAppUnregisterIdleProc(self, self); }

class HostNotifications : public StoryTest {
 protected:
  void SetUp() override {
    options_.registerAndInit = false;  // the test's listeners and idle procedures are the only ones
    StoryTest::SetUp();
    story = &story_;
    heard.clear();
    idleCalls = 0;
    for (int i = 0; i < 3; ++i) procs_[i] = Callback(kListeners[i]);
  }
  void Listen(decltype(&host::AVAppRegisterNotification) operation) {
    const NSelector nsels[] = {AVDocDidOpenNSEL, AVDocWillCloseNSEL, AVPageViewDidChangeNSEL};
    for (int i = 0; i < 3; ++i) operation(nsels[i], Host().extensionId, procs_[i], nullptr);
  }
  ASCallback Callback(void* proc) { return host::ASCallbackCreate(Host().extensionId, proc); }
  ASCallback procs_[3]{};
};

TEST_F(HostNotifications, EachDocumentAndViewChangeIsToldAsItHappens) {
  Listen(&host::AVAppRegisterNotification);
  const std::string a = files_.Pdf("a.pdf", 3), b = standin::DIPathFromWindowsPath(files_.Pdf("b.pdf", 7));
  AVDoc docB = nullptr;
  bool quit = false;
  const auto view = [&] { return host::AVDocGetPageView(docB); };
  const struct {
    std::function<void()> act;
    const char* heard;
  } rows[] = {
      /* 0 */ {[&] { story_.OpenFile(a); }, "open a.pdf listed 0x0;"},
      /* 1 */ {[&] { docB = OpenWithState(b, "") ? story_.ActiveDocument() : nullptr; }, "open b.pdf listed 0x0;"},
      // Opening what is open already tells nothing; a refused file, its error.
      /* 2 */ {[&] { story_.OpenFile(a), story_.OpenFile(files_.Path("missing.pdf")); }, "open none 0x40000004;"},
      /* 3 */ {[&] { story_.SetView(docB, {2}); }, "view b.pdf 0x2;"},
      /* 4 */ {[&] { story_.SetView(docB, {2}); }, ""},
      /* 5 */ {[&] { story_.ViewCommand(docB, standin::kCommandFitPage); }, "view b.pdf 0x8;"},
      /* 6 */ {[&] { story_.ViewCommand(docB, standin::kCommandZoomIn); }, "view b.pdf 0x8;"},
      /* 7 */ {[&] { story_.ViewCommand(docB, standin::kCommandFirstPage); }, "view b.pdf 0x2;"},
      /* 8 */ {[&] { story_.ViewCommand(docB, standin::kCommandPreviousPage); }, ""},
      /* 9 */ {[&] { host::AVPageViewGoTo(view(), 5); }, "view b.pdf 0x2;"},
      /* 10 */ {[&] { host::AVPageViewZoomTo(view(), 2, 0x8000); }, "view b.pdf 0x8;"},
      /* 11 */ {[&] { host::AVPageViewScrollTo(view(), 10, 20); }, "view b.pdf 0x1;"},
      /* 12 */ {[&] { host::AVPageViewSetLayoutMode(view(), 3); }, "view b.pdf 0x4;"},
      /* 13 */ {[&] { host::AVDocSetViewMode(docB, 2); }, "view b.pdf 0x4;"},
      /* 14 */ {[&] { host::AVDocSetSplitterPosition(docB, 120); }, "view b.pdf 0x4;"},
      /* 15 */
      {[&] {
         host::AVPageViewBeginOperation(view());
         host::AVPageViewGoTo(view(), 1);
         host::AVPageViewScrollTo(view(), 0, 0);
         host::AVPageViewGoTo(view(), 1);
         heard += "end;";
         host::AVPageViewEndOperation(view());
       },
       "end;view b.pdf 0x3;"},
      /* 16 */ {[&] { story_.KeepOpenWhenAsked(docB), story_.Close(docB); }, ""},
      // The quit closes the documents in order; the one kept open stops it.
      /* 17 */ {[&] { quit = story_.Quit(); }, "close a.pdf listed 3 pages;"},
      /* 18 */ {[&] { host::AVDocClose(docB, kHostTrue); }, "close b.pdf listed 7 pages;"},
      /* 19 */ {[&] { Listen(&host::AVAppUnregisterNotification), story_.Close(story_.OpenFile(a)); }, ""},
      /* 20 */
      {[&] { Listen(&host::AVAppRegisterNotification), story_.OpenFile(a), quit = story_.Quit(); },
       "open a.pdf listed 0x0;close a.pdf listed 3 pages;"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    heard.clear();
    rows[i].act();
    EXPECT_EQ(heard, rows[i].heard) << "row " << i;
    EXPECT_EQ(quit, i == 20) << "row " << i;
  }
  EXPECT_FALSE(story_.LastFailedCall().has_value());
  EXPECT_FALSE(story_.Host().Loaded());
  EXPECT_EQ(story_.Violations(),
            std::vector<std::string>{"3 notification(s) and 0 idle procedure(s) still registered at unload"});
  ExpectViolations(1);
}

TEST_F(HostNotifications, IdleProceduresAreCalledFromTheLoopNoMoreOftenThanTheirPeriod) {
  ULONGLONG now = 1000;
  standin::IdleProcs& idle = story_.Host().Idle();
  idle.SetClock([&] { return now; });
  const ASCallback count = Callback(HostEntryProc<CountIdle>());
  host::AVAppRegisterIdleProc(count, nullptr, 6);  // 100 ms
  const struct {
    ULONGLONG at;
    int calls;   // so far
    DWORD wait;  // what the loop may sleep
  } rows[] = {{1000, 0, 100}, {1099, 0, 1}, {1100, 1, 100}, {1199, 1, 1}, {1260, 2, 100}, {9000, 3, 100}};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    now = rows[i].at;
    story_.RunIdleProcs();
    EXPECT_EQ(idleCalls * 1000 + idle.MillisecondsToNext(), rows[i].calls * 1000 + rows[i].wait) << "row " << i;
  }
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
  now += 100;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
  EXPECT_TRUE(story_.Host().NextMessage(message) && message.message == WM_TIMER && idleCalls == 4)
      << "with none waiting, the due procedure is called before the wait";
  KillTimer(nullptr, timer);
  host::AVAppUnregisterIdleProc(count, nullptr);
  EXPECT_THROW(host::AVAppUnregisterIdleProc(count, nullptr), HostError);
  EXPECT_EQ(idle.MillisecondsToNext(), INFINITE);
  const ASCallback self = Callback(HostEntryProc<UnregistersItself>());
  host::AVAppRegisterIdleProc(self, self, 0);
  EXPECT_EQ(idle.MillisecondsToNext(), 17u) << "a period of 0 counts as one tick";
  now += 17;
  EXPECT_EQ(story_.RunIdleProcs(), 1);
  now += 1000;
  EXPECT_EQ(story_.RunIdleProcs(), 0) << "gone";

  idle.SetClock(nullptr);
  host::AVAppRegisterIdleProc(count, nullptr, 1);
  const ULONGLONG start = GetTickCount64(), sleeps = story_.Host().Sleeps();
  story_.IdleFor(300);
  EXPECT_GE(GetTickCount64() - start, 300u);
  EXPECT_LT(story_.Host().Sleeps() - sleeps, 100u) << "it sleeps until a message comes or a procedure is due";
  EXPECT_TRUE(idleCalls > 4 && idleCalls <= 4 + 300 / 16) << idleCalls;
  host::AVAppUnregisterIdleProc(count, nullptr);
}

}  // namespace
