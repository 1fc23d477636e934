// The application's hooks: the start-up notification, the quit question and
// its replacement, and the tool bar.
#include "host/host_api.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "tests/standin/story_fixture.h"

namespace {

int startupCalls = 0;
void* startupData = nullptr;
void OnStarted(void* clientData) {
  ++startupCalls;
  startupData = clientData;
}

int clicks = 0;
void* clickData = nullptr;
void OnClick(void* clientData) {
  ++clicks;
  clickData = clientData;
}

ASBool quitAnswer = kHostTrue;
int hookCalls = 0;
ASBool QuitHook() {
  ++hookCalls;
  const HFT acroView = Host().acroView.table;
  const auto replaced = reinterpret_cast<AVAppCanQuitSELPROTO>(
      host::HFTGetReplacedEntry(acroView, AVAppCanQuitSEL, HostEntryProc<QuitHook>()));
  const ASBool hostSays = replaced();
  return hostSays && quitAnswer;
}

class Application : public StoryTest {
 protected:
  void SetUp() override {
    StoryTest::SetUp();
    startupCalls = clicks = hookCalls = 0;
    startupData = clickData = nullptr;
    quitAnswer = kHostTrue;
  }
};

TEST_F(Application, StartUpNotificationReachesItsListenersUntilUnregistered) {
  const ASCallback callback = host::ASCallbackCreate(Host().extensionId, HostEntryProc<OnStarted>());
  int data = 0;
  host::AVAppRegisterNotification(AVAppDidInitializeNSEL, Host().extensionId, callback, &data);
  story_.Host().AnnounceStarted();
  EXPECT_EQ(startupCalls, 1);
  EXPECT_EQ(startupData, &data);
  host::AVAppUnregisterNotification(AVAppDidInitializeNSEL, Host().extensionId, callback, &data);
  story_.Host().AnnounceStarted();
  EXPECT_EQ(startupCalls, 1);
  // Unregistering what is not registered is refused.
  EXPECT_THROW(host::AVAppUnregisterNotification(AVAppDidInitializeNSEL, Host().extensionId, callback, &data),
               HostError);
}

TEST_F(Application, QuitQuestionGoesToTheReplacementWhichAsksTheHostsOwnEntry) {
  story_.SetHostCanQuit(false);
  EXPECT_FALSE(story_.AskToQuit());
  story_.SetHostCanQuit(true);
  EXPECT_TRUE(story_.AskToQuit());

  const HFT acroView = Host().acroView.table;
  const HFTEntry hostEntry = acroView[AVAppCanQuitSEL];
  host::HFTReplaceEntry(acroView, AVAppCanQuitSEL, HostEntryProc<QuitHook>(), 1);
  EXPECT_EQ(host::HFTGetReplacedEntry(acroView, AVAppCanQuitSEL, HostEntryProc<QuitHook>()), hostEntry);
  EXPECT_TRUE(story_.AskToQuit());
  quitAnswer = kHostFalse;
  EXPECT_FALSE(story_.AskToQuit());
  quitAnswer = kHostTrue;
  story_.SetHostCanQuit(false);
  EXPECT_FALSE(story_.AskToQuit());
  EXPECT_EQ(hookCalls, 3);

  // Only a replacement that was made has a replaced entry.
  EXPECT_THROW(host::HFTGetReplacedEntry(acroView, AVAppCanQuitSEL, HostEntryProc<OnClick>()), HostError);
  EXPECT_THROW(host::HFTReplaceEntry(acroView, AcroViewNUMSELECTORSplusOne, HostEntryProc<QuitHook>(), 1), HostError);
}

TEST_F(Application, ErrorRaisedWhileAnsweringTheQuitQuestionReachesTheHost) {
  story_.Faults().RaiseOnCall("AVAppCanQuit", 1, kErrGeneral);
  EXPECT_FALSE(story_.AskToQuit());
  ASSERT_TRUE(story_.LastFailedCall().has_value());
  EXPECT_EQ(story_.LastFailedCall()->call, "QuitRequest");
  EXPECT_EQ(story_.LastFailedCall()->code, kErrGeneral);
}

TEST_F(Application, ToolButtonIsMadeAddedClickedAndDestroyed) {
  const AVToolBar bar = host::AVAppGetToolBar();
  const AVToolButton button =
      host::AVToolButtonNew(host::ASAtomFromString("Test:Button"), nullptr, kHostTrue, kHostFalse);
  EXPECT_FALSE(story_.ClickToolButton("Test:Button"));  // not on the bar yet
  host::AVToolBarAddButton(bar, button, kHostFalse, nullptr);
  static char data[] = "Test:Button";
  host::AVToolButtonSetExecuteProc(button, host::ASCallbackCreate(Host().extensionId, HostEntryProc<OnClick>()), data);
  host::AVToolButtonSetHelpText(button, "Help text");

  const auto& onBar = story_.Host().Tools().OnBar();
  ASSERT_FALSE(onBar.empty());
  EXPECT_EQ(onBar.back()->name, "Test:Button");  // appended at the end
  EXPECT_TRUE(onBar.back()->longOnly);
  EXPECT_FALSE(onBar.back()->separator);
  EXPECT_EQ(onBar.back()->helpText, "Help text");

  EXPECT_TRUE(story_.ClickToolButton("Test:Button"));
  EXPECT_TRUE(story_.ClickToolButton("Test:Button"));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(clickData, data);
  // The same button cannot be added twice.
  EXPECT_THROW(host::AVToolBarAddButton(bar, button, kHostFalse, nullptr), HostError);

  host::AVToolButtonDestroy(button);
  EXPECT_FALSE(story_.ClickToolButton("Test:Button"));
  EXPECT_THROW(host::AVToolButtonSetHelpText(button, "again"), HostError);
}

TEST_F(Application, ButtonsGoBeforeOrAfterAnother) {
  const AVToolBar bar = host::AVAppGetToolBar();
  const auto make = [](const char* name) {
    return host::AVToolButtonNew(host::ASAtomFromString(name), nullptr, kHostFalse, kHostFalse);
  };
  const AVToolButton first = make("First");
  const AVToolButton second = make("Second");
  const AVToolButton third = make("Third");
  host::AVToolBarAddButton(bar, first, kHostTrue, nullptr);  // at the start
  host::AVToolBarAddButton(bar, third, kHostFalse, first);   // after first
  host::AVToolBarAddButton(bar, second, kHostTrue, third);   // before third
  const auto& onBar = story_.Host().Tools().OnBar();
  ASSERT_GE(onBar.size(), 3u);
  EXPECT_EQ(onBar[0]->name, "First");
  EXPECT_EQ(onBar[1]->name, "Second");
  EXPECT_EQ(onBar[2]->name, "Third");
}

}  // namespace
