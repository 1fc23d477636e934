#include "docstate/capture.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

#include "docstate/activate_document.h"
#include "docstate/view_state.h"
#include "host/host_api.h"
#include "host/host_entry.h"
#include "host/host_operations.h"
#include "host/scoped_handle.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"

namespace {

ViewState ReadViewState(AVDoc doc, AVPageView view) {
  ViewState state;
  // Zero-filled, as large as any host's record; the size and every part
  // asked for, so that the host fills the whole record. Its first bytes are
  // kept as they are, on both builds.
  AVDocViewDefBuffer viewDef{};
  viewDef.record.size = sizeof(AVDocViewDef);
  viewDef.record.usePageViewInfo = viewDef.record.useOverViewInfo = viewDef.record.useWindowInfo = kHostTrue;
  host::AVDocGetViewDef(doc, &viewDef.record);
  static_assert(sizeof viewDef >= kViewDefinitionByteCount);
  std::memcpy(state.viewDefinition.data(), &viewDef, kViewDefinitionByteCount);
  state.pageMode = host::AVDocGetViewMode(doc);
  state.layoutMode = host::AVPageViewGetLayoutMode(view);
  state.splitterPosition = host::AVDocGetSplitterPosition(doc);
  state.page = CurrentPageNumber(view);
  state.zoomType = host::AVPageViewGetZoomType(view);
  state.zoom = host::AVPageViewGetZoom(view);
  AVRect16 rect{};
  host::AVPageViewGetAperture(view, &rect);
  state.spotLeft = rect.left;
  state.spotTop = rect.top;
  return state;
}

// Path texts are compared exactly: /C/Docs/a.pdf and /c/Docs/a.pdf differ.
bool SameText(const HostText& a, const HostText& b) { return a && b && std::strcmp(a.get(), b.get()) == 0; }

}  // namespace

HostText DocumentPathText(AVDoc doc) {
  const PDDoc pdDoc = host::AVDocGetPDDoc(doc);
  const ASFile file = host::PDDocGetFile(pdDoc);
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  const HostPath path({fileSys, host::ASFileAcquirePathName(file)});
  return HostText(host::ASFileSysDIPathFromPath(fileSys, path.get().path, nullptr));
}

ASInt32 CurrentPageNumber(AVPageView view) { return host::PDPageGetNumber(host::AVPageViewGetPage(view)); }

ASBool CaptureDocument(AVDoc doc, void* clientData) {
  auto& context = *static_cast<CaptureContext*>(clientData);
  if (context.leaveOut != nullptr &&
      std::find(context.leaveOut->begin(), context.leaveOut->end(), doc) != context.leaveOut->end()) {
    context.stillOpen.push_back(doc);
    ++context.position;
    return kHostTrue;
  }
  const HostText path = DocumentPathText(doc);
  const AVPageView view = host::AVDocGetPageView(doc);
  // Every document comes to the front once, in enumeration order, before its
  // state is read: the host reports the state of the front view.
  if (context.activate) ActivateNthDocument(context.position);
  ViewState state = ReadViewState(doc, view);
  state.active = context.activePath != nullptr && SameText(path, *context.activePath);
  if (path) {
    ProjectStore& store = *context.store;
    store.AddFileToProject(path.get(), BuildViewStateString(state), kDefaultProjectName);
    if (state.active) {
      context.activeIndex = context.position;
      context.activeEntry = store.FindFile(store.FindProject(kDefaultProjectName), path.get());
    }
  }
  ++context.position;
  return kHostTrue;
}

void CaptureOpenDocuments(ProjectStore& store, CaptureActivation activation, std::vector<AVDoc>* leaveOut) {
  HostText activePath;
  if (const AVDoc active = host::AVAppGetActiveDoc()) activePath = DocumentPathText(active);

  CaptureContext context;
  context.activePath = &activePath;
  context.store = &store;
  context.activate = activation == CaptureActivation::kEachInTurn;
  context.leaveOut = leaveOut;

  store.ClearAll();
  store.AddProject(kDefaultProjectName);

  {
    const HostCallback enumerate(host::ASCallbackCreate(Host().extensionId, HostEntryProc<CaptureDocument>()));
    host::AVAppEnumDocs(enumerate.get(), &context);
  }

  if (leaveOut != nullptr) *leaveOut = std::move(context.stillOpen);
  if (context.position > 0) {
    store.SetActiveIndex(kDefaultProjectName, context.activeEntry);
    if (context.activate) ActivateNthDocument(context.activeIndex);
  }
}
