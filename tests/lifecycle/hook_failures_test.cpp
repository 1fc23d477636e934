// Host errors while the plug-in hooks itself in: register and init answer
// false and keep what they made; unload undoes exactly what exists.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/checks.h"

namespace {

using support::ExpectHostClean;
using support::PlugInDllPath;

constexpr char kManagerButton[] = "Vellora:FavoritePDFConfig";

constexpr ASErrorCode kInjected = 0x4000F00D;

using standin::HostStory;

// Loads the plug-in up to the handshake; the test runs register and init.
struct HookRun {
  HostStory story;
  HookRun() {
    standin::StartOptions options;
    options.registerAndInit = false;
    options.announceStarted = false;
    EXPECT_EQ(story.Start(PlugInDllPath(), options).handshake, true);
  }
  bool Call(const char* what, ASCallback callback) {
    const auto answer = story.Host().CallPlugIn(what, {}, reinterpret_cast<PIPlugInCallbackType>(callback));
    EXPECT_FALSE(answer.raised) << what << " let a host error through";
    return answer.value != kHostFalse;
  }
  bool Register() { return Call("PlugInRegister", story.Host().Handshake().importReplaceAndRegisterCallback); }
  bool Init() { return Call("PlugInInit", story.Host().Handshake().initCallback); }
};

TEST(HookFailures, RegisterAndInitAnswerFalseOnAHostErrorAndUnloadUndoesOnlyWhatWasMade) {
  const struct {
    bool init;  // the error comes while initialising, after a good register
    const char* operation;
    int call;
    std::size_t unregistered, callbacksDestroyed, buttonsDestroyed, idleUnregistered;  // at unload
  } rows[] = {
      {false, "ASCallbackCreate", 1, 0, 0, 0, 0},           // 0: nothing made
      {false, "AVAppRegisterNotification", 1, 0, 1, 0, 0},  // 1: a callback, not registered
      {false, "ASCallbackCreate", 2, 1, 1, 0, 0},           // 2: registered; the quit hook not made
      {false, "HFTReplaceEntry", 1, 1, 1, 0, 0},            // 3
      {true, "AVAppGetToolBar", 1, 4, 5, 0, 1},             // 4: no button made
      {true, "AVToolButtonNew", 1, 4, 5, 0, 1},             // 5
      {true, "AVToolBarAddButton", 1, 4, 5, 1, 1},          // 6: a button made
      {true, "AVToolButtonSetHelpText", 1, 4, 5, 1, 1},     // 7
      {false, "AVAppRegisterNotification", 3, 2, 3, 0, 0},  // 8: the start-up's and AVDocDidOpen's
      {false, "AVAppRegisterIdleProc", 1, 4, 5, 0, 0},      // 9: every notification, no idle procedure
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    HookRun run;
    ASSERT_TRUE(!rows[i].init || run.Register());
    run.story.Faults().RaiseOnCall(rows[i].operation, rows[i].call, kInjected);
    EXPECT_FALSE(rows[i].init ? run.Init() : run.Register());
    run.story.Unload();
    EXPECT_EQ(run.story.Log().Count("AVAppUnregisterNotification"), rows[i].unregistered);
    EXPECT_EQ(run.story.Log().Count("ASCallbackDestroy"), rows[i].callbacksDestroyed);
    EXPECT_EQ(run.story.Log().Count("AVToolButtonDestroy"), rows[i].buttonsDestroyed);
    EXPECT_EQ(run.story.Log().Count("AVAppUnregisterIdleProc"), rows[i].idleUnregistered);
    ExpectHostClean(run.story);
  }
}

// The same button, name and help text on every run; its client data is
// not used.
TEST(HookFailures, TheButtonIsOnTheBarWithItsPictureTextAndClientDataOnEveryRun) {
  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    HostStory story;
    ASSERT_EQ(story.Start(PlugInDllPath()).initialized, true);
    const standin::ToolButtonRecord* button = story.Host().Tools().FindOnBar(kManagerButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(story.Host().Tools().OnBar().back(), button) << "appended at the end";
    EXPECT_EQ(button->helpText, "Vellora v1.51");
    EXPECT_TRUE(button->longOnly && !button->separator);
    ASSERT_NE(button->clientData, nullptr);
    EXPECT_STREQ(static_cast<const char*>(button->clientData), kManagerButton);
    BITMAP picture{};
    ASSERT_EQ(GetObjectA(static_cast<HBITMAP>(button->icon), sizeof picture, &picture),
              static_cast<int>(sizeof picture))
        << "bitmap 126 from the plug-in's resources";
    EXPECT_EQ(picture.bmWidth * 100 + picture.bmHeight, 2020);
    // A click opens the window: the window stories (tests/ui) click it.
    story.Unload();
    EXPECT_EQ(story.Host().Tools().FindOnBar(kManagerButton), nullptr) << "destroyed at unload";
    ExpectHostClean(story);
  }
}

}  // namespace
