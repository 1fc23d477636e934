// Typed wrappers of every host operation the plug-in uses. Nothing else in
// the plug-in touches a host table. Each wrapper makes the table call inside
// its own exception frame; a raise comes out as HostError with the host's code.
#pragma once

#include "host/host_interface.h"

namespace host {
HFT ASExtensionMgrGetHFT(ASAtom name, ASUns32 version);
ASAtom ASAtomFromString(const char* text);
const char* ASAtomGetString(ASAtom atom);
ASCallback ASCallbackCreate(ASExtension owner, void* proc);
void ASCallbackDestroy(ASCallback callback);
void ASfree(void* block);
void HFTReplaceEntry(HFT table, int selector, HFTEntry replacement, ASUns32 flags);
HFTEntry HFTGetReplacedEntry(HFT table, int selector, HFTEntry replacement);
ASFileSys ASGetDefaultFileSys();
char* ASFileSysDIPathFromPath(ASFileSys fileSys, ASPathName path, ASPathName relativeTo);
ASPathName ASFileSysPathFromDIPath(ASFileSys fileSys, const char* diPath, ASPathName relativeTo);
ASPathName ASFileAcquirePathName(ASFile file);
ASInt32 PDDocGetNumPages(PDDoc doc);
ASFile PDDocGetFile(PDDoc doc);
ASInt32 PDPageGetNumber(PDPage page);
void AVAppRegisterNotification(NSelector nsel, ASExtension owner, ASCallback proc, void* clientData);
void AVAppUnregisterNotification(NSelector nsel, ASExtension owner, ASCallback proc, void* clientData);
ASBool AVAppCanQuit();
void AVAppEnumDocs(ASCallback enumProc, void* clientData);
AVDoc AVAppGetActiveDoc();
AVToolBar AVAppGetToolBar();
AVMenubar AVAppGetMenubar();
AVToolButton AVToolButtonNew(ASAtom name, void* icon, ASBool longOnly, ASBool isSeparator);
void AVToolBarAddButton(AVToolBar bar, AVToolButton button, ASBool before, AVToolButton otherButton);
void AVToolButtonSetExecuteProc(AVToolButton button, ASCallback proc, void* clientData);
void AVToolButtonSetHelpText(AVToolButton button, const char* text);
void AVToolButtonDestroy(AVToolButton button);
PDDoc AVDocGetPDDoc(AVDoc doc);
AVDoc AVDocOpenFromFile(ASPathName path, ASFileSys fileSys, const char* tempTitle);
ASBool AVDocClose(AVDoc doc, ASBool noSave);
AVPageView AVDocGetPageView(AVDoc doc);
void AVDocGetViewDef(AVDoc doc, AVDocViewDef* viewDef);
ASInt16 AVDocGetViewMode(AVDoc doc);
void AVDocSetViewMode(AVDoc doc, ASInt16 mode);
ASInt16 AVDocGetSplitterPosition(AVDoc doc);
void AVDocSetSplitterPosition(AVDoc doc, ASInt16 position);
ASInt16 AVPageViewGetLayoutMode(AVPageView view);
void AVPageViewSetLayoutMode(AVPageView view, ASInt16 mode);
PDPage AVPageViewGetPage(AVPageView view);
void AVPageViewGoTo(AVPageView view, ASInt32 page);
ASInt32 AVPageViewGetZoomType(AVPageView view);
ASFixed AVPageViewGetZoom(AVPageView view);
void AVPageViewZoomTo(AVPageView view, ASInt32 zoomType, ASFixed zoom);
void AVPageViewGetAperture(AVPageView view, AVRect16* rect);
void AVPageViewScrollTo(AVPageView view, ASInt16 x, ASInt16 y);
void AVPageViewBeginOperation(AVPageView view);
void AVPageViewEndOperation(AVPageView view);
AVMenu AVMenubarAcquireMenuByName(AVMenubar bar, const char* name);
AVMenuItem AVMenubarAcquireMenuItemByName(AVMenubar bar, const char* name);
ASInt32 AVMenuGetMenuItemIndex(AVMenu menu, AVMenuItem item);
AVMenuItem AVMenuAcquireMenuItemByIndex(AVMenu menu, ASInt32 index);
void AVMenuItemExecute(AVMenuItem item);
void AVMenuRelease(AVMenu menu);
void AVMenuItemRelease(AVMenuItem item);

}  // namespace host
