// The host's binary interface as the host publishes it, number by number,
// checked against host/host_interface.h at compile time on both builds. The
// numbers below are written from the host's own tables, not from the
// interface's lists: a selector in the wrong table or slot, a record field at
// the wrong offset or a scalar of the wrong width fails the build.
#pragma once

#include <type_traits>

#include "host/host_interface.h"

// --- Selectors: every operation's table and slot ------------------------------
// clang-format off
#define VELLORA_HOST_SELECTOR(table, selector, name)                                              \
  static_assert(std::is_same_v<decltype(name##SEL), table##Sel> && name##SEL == (selector), \
                #name " is " #table " selector " #selector);
VELLORA_HOST_SELECTOR(Core, 1, ASRaise)
VELLORA_HOST_SELECTOR(Core, 2, ASPushExceptionFrame)
VELLORA_HOST_SELECTOR(Core, 3, ASPopExceptionFrame)
VELLORA_HOST_SELECTOR(Core, 4, ASGetExceptionErrorCode)
VELLORA_HOST_SELECTOR(Core, 5, ASAtomFromString)
VELLORA_HOST_SELECTOR(Core, 7, ASAtomGetString)
VELLORA_HOST_SELECTOR(Core, 8, ASCallbackCreate)
VELLORA_HOST_SELECTOR(Core, 9, ASCallbackDestroy)
VELLORA_HOST_SELECTOR(Core, 10, ASExtensionMgrGetHFT)
VELLORA_HOST_SELECTOR(AcroSupport, 3, ASfree)
VELLORA_HOST_SELECTOR(AcroSupport, 10, HFTReplaceEntry)
VELLORA_HOST_SELECTOR(AcroSupport, 11, HFTGetReplacedEntry)
VELLORA_HOST_SELECTOR(AcroSupport, 21, ASGetDefaultFileSys)
VELLORA_HOST_SELECTOR(AcroSupport, 22, ASFileSysDIPathFromPath)
VELLORA_HOST_SELECTOR(AcroSupport, 23, ASFileSysPathFromDIPath)
VELLORA_HOST_SELECTOR(AcroSupport, 25, ASFileSysReleasePath)
VELLORA_HOST_SELECTOR(AcroSupport, 37, ASFileAcquirePathName)
VELLORA_HOST_SELECTOR(PDModel, 79, PDDocGetFile)
VELLORA_HOST_SELECTOR(PDModel, 83, PDDocGetNumPages)
VELLORA_HOST_SELECTOR(PDModel, 137, PDPageGetNumber)
VELLORA_HOST_SELECTOR(AcroView, 11, AVAppCanQuit)
VELLORA_HOST_SELECTOR(AcroView, 12, AVAppGetActiveDoc)
VELLORA_HOST_SELECTOR(AcroView, 14, AVAppEnumDocs)
VELLORA_HOST_SELECTOR(AcroView, 16, AVAppGetMenubar)
VELLORA_HOST_SELECTOR(AcroView, 17, AVAppGetToolBar)
VELLORA_HOST_SELECTOR(AcroView, 39, AVAppRegisterIdleProc)
VELLORA_HOST_SELECTOR(AcroView, 40, AVAppUnregisterIdleProc)
VELLORA_HOST_SELECTOR(AcroView, 41, AVAppRegisterNotification)
VELLORA_HOST_SELECTOR(AcroView, 42, AVAppUnregisterNotification)
VELLORA_HOST_SELECTOR(AcroView, 43, AVDocOpenFromFile)
VELLORA_HOST_SELECTOR(AcroView, 47, AVDocClose)
VELLORA_HOST_SELECTOR(AcroView, 48, AVDocGetPDDoc)
VELLORA_HOST_SELECTOR(AcroView, 49, AVDocGetPageView)
VELLORA_HOST_SELECTOR(AcroView, 51, AVDocGetViewMode)
VELLORA_HOST_SELECTOR(AcroView, 52, AVDocSetViewMode)
VELLORA_HOST_SELECTOR(AcroView, 53, AVDocGetSplitterPosition)
VELLORA_HOST_SELECTOR(AcroView, 54, AVDocSetSplitterPosition)
VELLORA_HOST_SELECTOR(AcroView, 71, AVMenubarAcquireMenuByName)
VELLORA_HOST_SELECTOR(AcroView, 74, AVMenubarAcquireMenuItemByName)
VELLORA_HOST_SELECTOR(AcroView, 80, AVMenuRelease)
VELLORA_HOST_SELECTOR(AcroView, 85, AVMenuAcquireMenuItemByIndex)
VELLORA_HOST_SELECTOR(AcroView, 86, AVMenuGetMenuItemIndex)
VELLORA_HOST_SELECTOR(AcroView, 92, AVMenuItemRelease)
VELLORA_HOST_SELECTOR(AcroView, 105, AVMenuItemExecute)
VELLORA_HOST_SELECTOR(AcroView, 108, AVPageViewGetAperture)
VELLORA_HOST_SELECTOR(AcroView, 109, AVPageViewGetPage)
VELLORA_HOST_SELECTOR(AcroView, 110, AVPageViewGetZoom)
VELLORA_HOST_SELECTOR(AcroView, 111, AVPageViewGetZoomType)
VELLORA_HOST_SELECTOR(AcroView, 115, AVPageViewBeginOperation)
VELLORA_HOST_SELECTOR(AcroView, 116, AVPageViewEndOperation)
VELLORA_HOST_SELECTOR(AcroView, 117, AVPageViewGoTo)
VELLORA_HOST_SELECTOR(AcroView, 118, AVPageViewZoomTo)
VELLORA_HOST_SELECTOR(AcroView, 119, AVPageViewScrollTo)
VELLORA_HOST_SELECTOR(AcroView, 165, AVToolBarAddButton)
VELLORA_HOST_SELECTOR(AcroView, 169, AVToolButtonNew)
VELLORA_HOST_SELECTOR(AcroView, 170, AVToolButtonDestroy)
VELLORA_HOST_SELECTOR(AcroView, 175, AVToolButtonSetExecuteProc)
VELLORA_HOST_SELECTOR(AcroView, 214, AVToolButtonSetHelpText)
VELLORA_HOST_SELECTOR(AcroView, 235, AVDocGetViewDef)
VELLORA_HOST_SELECTOR(AcroView, 244, AVPageViewSetLayoutMode)
VELLORA_HOST_SELECTOR(AcroView, 245, AVPageViewGetLayoutMode)
#undef VELLORA_HOST_SELECTOR
// clang-format on

// --- Notifications --------------------------------------------------------------
static_assert(sizeof(NSelector) == 4 && AVAppDidInitializeNSEL == 0 && AVDocDidOpenNSEL == 4 &&
              AVDocWillCloseNSEL == 7 && AVPageViewDidChangeNSEL == 14);
static_assert(kViewChangedScroll == 1 && kViewChangedPageNumber == 2 && kViewChangedPageSize == 4 &&
              kViewChangedZoom == 8);

// --- Scalars ----------------------------------------------------------------------
static_assert(sizeof(ASAtom) == 2 && std::is_unsigned_v<ASAtom>);
static_assert(sizeof(ASBool) == 2 && std::is_unsigned_v<ASBool>);
static_assert(sizeof(ASErrorCode) == 4 && sizeof(Selector) == 4 && sizeof(PDPageNumber) == 4 &&
              sizeof(AVMenuIndex) == 4 && sizeof(ASVersion) == 4 && sizeof(ASFlagBits) == 4 &&
              sizeof(ASFixed) == 4 && sizeof(AVZoomType) == 4);
static_assert(sizeof(PDPageMode) == 2 && sizeof(PDLayoutMode) == 2);
static_assert(sizeof(PDBead) == 8 && alignof(PDBead) == 4);
static_assert(sizeof(AVRect16) == 8 && offsetof(AVRect16, top) == 2 && offsetof(AVRect16, bottom) == 6);
static_assert(kErrGeneral == 0x40000001 && kErrCannotReplaceSelector == 0x400B0006);
static_assert(kHandshakeV0200 == 0x00020000);

// --- Conventions --------------------------------------------------------------------
#if !defined(_WIN64)
// x86: PlugInMain removes its own arguments (ret 16); every other procedure
// leaves them to the caller.
static_assert(std::is_same_v<PlugInMainProcType, ASBool(__stdcall*)(ASUns32, ASUns32*, PISetupSDKProcType*, void*)>);
static_assert(std::is_same_v<PISetupSDKProcType, ASBool(__cdecl*)(ASUns32, void*)>);
#endif

// --- Records: size and every field's offset, x86 | x64 ------------------------------
#if defined(_WIN64)
#define VELLORA_HOST_OFFSET(record, field, x86, x64) \
  static_assert(offsetof(record, field) == (x64), #record "::" #field " is at " #x64);
#else
#define VELLORA_HOST_OFFSET(record, field, x86, x64) \
  static_assert(offsetof(record, field) == (x86), #record "::" #field " is at " #x86);
#endif
#define VELLORA_HOST_SIZE(record, x86, x64) \
  static_assert(sizeof(record) == (sizeof(void*) == 8 ? (x64) : (x86)), #record " is " #x86 " | " #x64 " bytes");
// clang-format off
VELLORA_HOST_OFFSET(PIWinData, mainWindow, 0, 0)
VELLORA_HOST_OFFSET(PIWinData, moduleInstance, 4, 8)
VELLORA_HOST_SIZE(PIWinData, 8, 16)
VELLORA_HOST_OFFSET(PISDKData_V0200, handshakeVersion, 0, 0)
VELLORA_HOST_OFFSET(PISDKData_V0200, extensionID, 4, 8)
VELLORA_HOST_OFFSET(PISDKData_V0200, coreHFT, 8, 16)
VELLORA_HOST_OFFSET(PISDKData_V0200, handshakeCallback, 12, 24)
VELLORA_HOST_SIZE(PISDKData_V0200, 16, 32)
VELLORA_HOST_OFFSET(PIHandshakeData_V0200, handshakeVersion, 0, 0)
VELLORA_HOST_OFFSET(PIHandshakeData_V0200, appName, 4, 4)
VELLORA_HOST_OFFSET(PIHandshakeData_V0200, extensionName, 6, 6)
VELLORA_HOST_OFFSET(PIHandshakeData_V0200, exportHFTsCallback, 8, 8)
VELLORA_HOST_OFFSET(PIHandshakeData_V0200, importReplaceAndRegisterCallback, 12, 16)
VELLORA_HOST_OFFSET(PIHandshakeData_V0200, initCallback, 16, 24)
VELLORA_HOST_OFFSET(PIHandshakeData_V0200, unloadCallback, 20, 32)
VELLORA_HOST_SIZE(PIHandshakeData_V0200, 24, 40)
VELLORA_HOST_OFFSET(AVDocViewDef, size, 0, 0)
VELLORA_HOST_OFFSET(AVDocViewDef, bringToFront, 4, 8)
VELLORA_HOST_OFFSET(AVDocViewDef, usePageViewInfo, 6, 10)
VELLORA_HOST_OFFSET(AVDocViewDef, pageViewLayoutMode, 8, 12)
VELLORA_HOST_OFFSET(AVDocViewDef, pageViewPageNum, 12, 16)
VELLORA_HOST_OFFSET(AVDocViewDef, pageViewZoomType, 16, 20)
VELLORA_HOST_OFFSET(AVDocViewDef, pageViewZoom, 20, 24)
VELLORA_HOST_OFFSET(AVDocViewDef, pageViewX, 24, 28)
VELLORA_HOST_OFFSET(AVDocViewDef, pageViewY, 26, 30)
VELLORA_HOST_OFFSET(AVDocViewDef, pageViewStartThread, 28, 32)
VELLORA_HOST_OFFSET(AVDocViewDef, pageViewThreadIndex, 32, 36)
VELLORA_HOST_OFFSET(AVDocViewDef, pageViewBead, 36, 40)
VELLORA_HOST_OFFSET(AVDocViewDef, useOverViewInfo, 44, 48)
VELLORA_HOST_OFFSET(AVDocViewDef, overViewMode, 46, 50)
VELLORA_HOST_OFFSET(AVDocViewDef, overViewPos, 48, 52)
VELLORA_HOST_OFFSET(AVDocViewDef, overViewX, 52, 56)
VELLORA_HOST_OFFSET(AVDocViewDef, overViewY, 56, 60)
VELLORA_HOST_OFFSET(AVDocViewDef, useWindowInfo, 60, 64)
VELLORA_HOST_OFFSET(AVDocViewDef, windowFrame, 62, 66)
VELLORA_HOST_OFFSET(AVDocViewDef, unusedFlag, 70, 74)
VELLORA_HOST_OFFSET(AVDocViewDef, unusedPointer, 72, 80)
VELLORA_HOST_SIZE(AVDocViewDef, 76, 88)
// clang-format on
#undef VELLORA_HOST_OFFSET
#undef VELLORA_HOST_SIZE

// The buffer handed for the view definition has room for the newer record
// of a 64-bit host.
static_assert(sizeof(AVDocViewDefBuffer) >= 104 && offsetof(AVDocViewDefBuffer, record) == 0);
