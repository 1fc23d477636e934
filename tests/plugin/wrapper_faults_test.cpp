// Every wrapper of a host operation, run against the stand-in host: it works,
// and an error injected into its operation comes out as HostError with that
// code, with the exception frame stack balanced.
#include <functional>
#include <set>

#include "host/host_api.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "standin/di_path.h"
#include "standin/fault_injection.h"
#include "tests/standin/story_fixture.h"

namespace {

void Noop(void*) {}
ASBool Yes() { return kHostTrue; }
ASBool VisitAll(AVDoc, void*) { return kHostTrue; }
ASBool RaisesFromCallback(AVDoc, void*) { throw HostError(0x40001234); }

// Handles the cases share; each case makes what it consumes.
struct Handles {
  ASExtension self = nullptr;
  ASFileSys fileSys = nullptr;
  ASPathName path = nullptr;
  AVDoc doc = nullptr;
  PDDoc model = nullptr;
  AVPageView view = nullptr;
  AVMenubar bar = nullptr;
  AVMenu menu = nullptr;
  AVMenuItem item = nullptr;
  AVToolBar toolBar = nullptr;
  AVToolButton button = nullptr;
  ASCallback callback = nullptr;
  char* text = nullptr;
  std::string pdfPath;
};

struct WrapperCase {
  const char* operation;
  std::function<void(Handles&)> prepare;  // makes what the call consumes (not counted as its call)
  std::function<void(Handles&)> call;
};

const auto nothing = [](Handles&) {};

std::vector<WrapperCase> Cases() {
  return {
      {"ASExtensionMgrGetHFT", nothing,
       [](Handles&) {
         EXPECT_NE(host::ASExtensionMgrGetHFT(host::ASAtomFromString("PDModel"), kHFTVersion4), nullptr);
       }},
      {"ASAtomFromString", nothing, [](Handles&) { EXPECT_NE(host::ASAtomFromString("x"), 0u); }},
      {"ASAtomGetString", nothing,
       [](Handles&) { EXPECT_STREQ(host::ASAtomGetString(host::ASAtomFromString("y")), "y"); }},
      {"ASCallbackCreate", nothing,
       [](Handles& h) { EXPECT_NE(host::ASCallbackCreate(h.self, HostEntryProc<Noop>()), nullptr); }},
      {"ASCallbackDestroy", [](Handles& h) { h.callback = host::ASCallbackCreate(h.self, HostEntryProc<Noop>()); },
       [](Handles& h) { host::ASCallbackDestroy(h.callback); }},
      {"ASfree", [](Handles& h) { h.text = host::ASFileSysDIPathFromPath(h.fileSys, h.path, nullptr); },
       [](Handles& h) { host::ASfree(h.text); }},
      {"ASGetDefaultFileSys", nothing, [](Handles& h) { EXPECT_EQ(host::ASGetDefaultFileSys(), h.fileSys); }},
      {"ASFileSysDIPathFromPath", nothing,
       [](Handles& h) { host::ASfree(host::ASFileSysDIPathFromPath(h.fileSys, h.path, nullptr)); }},
      {"ASFileSysPathFromDIPath", nothing,
       [](Handles& h) { EXPECT_NE(host::ASFileSysPathFromDIPath(h.fileSys, "/C/a.pdf", nullptr), nullptr); }},
      {"ASFileAcquirePathName", nothing,
       [](Handles& h) { EXPECT_NE(host::ASFileAcquirePathName(host::PDDocGetFile(h.model)), nullptr); }},
      {"PDDocGetNumPages", nothing, [](Handles& h) { EXPECT_EQ(host::PDDocGetNumPages(h.model), 5); }},
      {"PDDocGetFile", nothing, [](Handles& h) { EXPECT_NE(host::PDDocGetFile(h.model), nullptr); }},
      {"PDPageGetNumber", nothing,
       [](Handles& h) { EXPECT_GE(host::PDPageGetNumber(host::AVPageViewGetPage(h.view)), 0); }},
      {"AVAppRegisterNotification",
       [](Handles& h) { h.callback = host::ASCallbackCreate(h.self, HostEntryProc<Noop>()); },
       [](Handles& h) { host::AVAppRegisterNotification(AVAppDidInitializeNSEL, h.self, h.callback, nullptr); }},
      {"AVAppUnregisterNotification",
       [](Handles& h) {
         h.callback = host::ASCallbackCreate(h.self, HostEntryProc<Noop>());
         host::AVAppRegisterNotification(AVAppDidInitializeNSEL, h.self, h.callback, &h);
       },
       [](Handles& h) { host::AVAppUnregisterNotification(AVAppDidInitializeNSEL, h.self, h.callback, &h); }},
      {"AVAppCanQuit", nothing, [](Handles&) { EXPECT_EQ(host::AVAppCanQuit(), kHostTrue); }},
      {"AVAppEnumDocs", nothing,
       [](Handles& h) { host::AVAppEnumDocs(host::ASCallbackCreate(h.self, HostEntryProc<VisitAll>()), nullptr); }},
      {"AVAppGetActiveDoc", nothing, [](Handles& h) { EXPECT_EQ(host::AVAppGetActiveDoc(), h.doc); }},
      {"AVAppGetToolBar", nothing, [](Handles& h) { EXPECT_EQ(host::AVAppGetToolBar(), h.toolBar); }},
      {"AVAppGetMenubar", nothing, [](Handles& h) { EXPECT_EQ(host::AVAppGetMenubar(), h.bar); }},
      {"AVToolButtonNew", nothing,
       [](Handles&) {
         EXPECT_NE(host::AVToolButtonNew(host::ASAtomFromString("B"), nullptr, kHostTrue, kHostFalse), nullptr);
       }},
      {"AVToolBarAddButton",
       [](Handles& h) {
         h.button = host::AVToolButtonNew(host::ASAtomFromString("C"), nullptr, kHostTrue, kHostFalse);
       },
       [](Handles& h) { host::AVToolBarAddButton(h.toolBar, h.button, kHostFalse, nullptr); }},
      {"AVToolButtonSetExecuteProc", nothing,
       [](Handles& h) {
         host::AVToolButtonSetExecuteProc(h.button, host::ASCallbackCreate(h.self, HostEntryProc<Noop>()), nullptr);
       }},
      {"AVToolButtonSetHelpText", nothing, [](Handles& h) { host::AVToolButtonSetHelpText(h.button, "help"); }},
      {"AVToolButtonDestroy", nothing, [](Handles& h) { host::AVToolButtonDestroy(h.button); }},
      {"AVDocGetPDDoc", nothing, [](Handles& h) { EXPECT_EQ(host::AVDocGetPDDoc(h.doc), h.model); }},
      {"AVDocOpenFromFile", nothing,
       [](Handles& h) {
         const std::string text = standin::DIPathFromWindowsPath(h.pdfPath);
         const ASPathName path = host::ASFileSysPathFromDIPath(h.fileSys, text.c_str(), nullptr);
         EXPECT_EQ(host::AVDocOpenFromFile(path, h.fileSys, nullptr), h.doc);
       }},
      {"AVDocGetPageView", nothing, [](Handles& h) { EXPECT_EQ(host::AVDocGetPageView(h.doc), h.view); }},
      {"AVDocGetViewDef", nothing,
       [](Handles& h) {
         AVDocViewDef def{};
         host::AVDocGetViewDef(h.doc, &def);
         EXPECT_EQ(def.bytes[0], kViewDefinitionSize);
       }},
      {"AVDocGetViewMode", nothing, [](Handles& h) { host::AVDocGetViewMode(h.doc); }},
      {"AVDocSetViewMode", nothing, [](Handles& h) { host::AVDocSetViewMode(h.doc, 2); }},
      {"AVDocGetSplitterPosition", nothing, [](Handles& h) { host::AVDocGetSplitterPosition(h.doc); }},
      {"AVDocSetSplitterPosition", nothing, [](Handles& h) { host::AVDocSetSplitterPosition(h.doc, 120); }},
      {"AVPageViewGetLayoutMode", nothing, [](Handles& h) { host::AVPageViewGetLayoutMode(h.view); }},
      {"AVPageViewSetLayoutMode", nothing, [](Handles& h) { host::AVPageViewSetLayoutMode(h.view, 2); }},
      {"AVPageViewGetPage", nothing, [](Handles& h) { EXPECT_NE(host::AVPageViewGetPage(h.view), nullptr); }},
      {"AVPageViewGoTo", nothing, [](Handles& h) { host::AVPageViewGoTo(h.view, 4); }},
      {"AVPageViewGetZoomType", nothing, [](Handles& h) { host::AVPageViewGetZoomType(h.view); }},
      {"AVPageViewGetZoom", nothing, [](Handles& h) { host::AVPageViewGetZoom(h.view); }},
      {"AVPageViewZoomTo", nothing, [](Handles& h) { host::AVPageViewZoomTo(h.view, 1, 0x20000); }},
      {"AVPageViewGetAperture", nothing,
       [](Handles& h) {
         AVRect16 rect{};
         host::AVPageViewGetAperture(h.view, &rect);
       }},
      {"AVPageViewScrollTo", nothing, [](Handles& h) { host::AVPageViewScrollTo(h.view, 5, 6); }},
      {"AVPageViewBeginOperation", nothing, [](Handles& h) { host::AVPageViewBeginOperation(h.view); }},
      {"AVPageViewEndOperation", nothing, [](Handles& h) { host::AVPageViewEndOperation(h.view); }},
      {"AVMenubarAcquireMenuByName", nothing,
       [](Handles& h) { h.menu = host::AVMenubarAcquireMenuByName(h.bar, "Window"); }},
      {"AVMenubarAcquireMenuItemByName", nothing,
       [](Handles& h) { h.item = host::AVMenubarAcquireMenuItemByName(h.bar, "WindowMenuSeparator"); }},
      {"AVMenuGetMenuItemIndex", nothing,
       [](Handles& h) { EXPECT_GT(host::AVMenuGetMenuItemIndex(h.menu, h.item), 0); }},
      {"AVMenuAcquireMenuItemByIndex", [](Handles& h) { host::AVMenuItemRelease(h.item); },
       [](Handles& h) {
         h.item = host::AVMenuAcquireMenuItemByIndex(h.menu, host::AVMenuGetMenuItemIndex(h.menu, h.item) + 1);
       }},
      {"AVMenuItemExecute", nothing, [](Handles& h) { host::AVMenuItemExecute(h.item); }},
      {"AVMenuItemRelease", nothing, [](Handles& h) { host::AVMenuItemRelease(h.item); }},
      {"AVMenuRelease", nothing, [](Handles& h) { host::AVMenuRelease(h.menu); }},
      {"AVDocClose", nothing, [](Handles& h) { EXPECT_EQ(host::AVDocClose(h.doc, kHostFalse), kHostTrue); }},
      // Last: the replacement changes what the AVAppCanQuit wrapper reaches.
      {"HFTReplaceEntry", nothing,
       [](Handles&) { host::HFTReplaceEntry(Host().acroView.table, AVAppCanQuitSEL, HostEntryProc<Yes>(), 1); }},
      {"HFTGetReplacedEntry", nothing,
       [](Handles&) {
         EXPECT_NE(host::HFTGetReplacedEntry(Host().acroView.table, AVAppCanQuitSEL, HostEntryProc<Yes>()), nullptr);
       }},
  };
}

class Wrappers : public StoryTest {};

TEST_F(Wrappers, EveryWrapperWorksAndAnInjectedErrorComesOutAsHostErrorWithItsCode) {
  Handles h;
  h.self = Host().extensionId;
  h.fileSys = host::ASGetDefaultFileSys();
  h.pdfPath = files_.Pdf("five.pdf", 5);
  h.doc = story_.OpenFile(h.pdfPath);
  h.model = host::AVDocGetPDDoc(h.doc);
  h.view = host::AVDocGetPageView(h.doc);
  h.path = host::ASFileAcquirePathName(host::PDDocGetFile(h.model));
  h.bar = host::AVAppGetMenubar();
  h.toolBar = host::AVAppGetToolBar();

  std::set<std::string> covered;
  ASErrorCode code = 0x40010000;
  for (const WrapperCase& c : Cases()) {
    SCOPED_TRACE(c.operation);
    covered.insert(c.operation);
    c.prepare(h);
    ++code;
    story_.Faults().RaiseOnCall(c.operation, 1, code);
    try {
      c.call(h);
      ADD_FAILURE() << "no HostError";
    } catch (const HostError& error) {
      EXPECT_EQ(error.code(), code);
    }
    EXPECT_EQ(story_.FrameDepth(), 0u);
    EXPECT_EQ(story_.Faults().Pending(), 0u);
    // The raise happened before the host did anything: the same call now works.
    EXPECT_NO_THROW(c.call(h));
    EXPECT_EQ(story_.FrameDepth(), 0u);
  }
  EXPECT_EQ(story_.OutstandingHostMemory(), 0u);
  EXPECT_EQ(story_.OutstandingMenus(), 0);
  EXPECT_EQ(story_.OutstandingMenuItems(), 0);

  // Every operation with a wrapper is in the table; the four frame operations
  // are the mechanism the wrappers themselves use.
  for (const std::string& name : standin::OperationNames()) {
    const bool mechanism = standin::IsFrameOperation(name) || name == "ASRaise";
    EXPECT_EQ(covered.count(name), mechanism ? 0u : 1u) << name;
  }
}

TEST_F(Wrappers, ErrorRaisedByAPlugInCallbackComesOutOfTheOperationThatCalledIt) {
  story_.OpenFile(files_.Pdf("one.pdf", 1));
  try {
    host::AVAppEnumDocs(host::ASCallbackCreate(Host().extensionId, HostEntryProc<RaisesFromCallback>()), nullptr);
    ADD_FAILURE() << "no HostError";
  } catch (const HostError& error) {
    EXPECT_EQ(error.code(), 0x40001234);
  }
  EXPECT_EQ(story_.LastFailedCall()->call, "AVAppEnumDocs callback");
}

}  // namespace
