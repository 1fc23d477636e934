#include "host/host_operations.h"

#include "host/host_call.h"

namespace host {
HFT ASExtensionMgrGetHFT(ASAtom name, ASUns32 version) { return CallHost<ASExtensionMgrGetHFTSELPROTO>(Host().core, ASExtensionMgrGetHFTSEL, name, version); }
ASAtom ASAtomFromString(const char* text) { return CallHost<ASAtomFromStringSELPROTO>(Host().core, ASAtomFromStringSEL, text); }
const char* ASAtomGetString(ASAtom atom) { return CallHost<ASAtomGetStringSELPROTO>(Host().core, ASAtomGetStringSEL, atom); }
ASCallback ASCallbackCreate(ASExtension owner, void* proc) { return CallHost<ASCallbackCreateSELPROTO>(Host().core, ASCallbackCreateSEL, owner, proc); }
void ASCallbackDestroy(ASCallback callback) { CallHost<ASCallbackDestroySELPROTO>(Host().core, ASCallbackDestroySEL, callback); }
void ASfree(void* block) { CallHost<ASfreeSELPROTO>(Host().core, ASfreeSEL, block); }
void HFTReplaceEntry(HFT table, int selector, HFTEntry replacement, ASUns32 flags) { CallHost<HFTReplaceEntrySELPROTO>(Host().core, HFTReplaceEntrySEL, table, selector, replacement, flags); }
HFTEntry HFTGetReplacedEntry(HFT table, int selector, HFTEntry replacement) { return CallHost<HFTGetReplacedEntrySELPROTO>(Host().core, HFTGetReplacedEntrySEL, table, selector, replacement); }
ASFileSys ASGetDefaultFileSys() { return CallHost<ASGetDefaultFileSysSELPROTO>(Host().acroSupport, ASGetDefaultFileSysSEL); }
char* ASFileSysDIPathFromPath(ASFileSys fileSys, ASPathName path, ASPathName relativeTo) { return CallHost<ASFileSysDIPathFromPathSELPROTO>(Host().acroSupport, ASFileSysDIPathFromPathSEL, fileSys, path, relativeTo); }
ASPathName ASFileSysPathFromDIPath(ASFileSys fileSys, const char* diPath, ASPathName relativeTo) { return CallHost<ASFileSysPathFromDIPathSELPROTO>(Host().acroSupport, ASFileSysPathFromDIPathSEL, fileSys, diPath, relativeTo); }
ASPathName ASFileAcquirePathName(ASFile file) { return CallHost<ASFileAcquirePathNameSELPROTO>(Host().acroSupport, ASFileAcquirePathNameSEL, file); }
ASInt32 PDDocGetNumPages(PDDoc doc) { return CallHost<PDDocGetNumPagesSELPROTO>(Host().pdModel, PDDocGetNumPagesSEL, doc); }
ASFile PDDocGetFile(PDDoc doc) { return CallHost<PDDocGetFileSELPROTO>(Host().pdModel, PDDocGetFileSEL, doc); }
ASInt32 PDPageGetNumber(PDPage page) { return CallHost<PDPageGetNumberSELPROTO>(Host().pdModel, PDPageGetNumberSEL, page); }
void AVAppRegisterNotification(NSelector nsel, ASExtension owner, ASCallback proc, void* clientData) { CallHost<AVAppRegisterNotificationSELPROTO>(Host().acroView, AVAppRegisterNotificationSEL, nsel, owner, proc, clientData); }
void AVAppUnregisterNotification(NSelector nsel, ASExtension owner, ASCallback proc, void* clientData) { CallHost<AVAppUnregisterNotificationSELPROTO>(Host().acroView, AVAppUnregisterNotificationSEL, nsel, owner, proc, clientData); }
ASBool AVAppCanQuit() { return CallHost<AVAppCanQuitSELPROTO>(Host().acroView, AVAppCanQuitSEL); }
void AVAppEnumDocs(ASCallback enumProc, void* clientData) { CallHost<AVAppEnumDocsSELPROTO>(Host().acroView, AVAppEnumDocsSEL, enumProc, clientData); }
AVDoc AVAppGetActiveDoc() { return CallHost<AVAppGetActiveDocSELPROTO>(Host().acroView, AVAppGetActiveDocSEL); }
AVToolBar AVAppGetToolBar() { return CallHost<AVAppGetToolBarSELPROTO>(Host().acroView, AVAppGetToolBarSEL); }
AVMenubar AVAppGetMenubar() { return CallHost<AVAppGetMenubarSELPROTO>(Host().acroView, AVAppGetMenubarSEL); }
AVToolButton AVToolButtonNew(ASAtom name, void* icon, ASBool longOnly, ASBool isSeparator) { return CallHost<AVToolButtonNewSELPROTO>(Host().acroView, AVToolButtonNewSEL, name, icon, longOnly, isSeparator); }
void AVToolBarAddButton(AVToolBar bar, AVToolButton button, ASBool before, AVToolButton otherButton) { CallHost<AVToolBarAddButtonSELPROTO>(Host().acroView, AVToolBarAddButtonSEL, bar, button, before, otherButton); }
void AVToolButtonSetExecuteProc(AVToolButton button, ASCallback proc, void* clientData) { CallHost<AVToolButtonSetExecuteProcSELPROTO>(Host().acroView, AVToolButtonSetExecuteProcSEL, button, proc, clientData); }
void AVToolButtonSetHelpText(AVToolButton button, const char* text) { CallHost<AVToolButtonSetHelpTextSELPROTO>(Host().acroView, AVToolButtonSetHelpTextSEL, button, text); }
void AVToolButtonDestroy(AVToolButton button) { CallHost<AVToolButtonDestroySELPROTO>(Host().acroView, AVToolButtonDestroySEL, button); }
PDDoc AVDocGetPDDoc(AVDoc doc) { return CallHost<AVDocGetPDDocSELPROTO>(Host().acroView, AVDocGetPDDocSEL, doc); }
AVDoc AVDocOpenFromFile(ASPathName path, ASFileSys fileSys, const char* tempTitle) { return CallHost<AVDocOpenFromFileSELPROTO>(Host().acroView, AVDocOpenFromFileSEL, path, fileSys, tempTitle); }
ASBool AVDocClose(AVDoc doc, ASBool noSave) { return CallHost<AVDocCloseSELPROTO>(Host().acroView, AVDocCloseSEL, doc, noSave); }
AVPageView AVDocGetPageView(AVDoc doc) { return CallHost<AVDocGetPageViewSELPROTO>(Host().acroView, AVDocGetPageViewSEL, doc); }
void AVDocGetViewDef(AVDoc doc, AVDocViewDef* viewDef) { CallHost<AVDocGetViewDefSELPROTO>(Host().acroView, AVDocGetViewDefSEL, doc, viewDef); }
ASInt16 AVDocGetViewMode(AVDoc doc) { return CallHost<AVDocGetViewModeSELPROTO>(Host().acroView, AVDocGetViewModeSEL, doc); }
void AVDocSetViewMode(AVDoc doc, ASInt16 mode) { CallHost<AVDocSetViewModeSELPROTO>(Host().acroView, AVDocSetViewModeSEL, doc, mode); }
ASInt16 AVDocGetSplitterPosition(AVDoc doc) { return CallHost<AVDocGetSplitterPositionSELPROTO>(Host().acroView, AVDocGetSplitterPositionSEL, doc); }
void AVDocSetSplitterPosition(AVDoc doc, ASInt16 position) { CallHost<AVDocSetSplitterPositionSELPROTO>(Host().acroView, AVDocSetSplitterPositionSEL, doc, position); }
ASInt16 AVPageViewGetLayoutMode(AVPageView view) { return CallHost<AVPageViewGetLayoutModeSELPROTO>(Host().acroView, AVPageViewGetLayoutModeSEL, view); }
void AVPageViewSetLayoutMode(AVPageView view, ASInt16 mode) { CallHost<AVPageViewSetLayoutModeSELPROTO>(Host().acroView, AVPageViewSetLayoutModeSEL, view, mode); }
PDPage AVPageViewGetPage(AVPageView view) { return CallHost<AVPageViewGetPageSELPROTO>(Host().acroView, AVPageViewGetPageSEL, view); }
void AVPageViewGoTo(AVPageView view, ASInt32 page) { CallHost<AVPageViewGoToSELPROTO>(Host().acroView, AVPageViewGoToSEL, view, page); }
ASInt32 AVPageViewGetZoomType(AVPageView view) { return CallHost<AVPageViewGetZoomTypeSELPROTO>(Host().acroView, AVPageViewGetZoomTypeSEL, view); }
ASFixed AVPageViewGetZoom(AVPageView view) { return CallHost<AVPageViewGetZoomSELPROTO>(Host().acroView, AVPageViewGetZoomSEL, view); }
void AVPageViewZoomTo(AVPageView view, ASInt32 zoomType, ASFixed zoom) { CallHost<AVPageViewZoomToSELPROTO>(Host().acroView, AVPageViewZoomToSEL, view, zoomType, zoom); }
void AVPageViewGetAperture(AVPageView view, AVRect16* rect) { CallHost<AVPageViewGetApertureSELPROTO>(Host().acroView, AVPageViewGetApertureSEL, view, rect); }
void AVPageViewScrollTo(AVPageView view, ASInt16 x, ASInt16 y) { CallHost<AVPageViewScrollToSELPROTO>(Host().acroView, AVPageViewScrollToSEL, view, x, y); }
void AVPageViewBeginOperation(AVPageView view) { CallHost<AVPageViewBeginOperationSELPROTO>(Host().acroView, AVPageViewBeginOperationSEL, view); }
void AVPageViewEndOperation(AVPageView view) { CallHost<AVPageViewEndOperationSELPROTO>(Host().acroView, AVPageViewEndOperationSEL, view); }
AVMenu AVMenubarAcquireMenuByName(AVMenubar bar, const char* name) { return CallHost<AVMenubarAcquireMenuByNameSELPROTO>(Host().acroView, AVMenubarAcquireMenuByNameSEL, bar, name); }
AVMenuItem AVMenubarAcquireMenuItemByName(AVMenubar bar, const char* name) { return CallHost<AVMenubarAcquireMenuItemByNameSELPROTO>(Host().acroView, AVMenubarAcquireMenuItemByNameSEL, bar, name); }
ASInt32 AVMenuGetMenuItemIndex(AVMenu menu, AVMenuItem item) { return CallHost<AVMenuGetMenuItemIndexSELPROTO>(Host().acroView, AVMenuGetMenuItemIndexSEL, menu, item); }
AVMenuItem AVMenuAcquireMenuItemByIndex(AVMenu menu, ASInt32 index) { return CallHost<AVMenuAcquireMenuItemByIndexSELPROTO>(Host().acroView, AVMenuAcquireMenuItemByIndexSEL, menu, index); }
void AVMenuItemExecute(AVMenuItem item) { CallHost<AVMenuItemExecuteSELPROTO>(Host().acroView, AVMenuItemExecuteSEL, item); }
void AVMenuRelease(AVMenu menu) { CallHost<AVMenuReleaseSELPROTO>(Host().acroView, AVMenuReleaseSEL, menu); }
void AVMenuItemRelease(AVMenuItem item) { CallHost<AVMenuItemReleaseSELPROTO>(Host().acroView, AVMenuItemReleaseSEL, item); }

}  // namespace host
