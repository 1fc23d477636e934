// The host interface: everything that crosses between the PDF reader host and
// its plug-ins. Both sides include this one header: the plug-in (Vellora.api)
// and the stand-in host that loads it for tests and the demo.
//
// Shape of the interface
// ----------------------
// The host hands its operations over as function tables ("HFTs"). A table is
// an array of entry pointers indexed by a selector; entry 0 is unused so a
// zero selector can never call anything. Each table has a name and version,
// and the plug-in acquires it by name through ASExtensionMgrGetHFT.
//
// Handles (documents, page views, menus, atoms, callbacks, ...) are opaque
// pointers or numbers owned by the host.
//
// Errors: a failing host operation does not return. It "raises": the host
// stores the error code in the most recent exception frame and calls that
// frame's restore procedure, which must not return (it longjmps back to where
// the frame was pushed). The frame owner then pops the frame and may read the
// code with ASGetExceptionErrorCode.
#pragma once

#include <windows.h>

#include <cstdint>

#define HOSTCALL __cdecl

extern "C" {

using ASBool = std::int16_t;  // booleans exchanged with the host are 16-bit
using ASInt16 = std::int16_t;
using ASInt32 = std::int32_t;
using ASUns16 = std::uint16_t;
using ASUns32 = std::uint32_t;
using ASFixed = std::int32_t;  // raw zoom value: carried, never interpreted
using ASAtom = std::uint32_t;  // 0 is never a valid atom
using ASErrorCode = std::int32_t;
using ASPathName = struct ASPathNameRec*;
using ASFileSys = struct ASFileSysRec*;
using ASFile = struct ASFileRec*;
using ASExtension = struct ASExtensionRec*;
using PDDoc = struct PDDocRec*;
using PDPage = struct PDPageRec*;
using AVDoc = struct AVDocRec*;
using AVPageView = struct AVPageViewRec*;
using AVMenubar = struct AVMenubarRec*;
using AVMenu = struct AVMenuRec*;
using AVMenuItem = struct AVMenuItemRec*;
using AVToolBar = struct AVToolBarRec*;
using AVToolButton = struct AVToolButtonRec*;
using ASCallback = void*;  // callable; made from a plug-in function by ASCallbackCreate
using HFTEntry = void*;
using HFT = HFTEntry*;

enum : ASBool { kHostFalse = 0, kHostTrue = 1 };

// --- Versions and names -------------------------------------------------------

constexpr ASUns32 kHandshakeV0200 = 0x20000;
constexpr ASUns32 kCoreHFTVersion = 0x20000;
constexpr ASUns32 kHFTVersion4 = 0x40000;

constexpr const char kAcroSupportHFTName[] = "AcroSupport";
constexpr const char kCosHFTName[] = "Cos";
constexpr const char kPDModelHFTName[] = "PDModel";
constexpr const char kAcroViewHFTName[] = "AcroView";
constexpr const char kWinHFTName[] = "Win";

// --- Error codes (the host's own numbering) ------------------------------------

constexpr ASErrorCode kErrGeneral = 0x40000001;      // unspecified failure
constexpr ASErrorCode kErrNoMemory = 0x40000002;     // out of memory
constexpr ASErrorCode kErrBadParameter = 0x40000003; // a handle or argument the host rejects
constexpr ASErrorCode kErrFileOpen = 0x40000004;     // a file could not be opened
constexpr ASErrorCode kErrUnknown = 0x400000FF;      // raised for a plug-in failure that is not a host error

// --- Exception frames ----------------------------------------------------------

// Called by the host on a raise; must not return.
using ASRestoreProc = void(HOSTCALL*)(void* frame);

// The host's part of an exception frame. The plug-in embeds it at the start of
// its own frame record (which also holds the jump mark); the host links the
// frames through `previous` and writes `errorCode` before calling `restore`.
struct ASExceptionFrame {
  ASExceptionFrame* previous;
  ASRestoreProc restore;
  ASErrorCode errorCode;
};

// --- Records of the loading conversation --------------------------------------

// The host's Windows data handed to PlugInMain.
struct PIWinData {
  HWND mainWindow;
  HINSTANCE moduleInstance;
};

// Handed to the set-up callback.
struct PISDKData_V0200 {
  ASUns32 handshakeVersion;
  ASExtension extensionID;
  HFT coreHFT;
  ASCallback handshakeCallback;  // filled by the plug-in
};

// Handed to the handshake callback.
struct PIHandshakeData_V0200 {
  ASUns32 handshakeVersion;
  ASAtom appName;
  ASAtom extensionName;                    // filled by the plug-in
  ASCallback exportHFTsCallback;           // left as the host set it
  ASCallback importReplaceAndRegisterCallback;
  ASCallback initCallback;
  ASCallback unloadCallback;
};

// Signatures of the loading conversation.
using PISetupSDKProcType = ASBool(HOSTCALL*)(ASUns32 handshakeVersion, void* sdkData);
using PIHandshakeProcType = ASBool(HOSTCALL*)(ASUns32 handshakeVersion, void* handshakeData);
using PIPlugInCallbackType = ASBool(HOSTCALL*)(void);  // register, init, unload
using PlugInMainProcType = ASBool(HOSTCALL*)(ASUns32 appHandshakeVersion, ASUns32* handshakeVersion,
                                             PISetupSDKProcType* setupProc, void* windowsData);

// Signatures of the plug-in functions the host calls later.
using AVAppDidInitializeProc = void(HOSTCALL*)(void* clientData);
using AVAppCanQuitProc = ASBool(HOSTCALL*)(void);
using AVExecuteProc = void(HOSTCALL*)(void* clientData);
using AVDocEnumProc = ASBool(HOSTCALL*)(AVDoc doc, void* clientData);
// After a document opened (listed in the "Window" menu, in front), error 0;
// after the host failed to open one, no document and the error code.
using AVDocDidOpenProc = void(HOSTCALL*)(AVDoc doc, ASErrorCode error, void* clientData);
// Before a document closes, while it can still be read.
using AVDocWillCloseProc = void(HOSTCALL*)(AVDoc doc, void* clientData);
// After a page view changed; `how` holds the kViewChanged bits of what did.
using AVPageViewDidChangeProc = void(HOSTCALL*)(AVPageView view, ASInt16 how, void* clientData);
// Called when the host's message loop has nothing else to do, no more often
// than the period it was registered with.
using AVIdleProc = void(HOSTCALL*)(void* clientData);

// Notification selectors.
enum NSelector : ASInt32 {
  AVAppDidInitializeNSEL = 1,
  AVDocDidOpenNSEL,
  AVDocWillCloseNSEL,
  AVPageViewDidChangeNSEL,
};

// What changed in a page view, as AVPageViewDidChange reports it. Changes
// made inside a batch (between the page view's begin and end operations)
// come as one notification when the batch ends.
enum : ASInt16 {
  kViewChangedPage = 0x01,
  kViewChangedZoom = 0x02,  // zoom type or value
  kViewChangedScroll = 0x04,
  kViewChangedLayoutMode = 0x08,
  kViewChangedPageMode = 0x10,
  kViewChangedSplitter = 0x20,
};

// An idle procedure's period is counted in ticks of 1/60 s.
constexpr ASUns32 kTicksPerSecond = 60;

// The page view's rectangle in device space.
struct AVRect16 {
  ASInt16 left, top, right, bottom;
};

// The document's view definition: the host's own record of how the document
// is viewed. Plug-ins copy it as bytes and never look inside.
constexpr int kViewDefinitionSize = 76;
struct AVDocViewDef {
  unsigned char bytes[kViewDefinitionSize];
};

// --- Operations -----------------------------------------------------------------
// Every operation of the host's tables, named once. Each table's list gives,
// in selector order from 1, OP(result, name, (parameters), (arguments)); the
// exception-frame operations and ASRaise, the mechanism of host errors, come
// as FRAME(...) and get no typed wrapper. From the lists come the selectors
// (<name>SEL), the signatures (<name>SELPROTO), the plug-in's wrappers
// (host/host_operations.h) and the stand-in host's tables and entries.
// clang-format off
#define VELLORA_CORE_OPERATIONS(OP, FRAME) \
  OP(HFT, ASExtensionMgrGetHFT, (ASAtom name, ASUns32 version), (name, version)) \
  OP(ASAtom, ASAtomFromString, (const char* text), (text)) \
  OP(const char*, ASAtomGetString, (ASAtom atom), (atom)) \
  OP(ASCallback, ASCallbackCreate, (ASExtension owner, void* proc), (owner, proc)) \
  OP(void, ASCallbackDestroy, (ASCallback callback), (callback)) \
  FRAME(void, ASPushExceptionFrame, (ASExceptionFrame* frame, ASRestoreProc restore), (frame, restore)) \
  FRAME(void, ASPopExceptionFrame, (), ()) \
  FRAME(ASErrorCode, ASGetExceptionErrorCode, (), ()) \
  FRAME(void, ASRaise, (ASErrorCode code), (code)) \
  OP(void, ASfree, (void* block), (block)) \
  OP(void, HFTReplaceEntry, (HFT table, int selector, HFTEntry replacement, ASUns32 flags), \
     (table, selector, replacement, flags)) \
  OP(HFTEntry, HFTGetReplacedEntry, (HFT table, int selector, HFTEntry replacement), (table, selector, replacement))

// A path object from ASFileSysPathFromDIPath or ASFileAcquirePathName is the
// caller's: it gives it back with ASFileSysReleasePath.
#define VELLORA_ACROSUPPORT_OPERATIONS(OP) \
  OP(ASFileSys, ASGetDefaultFileSys, (), ()) \
  OP(char*, ASFileSysDIPathFromPath, (ASFileSys fileSys, ASPathName path, ASPathName relativeTo), \
     (fileSys, path, relativeTo)) \
  OP(ASPathName, ASFileSysPathFromDIPath, (ASFileSys fileSys, const char* diPath, ASPathName relativeTo), \
     (fileSys, diPath, relativeTo)) \
  OP(ASPathName, ASFileAcquirePathName, (ASFile file), (file)) \
  OP(void, ASFileSysReleasePath, (ASFileSys fileSys, ASPathName path), (fileSys, path))

#define VELLORA_PDMODEL_OPERATIONS(OP) \
  OP(ASInt32, PDDocGetNumPages, (PDDoc doc), (doc)) \
  OP(ASFile, PDDocGetFile, (PDDoc doc), (doc)) \
  OP(ASInt32, PDPageGetNumber, (PDPage page), (page))

#define VELLORA_ACROVIEW_OPERATIONS(OP) \
  OP(void, AVAppRegisterNotification, (NSelector nsel, ASExtension owner, ASCallback proc, void* clientData), \
     (nsel, owner, proc, clientData)) \
  OP(void, AVAppUnregisterNotification, (NSelector nsel, ASExtension owner, ASCallback proc, void* clientData), \
     (nsel, owner, proc, clientData)) \
  OP(void, AVAppRegisterIdleProc, (ASCallback proc, void* clientData, ASUns32 periodTicks), \
     (proc, clientData, periodTicks)) \
  OP(void, AVAppUnregisterIdleProc, (ASCallback proc, void* clientData), (proc, clientData)) \
  OP(ASBool, AVAppCanQuit, (), ()) \
  OP(void, AVAppEnumDocs, (ASCallback enumProc, void* clientData), (enumProc, clientData)) \
  OP(AVDoc, AVAppGetActiveDoc, (), ()) \
  OP(AVToolBar, AVAppGetToolBar, (), ()) \
  OP(AVMenubar, AVAppGetMenubar, (), ()) \
  OP(AVToolButton, AVToolButtonNew, (ASAtom name, void* icon, ASBool longOnly, ASBool isSeparator), \
     (name, icon, longOnly, isSeparator)) \
  OP(void, AVToolBarAddButton, (AVToolBar bar, AVToolButton button, ASBool before, AVToolButton otherButton), \
     (bar, button, before, otherButton)) \
  OP(void, AVToolButtonSetExecuteProc, (AVToolButton button, ASCallback proc, void* clientData), \
     (button, proc, clientData)) \
  OP(void, AVToolButtonSetHelpText, (AVToolButton button, const char* text), (button, text)) \
  OP(void, AVToolButtonDestroy, (AVToolButton button), (button)) \
  OP(PDDoc, AVDocGetPDDoc, (AVDoc doc), (doc)) \
  OP(AVDoc, AVDocOpenFromFile, (ASPathName path, ASFileSys fileSys, const char* tempTitle), \
     (path, fileSys, tempTitle)) \
  OP(ASBool, AVDocClose, (AVDoc doc, ASBool noSave), (doc, noSave)) \
  OP(AVPageView, AVDocGetPageView, (AVDoc doc), (doc)) \
  OP(void, AVDocGetViewDef, (AVDoc doc, AVDocViewDef* viewDef), (doc, viewDef)) \
  OP(ASInt16, AVDocGetViewMode, (AVDoc doc), (doc)) \
  OP(void, AVDocSetViewMode, (AVDoc doc, ASInt16 mode), (doc, mode)) \
  OP(ASInt16, AVDocGetSplitterPosition, (AVDoc doc), (doc)) \
  OP(void, AVDocSetSplitterPosition, (AVDoc doc, ASInt16 position), (doc, position)) \
  OP(ASInt16, AVPageViewGetLayoutMode, (AVPageView view), (view)) \
  OP(void, AVPageViewSetLayoutMode, (AVPageView view, ASInt16 mode), (view, mode)) \
  OP(PDPage, AVPageViewGetPage, (AVPageView view), (view)) \
  OP(void, AVPageViewGoTo, (AVPageView view, ASInt32 page), (view, page)) \
  OP(ASInt32, AVPageViewGetZoomType, (AVPageView view), (view)) \
  OP(ASFixed, AVPageViewGetZoom, (AVPageView view), (view)) \
  OP(void, AVPageViewZoomTo, (AVPageView view, ASInt32 zoomType, ASFixed zoom), (view, zoomType, zoom)) \
  OP(void, AVPageViewGetAperture, (AVPageView view, AVRect16* rect), (view, rect)) \
  OP(void, AVPageViewScrollTo, (AVPageView view, ASInt16 x, ASInt16 y), (view, x, y)) \
  OP(void, AVPageViewBeginOperation, (AVPageView view), (view)) \
  OP(void, AVPageViewEndOperation, (AVPageView view), (view)) \
  OP(AVMenu, AVMenubarAcquireMenuByName, (AVMenubar bar, const char* name), (bar, name)) \
  OP(AVMenuItem, AVMenubarAcquireMenuItemByName, (AVMenubar bar, const char* name), (bar, name)) \
  OP(ASInt32, AVMenuGetMenuItemIndex, (AVMenu menu, AVMenuItem item), (menu, item)) \
  OP(AVMenuItem, AVMenuAcquireMenuItemByIndex, (AVMenu menu, ASInt32 index), (menu, index)) \
  OP(void, AVMenuItemExecute, (AVMenuItem item), (item)) \
  OP(void, AVMenuRelease, (AVMenu menu), (menu)) \
  OP(void, AVMenuItemRelease, (AVMenuItem item), (item))
// clang-format on

#define VELLORA_SELECTOR(result, name, parameters, arguments) name##SEL,
enum CoreSel : int { CoreNoSEL, VELLORA_CORE_OPERATIONS(VELLORA_SELECTOR, VELLORA_SELECTOR) CoreNUMSELECTORSplusOne };
enum AcroSupportSel : int {
  AcroSupportNoSEL,
  VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_SELECTOR) AcroSupportNUMSELECTORSplusOne
};
enum CosSel : int { CosNUMSELECTORSplusOne = 1 };  // acquired, never called
enum PDModelSel : int { PDModelNoSEL, VELLORA_PDMODEL_OPERATIONS(VELLORA_SELECTOR) PDModelNUMSELECTORSplusOne };
enum AcroViewSel : int { AcroViewNoSEL, VELLORA_ACROVIEW_OPERATIONS(VELLORA_SELECTOR) AcroViewNUMSELECTORSplusOne };
enum WinSel : int { WinNUMSELECTORSplusOne = 1 };  // acquired, never called
#undef VELLORA_SELECTOR

#define VELLORA_SIGNATURE(result, name, parameters, arguments) using name##SELPROTO = result(HOSTCALL*) parameters;
VELLORA_CORE_OPERATIONS(VELLORA_SIGNATURE, VELLORA_SIGNATURE)
VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_SIGNATURE)
VELLORA_PDMODEL_OPERATIONS(VELLORA_SIGNATURE)
VELLORA_ACROVIEW_OPERATIONS(VELLORA_SIGNATURE)
#undef VELLORA_SIGNATURE

}  // extern "C"
