// The host interface: everything that crosses between the PDF reader host and
// its plug-ins, laid out as the host lays it out on 32-bit and 64-bit
// Windows. Both sides include this one header: the plug-in (Vellora.api) and
// the stand-in host that loads it for tests and the demo. Every number and
// layout here is checked against the host's own in host/host_interface_checks.h.
//
// Shape of the interface
// ----------------------
// The host hands its operations over as function tables ("HFTs"). A table is
// an array of pointer-sized entries indexed by a selector; selectors start at
// 1 and keep their numbers for good (a retired entry keeps its slot). Each
// table has a name and version, and the plug-in acquires it by name through
// ASExtensionMgrGetHFT.
//
// Handles (documents, page views, menus, callbacks, ...) are opaque pointers
// owned by the host; atoms are 16-bit numbers.
//
// Errors: a failing host operation does not return. It "raises": the host
// remembers the error code and calls the restore procedure of the most recent
// exception frame with that frame's jump buffer; the procedure longjmps back
// to where the frame was pushed. The frame's owner then pops the frame and
// asks the code with ASGetExceptionErrorCode.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// Every table entry and every procedure the host calls back uses the C
// default convention (__cdecl on x86; the one convention on x64).
#define HOSTCALL __cdecl
// PlugInMain alone is __stdcall on x86: it removes its own 16 bytes of
// arguments. Both the plug-in's definition and the host's pointer type use
// this, so that the two sides cannot disagree.
#define PLUGINMAIN_CALL __stdcall

extern "C" {

using ASBool = std::uint16_t;  // booleans exchanged with the host are 16-bit
using ASInt16 = std::int16_t;
using ASInt32 = std::int32_t;
using ASUns16 = std::uint16_t;
using ASUns32 = std::uint32_t;
using ASFixed = std::int32_t;  // 16.16 fixed point: carried, never interpreted
using ASAtom = std::uint16_t;  // 0 is never a valid atom
using ASErrorCode = std::int32_t;
using ASVersion = std::uint32_t;
using ASFlagBits = std::uint32_t;
using ASSize_t = std::size_t;
using Selector = std::int32_t;
using PDPageNumber = std::int32_t;
using AVMenuIndex = std::int32_t;
using AVZoomType = std::int32_t;  // a C enumeration in the host: 4 bytes
using PDPageMode = std::int16_t;
using PDLayoutMode = std::int16_t;
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
constexpr ASVersion kCoreHFTVersion = 0x20000;  // the Core table handed at set-up
constexpr ASVersion kHFTVersion4 = 0x40000;     // tables with the old view slots
constexpr ASVersion kHFTVersion6 = 0x60000;     // tables with the new view slots

constexpr const char kCoreHFTName[] = "Core";
constexpr const char kAcroSupportHFTName[] = "AcroSupport";
constexpr const char kCosHFTName[] = "Cos";
constexpr const char kPDModelHFTName[] = "PDModel";
constexpr const char kAcroViewHFTName[] = "AcroView";
constexpr const char kWinHFTName[] = "Win";

// Flag of HFTReplaceEntry: the new entry may itself be replaced later.
constexpr ASFlagBits kHFTEntryReplaceable = 1;

// --- Error codes ----------------------------------------------------------------

constexpr ASErrorCode kErrGeneral = 0x40000001;      // the host's general error; also every plug-in failure of its own
constexpr ASErrorCode kErrNoMemory = 0x40000002;     // out of memory
constexpr ASErrorCode kErrBadParameter = 0x40000003; // a handle or argument the host rejects
constexpr ASErrorCode kErrFileOpen = 0x40000004;     // a file could not be opened
constexpr ASErrorCode kErrCannotReplaceSelector = 0x400B0006;  // HFTReplaceEntry of an entry not replaceable

// --- Exception frames ----------------------------------------------------------

// Called by the host on a raise with the jump buffer the frame was pushed
// with; longjmps there with value 1 and never returns.
using ASRestoreProc = void(HOSTCALL*)(void* env);

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
  ASAtom extensionName;           // filled by the plug-in
  ASCallback exportHFTsCallback;  // filled by a plug-in that exports tables
  ASCallback importReplaceAndRegisterCallback;
  ASCallback initCallback;
  ASCallback unloadCallback;
};

// Signatures of the loading conversation.
using PISetupSDKProcType = ASBool(HOSTCALL*)(ASUns32 handshakeVersion, void* sdkData);
using PIHandshakeProcType = ASBool(HOSTCALL*)(ASUns32 handshakeVersion, void* handshakeData);
using PIPlugInCallbackType = ASBool(HOSTCALL*)(void);  // export tables, register, init, unload
using PlugInMainProcType = ASBool(PLUGINMAIN_CALL*)(ASUns32 appHandshakeVersion, ASUns32* handshakeVersion,
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

// Notification selectors: the host's numbers, from 0 (those in between are
// notifications the plug-in does not listen to).
enum NSelector : ASInt32 {
  AVAppDidInitializeNSEL = 0,
  AVDocDidOpenNSEL = 4,
  AVDocWillCloseNSEL = 7,
  AVPageViewDidChangeNSEL = 14,
};
// The highest notification number this interface knows.
constexpr ASInt32 kHighestNSelector = AVPageViewDidChangeNSEL;

// What changed in a page view, as AVPageViewDidChange reports it. Changes
// made inside a batch (between the page view's begin and end operations)
// come as one notification when the batch ends.
enum : ASInt16 {
  kViewChangedScroll = 0x01,
  kViewChangedPageNumber = 0x02,
  kViewChangedPageSize = 0x04,  // the size of the page view or of its pages
  kViewChangedZoom = 0x08,      // zoom type or value
};

// An idle procedure's period is counted in ticks of 1/60 s.
constexpr ASUns32 kTicksPerSecond = 60;

// A rectangle in device space, 16-bit (the old AVPageViewGetAperture's).
struct AVRect16 {
  ASInt16 left, top, right, bottom;
};

// Two 32-bit words; 4-byte aligned.
struct PDBead {
  ASInt32 words[2];
};

// The document's view definition, the old record (AVDocGetViewDef of tables
// below 6.0). The caller sets `size` to the record's size and the use... flags
// of the parts it wants; the host fills those parts.
struct AVDocViewDef {
  ASSize_t size;
  ASBool bringToFront;
  ASBool usePageViewInfo;
  PDLayoutMode pageViewLayoutMode;
  PDPageNumber pageViewPageNum;
  AVZoomType pageViewZoomType;
  ASFixed pageViewZoom;
  ASInt16 pageViewX;  // top-left point of the view
  ASInt16 pageViewY;
  ASBool pageViewStartThread;
  ASInt32 pageViewThreadIndex;
  PDBead pageViewBead;
  ASBool useOverViewInfo;
  PDPageMode overViewMode;  // the page mode
  ASInt32 overViewPos;      // the splitter position
  ASInt32 overViewX;
  ASInt32 overViewY;
  ASBool useWindowInfo;
  AVRect16 windowFrame;
  ASBool unusedFlag;
  void* unusedPointer;
};

// What a plug-in hands AVDocGetViewDef: the record at the start of a
// zero-filled buffer as large as the newer record of a 64-bit host (104
// bytes), the most any host may write whatever it makes of the size field.
constexpr std::size_t kViewDefBufferSize = 104;
struct AVDocViewDefBuffer {
  AVDocViewDef record;
  unsigned char room[kViewDefBufferSize - sizeof(AVDocViewDef)];
};

// --- Operations -----------------------------------------------------------------
// Every operation of the host's tables that this interface uses, named once
// with its table (the list it is in) and its selector there:
// OP(selector, result, name, (parameters), (arguments)), in selector order.
// The exception-frame operations and ASRaise, the mechanism of host errors,
// come as FRAME(...) and get no typed wrapper. From the lists come the
// selectors (<name>SEL, of the table's own enumeration <Table>Sel), the
// signatures (<name>SELPROTO), the plug-in's wrappers (host/host_operations.h)
// and the stand-in host's tables and entries. The view operations are the old
// slots (AcroView below 6.0): a plain-text title, a 16-bit rectangle, 16-bit
// coordinates and the old view-definition record.
// clang-format off
#define VELLORA_CORE_OPERATIONS(OP, FRAME) \
  FRAME(1, void, ASRaise, (ASErrorCode code), (code)) \
  FRAME(2, void, ASPushExceptionFrame, (void* env, ASRestoreProc restore), (env, restore)) \
  FRAME(3, void, ASPopExceptionFrame, (), ()) \
  FRAME(4, ASErrorCode, ASGetExceptionErrorCode, (), ()) \
  OP(5, ASAtom, ASAtomFromString, (const char* text), (text)) \
  OP(7, const char*, ASAtomGetString, (ASAtom atom), (atom)) \
  OP(8, ASCallback, ASCallbackCreate, (ASExtension owner, void* proc), (owner, proc)) \
  OP(9, void, ASCallbackDestroy, (ASCallback callback), (callback)) \
  OP(10, HFT, ASExtensionMgrGetHFT, (ASAtom name, ASVersion version), (name, version))

// A path object from ASFileSysPathFromDIPath or ASFileAcquirePathName is the
// caller's: it gives it back with ASFileSysReleasePath. Path text from
// ASFileSysDIPathFromPath is freed with ASfree.
#define VELLORA_ACROSUPPORT_OPERATIONS(OP) \
  OP(3, void, ASfree, (void* block), (block)) \
  OP(10, void, HFTReplaceEntry, (HFT table, Selector selector, HFTEntry replacement, ASFlagBits flags), \
     (table, selector, replacement, flags)) \
  OP(11, HFTEntry, HFTGetReplacedEntry, (HFT table, Selector selector, HFTEntry replacement), \
     (table, selector, replacement)) \
  OP(21, ASFileSys, ASGetDefaultFileSys, (), ()) \
  OP(22, char*, ASFileSysDIPathFromPath, (ASFileSys fileSys, ASPathName path, ASPathName relativeTo), \
     (fileSys, path, relativeTo)) \
  OP(23, ASPathName, ASFileSysPathFromDIPath, (ASFileSys fileSys, const char* diPath, ASPathName relativeTo), \
     (fileSys, diPath, relativeTo)) \
  OP(25, void, ASFileSysReleasePath, (ASFileSys fileSys, ASPathName path), (fileSys, path)) \
  OP(37, ASPathName, ASFileAcquirePathName, (ASFile file), (file))

#define VELLORA_PDMODEL_OPERATIONS(OP) \
  OP(79, ASFile, PDDocGetFile, (PDDoc doc), (doc)) \
  OP(83, ASInt32, PDDocGetNumPages, (PDDoc doc), (doc)) \
  OP(137, ASInt32, PDPageGetNumber, (PDPage page), (page))

#define VELLORA_ACROVIEW_OPERATIONS(OP) \
  OP(11, ASBool, AVAppCanQuit, (), ()) \
  OP(12, AVDoc, AVAppGetActiveDoc, (), ()) \
  OP(14, void, AVAppEnumDocs, (ASCallback enumProc, void* clientData), (enumProc, clientData)) \
  OP(16, AVMenubar, AVAppGetMenubar, (), ()) \
  OP(17, AVToolBar, AVAppGetToolBar, (), ()) \
  OP(39, void, AVAppRegisterIdleProc, (ASCallback proc, void* clientData, ASUns32 periodTicks), \
     (proc, clientData, periodTicks)) \
  OP(40, void, AVAppUnregisterIdleProc, (ASCallback proc, void* clientData), (proc, clientData)) \
  OP(41, void, AVAppRegisterNotification, (NSelector nsel, ASExtension owner, ASCallback proc, void* clientData), \
     (nsel, owner, proc, clientData)) \
  OP(42, void, AVAppUnregisterNotification, (NSelector nsel, ASExtension owner, ASCallback proc, void* clientData), \
     (nsel, owner, proc, clientData)) \
  OP(43, AVDoc, AVDocOpenFromFile, (ASPathName path, ASFileSys fileSys, const char* tempTitle), \
     (path, fileSys, tempTitle)) \
  OP(47, ASBool, AVDocClose, (AVDoc doc, ASBool noSave), (doc, noSave)) \
  OP(48, PDDoc, AVDocGetPDDoc, (AVDoc doc), (doc)) \
  OP(49, AVPageView, AVDocGetPageView, (AVDoc doc), (doc)) \
  OP(51, PDPageMode, AVDocGetViewMode, (AVDoc doc), (doc)) \
  OP(52, void, AVDocSetViewMode, (AVDoc doc, PDPageMode mode), (doc, mode)) \
  OP(53, ASInt16, AVDocGetSplitterPosition, (AVDoc doc), (doc)) \
  OP(54, void, AVDocSetSplitterPosition, (AVDoc doc, ASInt16 position), (doc, position)) \
  OP(71, AVMenu, AVMenubarAcquireMenuByName, (AVMenubar bar, const char* name), (bar, name)) \
  OP(74, AVMenuItem, AVMenubarAcquireMenuItemByName, (AVMenubar bar, const char* name), (bar, name)) \
  OP(80, void, AVMenuRelease, (AVMenu menu), (menu)) \
  OP(85, AVMenuItem, AVMenuAcquireMenuItemByIndex, (AVMenu menu, AVMenuIndex index), (menu, index)) \
  OP(86, AVMenuIndex, AVMenuGetMenuItemIndex, (AVMenu menu, AVMenuItem item), (menu, item)) \
  OP(92, void, AVMenuItemRelease, (AVMenuItem item), (item)) \
  OP(105, void, AVMenuItemExecute, (AVMenuItem item), (item)) \
  OP(108, void, AVPageViewGetAperture, (AVPageView view, AVRect16* rect), (view, rect)) \
  OP(109, PDPage, AVPageViewGetPage, (AVPageView view), (view)) \
  OP(110, ASFixed, AVPageViewGetZoom, (AVPageView view), (view)) \
  OP(111, AVZoomType, AVPageViewGetZoomType, (AVPageView view), (view)) \
  OP(115, void, AVPageViewBeginOperation, (AVPageView view), (view)) \
  OP(116, void, AVPageViewEndOperation, (AVPageView view), (view)) \
  OP(117, void, AVPageViewGoTo, (AVPageView view, PDPageNumber page), (view, page)) \
  OP(118, void, AVPageViewZoomTo, (AVPageView view, AVZoomType zoomType, ASFixed zoom), (view, zoomType, zoom)) \
  OP(119, void, AVPageViewScrollTo, (AVPageView view, ASInt16 x, ASInt16 y), (view, x, y)) \
  OP(165, void, AVToolBarAddButton, (AVToolBar bar, AVToolButton button, ASBool before, AVToolButton otherButton), \
     (bar, button, before, otherButton)) \
  OP(169, AVToolButton, AVToolButtonNew, (ASAtom name, void* icon, ASBool longOnly, ASBool isSeparator), \
     (name, icon, longOnly, isSeparator)) \
  OP(170, void, AVToolButtonDestroy, (AVToolButton button), (button)) \
  OP(175, void, AVToolButtonSetExecuteProc, (AVToolButton button, ASCallback proc, void* clientData), \
     (button, proc, clientData)) \
  OP(214, void, AVToolButtonSetHelpText, (AVToolButton button, const char* text), (button, text)) \
  OP(235, void, AVDocGetViewDef, (AVDoc doc, AVDocViewDef* viewDef), (doc, viewDef)) \
  OP(244, void, AVPageViewSetLayoutMode, (AVPageView view, PDLayoutMode mode), (view, mode)) \
  OP(245, PDLayoutMode, AVPageViewGetLayoutMode, (AVPageView view), (view))
// clang-format on

// Each table's selectors are an enumeration of their own, so a selector
// carries its table in its type.
#define VELLORA_SELECTOR(selector, result, name, parameters, arguments) name##SEL = selector,
enum CoreSel : Selector { VELLORA_CORE_OPERATIONS(VELLORA_SELECTOR, VELLORA_SELECTOR) };
enum AcroSupportSel : Selector { VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_SELECTOR) };
enum PDModelSel : Selector { VELLORA_PDMODEL_OPERATIONS(VELLORA_SELECTOR) };
enum AcroViewSel : Selector { VELLORA_ACROVIEW_OPERATIONS(VELLORA_SELECTOR) };
#undef VELLORA_SELECTOR

#define VELLORA_SIGNATURE(selector, result, name, parameters, arguments) \
  using name##SELPROTO = result(HOSTCALL*) parameters;
VELLORA_CORE_OPERATIONS(VELLORA_SIGNATURE, VELLORA_SIGNATURE)
VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_SIGNATURE)
VELLORA_PDMODEL_OPERATIONS(VELLORA_SIGNATURE)
VELLORA_ACROVIEW_OPERATIONS(VELLORA_SIGNATURE)
#undef VELLORA_SIGNATURE

}  // extern "C"

#include "host/host_interface_checks.h"
