// Host errors while the plug-in hooks itself in: register and init answer
// false and keep what they made; unload undoes exactly what exists.
#include <gtest/gtest.h>

#include <string>

#include "lifecycle/lifecycle_fixture.h"

namespace lifecycle {
namespace {

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

TEST(HookFailures, RegisterAnswersFalseOnAHostErrorAndUnloadUndoesOnlyWhatWasMade) {
  const struct {
    const char* operation;
    int call;
    std::size_t unregistered;  // AVAppUnregisterNotification calls at unload
    std::size_t destroyed;     // ASCallbackDestroy calls at unload
  } cases[] = {
      {"ASCallbackCreate", 1, 0, 0},           // nothing made
      {"AVAppRegisterNotification", 1, 0, 1},  // a callback, not registered
      {"ASCallbackCreate", 2, 1, 1},           // registered; the quit hook not made
      {"HFTReplaceEntry", 1, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.operation) + " call " + std::to_string(c.call));
    HookRun run;
    run.story.Faults().RaiseOnCall(c.operation, c.call, kInjected);
    EXPECT_FALSE(run.Register());
    run.story.Unload();
    EXPECT_EQ(run.story.Log().Count("AVAppUnregisterNotification"), c.unregistered);
    EXPECT_EQ(run.story.Log().Count("ASCallbackDestroy"), c.destroyed);
    ExpectHostClean(run.story);
  }
}

TEST(HookFailures, InitAnswersFalseOnAHostErrorAndUnloadDestroysOnlyAButtonThatExists) {
  const struct {
    const char* operation;
    bool buttonMade;
  } cases[] = {
      {"AVAppGetToolBar", false},  {"ASAtomFromString", false},          {"AVToolButtonNew", false},
      {"AVToolBarAddButton", true}, {"AVToolButtonSetExecuteProc", true}, {"AVToolButtonSetHelpText", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.operation);
    HookRun run;
    ASSERT_TRUE(run.Register());
    run.story.Faults().RaiseOnCall(c.operation, 1, kInjected);
    EXPECT_FALSE(run.Init());
    run.story.Unload();
    EXPECT_EQ(run.story.Log().Count("AVToolButtonDestroy"), c.buttonMade ? 1u : 0u);
    EXPECT_EQ(run.story.Log().Count("AVAppUnregisterNotification"), 1u) << "still unregistered";
    ExpectHostClean(run.story);
  }
}

TEST(HookFailures, TheButtonIsOnTheBarWithItsPictureTextAndClientData) {
  HostStory story;
  ASSERT_EQ(story.Start(PlugInDllPath()).initialized, true);
  const standin::ToolButtonRecord* button = story.Host().Tools().FindOnBar(kManagerButton);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(story.Host().Tools().OnBar().back(), button) << "appended at the end";
  EXPECT_EQ(button->helpText, "Vellora v1.51");
  EXPECT_TRUE(button->longOnly);
  EXPECT_FALSE(button->separator);
  ASSERT_NE(button->clientData, nullptr);
  EXPECT_STREQ(static_cast<const char*>(button->clientData), kManagerButton);
  BITMAP picture{};
  ASSERT_NE(button->icon, nullptr) << "bitmap 126 from the plug-in's resources";
  ASSERT_EQ(GetObjectA(static_cast<HBITMAP>(button->icon), sizeof picture, &picture), static_cast<int>(sizeof picture));
  EXPECT_EQ(picture.bmWidth, 20);
  EXPECT_EQ(picture.bmHeight, 20);

  // A click opens the window: the window stories (tests/ui) click it.
  story.Unload();
  EXPECT_EQ(story.Host().Tools().FindOnBar(kManagerButton), nullptr) << "destroyed at unload";
  ExpectHostClean(story);
}

}  // namespace
}  // namespace lifecycle
