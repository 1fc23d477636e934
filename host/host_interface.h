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

// Notification selectors.
enum NSelector : ASInt32 { AVAppDidInitializeNSEL = 1 };

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

// --- Selectors ------------------------------------------------------------------

enum CoreSel : int {
  ASExtensionMgrGetHFTSEL = 1,
  ASAtomFromStringSEL,
  ASAtomGetStringSEL,
  ASCallbackCreateSEL,
  ASCallbackDestroySEL,
  ASPushExceptionFrameSEL,
  ASPopExceptionFrameSEL,
  ASGetExceptionErrorCodeSEL,
  ASRaiseSEL,
  ASfreeSEL,
  HFTReplaceEntrySEL,
  HFTGetReplacedEntrySEL,
  CoreNUMSELECTORSplusOne
};

enum AcroSupportSel : int {
  ASGetDefaultFileSysSEL = 1,
  ASFileSysDIPathFromPathSEL,
  ASFileSysPathFromDIPathSEL,
  ASFileAcquirePathNameSEL,
  AcroSupportNUMSELECTORSplusOne
};

enum CosSel : int { CosNUMSELECTORSplusOne = 1 };  // acquired, never called

enum PDModelSel : int {
  PDDocGetNumPagesSEL = 1,
  PDDocGetFileSEL,
  PDPageGetNumberSEL,
  PDModelNUMSELECTORSplusOne
};

enum AcroViewSel : int {
  AVAppRegisterNotificationSEL = 1,
  AVAppUnregisterNotificationSEL,
  AVAppCanQuitSEL,
  AVAppEnumDocsSEL,
  AVAppGetActiveDocSEL,
  AVAppGetToolBarSEL,
  AVAppGetMenubarSEL,
  AVToolButtonNewSEL,
  AVToolBarAddButtonSEL,
  AVToolButtonSetExecuteProcSEL,
  AVToolButtonSetHelpTextSEL,
  AVToolButtonDestroySEL,
  AVDocGetPDDocSEL,
  AVDocOpenFromFileSEL,
  AVDocCloseSEL,
  AVDocGetPageViewSEL,
  AVDocGetViewDefSEL,
  AVDocGetViewModeSEL,
  AVDocSetViewModeSEL,
  AVDocGetSplitterPositionSEL,
  AVDocSetSplitterPositionSEL,
  AVPageViewGetLayoutModeSEL,
  AVPageViewSetLayoutModeSEL,
  AVPageViewGetPageSEL,
  AVPageViewGoToSEL,
  AVPageViewGetZoomTypeSEL,
  AVPageViewGetZoomSEL,
  AVPageViewZoomToSEL,
  AVPageViewGetApertureSEL,
  AVPageViewScrollToSEL,
  AVPageViewBeginOperationSEL,
  AVPageViewEndOperationSEL,
  AVMenubarAcquireMenuByNameSEL,
  AVMenubarAcquireMenuItemByNameSEL,
  AVMenuGetMenuItemIndexSEL,
  AVMenuAcquireMenuItemByIndexSEL,
  AVMenuItemExecuteSEL,
  AVMenuReleaseSEL,
  AVMenuItemReleaseSEL,
  AcroViewNUMSELECTORSplusOne
};

enum WinSel : int { WinNUMSELECTORSplusOne = 1 };  // acquired, never called

// --- Signatures ------------------------------------------------------------------
// Core
using ASExtensionMgrGetHFTSELPROTO = HFT(HOSTCALL*)(ASAtom name, ASUns32 version);
using ASAtomFromStringSELPROTO = ASAtom(HOSTCALL*)(const char* text);
using ASAtomGetStringSELPROTO = const char*(HOSTCALL*)(ASAtom atom);
using ASCallbackCreateSELPROTO = ASCallback(HOSTCALL*)(ASExtension owner, void* proc);
using ASCallbackDestroySELPROTO = void(HOSTCALL*)(ASCallback callback);
using ASPushExceptionFrameSELPROTO = void(HOSTCALL*)(ASExceptionFrame* frame, ASRestoreProc restore);
using ASPopExceptionFrameSELPROTO = void(HOSTCALL*)(void);
using ASGetExceptionErrorCodeSELPROTO = ASErrorCode(HOSTCALL*)(void);
using ASRaiseSELPROTO = void(HOSTCALL*)(ASErrorCode code);
using ASfreeSELPROTO = void(HOSTCALL*)(void* block);
using HFTReplaceEntrySELPROTO = void(HOSTCALL*)(HFT table, int selector, HFTEntry replacement, ASUns32 flags);
using HFTGetReplacedEntrySELPROTO = HFTEntry(HOSTCALL*)(HFT table, int selector, HFTEntry replacement);

// AcroSupport
using ASGetDefaultFileSysSELPROTO = ASFileSys(HOSTCALL*)(void);
using ASFileSysDIPathFromPathSELPROTO = char*(HOSTCALL*)(ASFileSys fileSys, ASPathName path, ASPathName relativeTo);
using ASFileSysPathFromDIPathSELPROTO = ASPathName(HOSTCALL*)(ASFileSys fileSys, const char* diPath,
                                                             ASPathName relativeTo);
using ASFileAcquirePathNameSELPROTO = ASPathName(HOSTCALL*)(ASFile file);

// PDModel
using PDDocGetNumPagesSELPROTO = ASInt32(HOSTCALL*)(PDDoc doc);
using PDDocGetFileSELPROTO = ASFile(HOSTCALL*)(PDDoc doc);
using PDPageGetNumberSELPROTO = ASInt32(HOSTCALL*)(PDPage page);

// AcroView
using AVAppRegisterNotificationSELPROTO = void(HOSTCALL*)(NSelector nsel, ASExtension owner, ASCallback proc,
                                                          void* clientData);
using AVAppUnregisterNotificationSELPROTO = void(HOSTCALL*)(NSelector nsel, ASExtension owner, ASCallback proc,
                                                            void* clientData);
using AVAppCanQuitSELPROTO = ASBool(HOSTCALL*)(void);
using AVAppEnumDocsSELPROTO = void(HOSTCALL*)(ASCallback enumProc, void* clientData);
using AVAppGetActiveDocSELPROTO = AVDoc(HOSTCALL*)(void);
using AVAppGetToolBarSELPROTO = AVToolBar(HOSTCALL*)(void);
using AVAppGetMenubarSELPROTO = AVMenubar(HOSTCALL*)(void);
using AVToolButtonNewSELPROTO = AVToolButton(HOSTCALL*)(ASAtom name, void* icon, ASBool longOnly, ASBool isSeparator);
using AVToolBarAddButtonSELPROTO = void(HOSTCALL*)(AVToolBar bar, AVToolButton button, ASBool before,
                                                   AVToolButton otherButton);
using AVToolButtonSetExecuteProcSELPROTO = void(HOSTCALL*)(AVToolButton button, ASCallback proc, void* clientData);
using AVToolButtonSetHelpTextSELPROTO = void(HOSTCALL*)(AVToolButton button, const char* text);
using AVToolButtonDestroySELPROTO = void(HOSTCALL*)(AVToolButton button);
using AVDocGetPDDocSELPROTO = PDDoc(HOSTCALL*)(AVDoc doc);
using AVDocOpenFromFileSELPROTO = AVDoc(HOSTCALL*)(ASPathName path, ASFileSys fileSys, const char* tempTitle);
using AVDocCloseSELPROTO = ASBool(HOSTCALL*)(AVDoc doc, ASBool noSave);
using AVDocGetPageViewSELPROTO = AVPageView(HOSTCALL*)(AVDoc doc);
using AVDocGetViewDefSELPROTO = void(HOSTCALL*)(AVDoc doc, AVDocViewDef* viewDef);
using AVDocGetViewModeSELPROTO = ASInt16(HOSTCALL*)(AVDoc doc);
using AVDocSetViewModeSELPROTO = void(HOSTCALL*)(AVDoc doc, ASInt16 mode);
using AVDocGetSplitterPositionSELPROTO = ASInt16(HOSTCALL*)(AVDoc doc);
using AVDocSetSplitterPositionSELPROTO = void(HOSTCALL*)(AVDoc doc, ASInt16 position);
using AVPageViewGetLayoutModeSELPROTO = ASInt16(HOSTCALL*)(AVPageView view);
using AVPageViewSetLayoutModeSELPROTO = void(HOSTCALL*)(AVPageView view, ASInt16 mode);
using AVPageViewGetPageSELPROTO = PDPage(HOSTCALL*)(AVPageView view);
using AVPageViewGoToSELPROTO = void(HOSTCALL*)(AVPageView view, ASInt32 page);
using AVPageViewGetZoomTypeSELPROTO = ASInt32(HOSTCALL*)(AVPageView view);
using AVPageViewGetZoomSELPROTO = ASFixed(HOSTCALL*)(AVPageView view);
using AVPageViewZoomToSELPROTO = void(HOSTCALL*)(AVPageView view, ASInt32 zoomType, ASFixed zoom);
using AVPageViewGetApertureSELPROTO = void(HOSTCALL*)(AVPageView view, AVRect16* rect);
using AVPageViewScrollToSELPROTO = void(HOSTCALL*)(AVPageView view, ASInt16 x, ASInt16 y);
using AVPageViewBeginOperationSELPROTO = void(HOSTCALL*)(AVPageView view);
using AVPageViewEndOperationSELPROTO = void(HOSTCALL*)(AVPageView view);
using AVMenubarAcquireMenuByNameSELPROTO = AVMenu(HOSTCALL*)(AVMenubar bar, const char* name);
using AVMenubarAcquireMenuItemByNameSELPROTO = AVMenuItem(HOSTCALL*)(AVMenubar bar, const char* name);
using AVMenuGetMenuItemIndexSELPROTO = ASInt32(HOSTCALL*)(AVMenu menu, AVMenuItem item);
using AVMenuAcquireMenuItemByIndexSELPROTO = AVMenuItem(HOSTCALL*)(AVMenu menu, ASInt32 index);
using AVMenuItemExecuteSELPROTO = void(HOSTCALL*)(AVMenuItem item);
using AVMenuReleaseSELPROTO = void(HOSTCALL*)(AVMenu menu);
using AVMenuItemReleaseSELPROTO = void(HOSTCALL*)(AVMenuItem item);

}  // extern "C"
