// AcroView, documents and their page views. Each change of a view is told
// to the listeners of AVPageViewDidChange.
#include <utility>

#include "standin/interface/entry_checks.h"
#include "standin/interface/operation_entries.h"
#include "standin/interface/view_definition.h"

namespace standin {
extern "C" {

PDDoc HOSTCALL AVDocGetPDDocEntry(AVDoc doc) {
  return RunOperation<PDDoc>(
      "AVDocGetPDDoc", [=] { return reinterpret_cast<PDDoc>(&DocumentOf(doc).model); }, doc);
}

AVDoc HOSTCALL AVDocOpenFromFileEntry(ASPathName path, ASFileSys fileSys, const char* tempTitle) {
  return RunOperation<AVDoc>(
      "AVDocOpenFromFile",
      [=] {
        CheckFileSys(fileSys);
        return reinterpret_cast<AVDoc>(CurrentHost().OpenDocument(PathOf(path).windowsPath));
      },
      path, fileSys, tempTitle);
}

ASBool HOSTCALL AVDocCloseEntry(AVDoc doc, ASBool noSave) {
  return RunOperation<ASBool>(
      "AVDocClose", [=] { return CurrentHost().CloseDocument(&DocumentOf(doc), noSave != 0) ? kHostTrue : kHostFalse; },
      doc, noSave);
}

AVPageView HOSTCALL AVDocGetPageViewEntry(AVDoc doc) {
  return RunOperation<AVPageView>(
      "AVDocGetPageView", [=] { return reinterpret_cast<AVPageView>(&DocumentOf(doc).view); }, doc);
}

// The caller's record: a size field that is not this build's record size is
// refused, and nothing past the record is written.
void HOSTCALL AVDocGetViewDefEntry(AVDoc doc, AVDocViewDef* viewDef) {
  RunOperation<void>(
      "AVDocGetViewDef",
      [=] {
        const Document& document = DocumentOf(doc);
        if (Required(viewDef)->size != sizeof(AVDocViewDef)) Fail(kErrBadParameter);
        FillViewDefinition(document, *viewDef);
      },
      doc, viewDef);
}

PDPageMode HOSTCALL AVDocGetViewModeEntry(AVDoc doc) {
  return RunOperation<PDPageMode>(
      "AVDocGetViewMode", [=] { return DocumentOf(doc).pageMode; }, doc);
}

void HOSTCALL AVDocSetViewModeEntry(AVDoc doc, PDPageMode mode) {
  RunOperation<void>(
      "AVDocSetViewMode",
      [=] {
        Document& document = DocumentOf(doc);
        CurrentHost().ChangeView(document, [&] { document.pageMode = mode; });
      },
      doc, mode);
}

ASInt16 HOSTCALL AVDocGetSplitterPositionEntry(AVDoc doc) {
  return RunOperation<ASInt16>(
      "AVDocGetSplitterPosition", [=] { return DocumentOf(doc).splitter; }, doc);
}

void HOSTCALL AVDocSetSplitterPositionEntry(AVDoc doc, ASInt16 position) {
  RunOperation<void>(
      "AVDocSetSplitterPosition",
      [=] {
        Document& document = DocumentOf(doc);
        CurrentHost().ChangeView(document, [&] { document.splitter = position; });
      },
      doc, position);
}

PDLayoutMode HOSTCALL AVPageViewGetLayoutModeEntry(AVPageView view) {
  return RunOperation<PDLayoutMode>(
      "AVPageViewGetLayoutMode", [=] { return ViewOf(view).layoutMode; }, view);
}

void HOSTCALL AVPageViewSetLayoutModeEntry(AVPageView view, PDLayoutMode mode) {
  RunOperation<void>(
      "AVPageViewSetLayoutMode",
      [=] {
        PageViewRecord& record = ViewOf(view);
        CurrentHost().ChangeView(*record.document, [&] { record.layoutMode = mode; });
      },
      view, mode);
}

PDPage HOSTCALL AVPageViewGetPageEntry(AVPageView view) {
  return RunOperation<PDPage>(
      "AVPageViewGetPage",
      [=] {
        PageViewRecord& record = ViewOf(view);
        return reinterpret_cast<PDPage>(record.document->Page(record.page));
      },
      view);
}

void HOSTCALL AVPageViewGoToEntry(AVPageView view, PDPageNumber page) {
  RunOperation<void>(
      "AVPageViewGoTo",
      [=] {
        PageViewRecord& record = ViewOf(view);
        if (page < 0 || page >= record.document->pageCount) Fail(kErrBadParameter);
        CurrentHost().ChangeView(*record.document, [&] { record.page = page; });
      },
      view, page);
}

AVZoomType HOSTCALL AVPageViewGetZoomTypeEntry(AVPageView view) {
  return RunOperation<AVZoomType>(
      "AVPageViewGetZoomType", [=] { return ViewOf(view).zoomType; }, view);
}

ASFixed HOSTCALL AVPageViewGetZoomEntry(AVPageView view) {
  return RunOperation<ASFixed>(
      "AVPageViewGetZoom", [=] { return ViewOf(view).zoom; }, view);
}

void HOSTCALL AVPageViewZoomToEntry(AVPageView view, AVZoomType zoomType, ASFixed zoom) {
  RunOperation<void>(
      "AVPageViewZoomTo",
      [=] {
        PageViewRecord& record = ViewOf(view);
        CurrentHost().ChangeView(*record.document, [&] {
          record.zoomType = zoomType;
          record.zoom = zoom;
        });
      },
      view, zoomType, zoom);
}

void HOSTCALL AVPageViewGetApertureEntry(AVPageView view, AVRect16* rect) {
  RunOperation<void>(
      "AVPageViewGetAperture", [=] { *Required(rect) = ViewOf(view).rect; }, view, rect);
}

void HOSTCALL AVPageViewScrollToEntry(AVPageView view, ASInt16 x, ASInt16 y) {
  RunOperation<void>(
      "AVPageViewScrollTo",
      [=] {
        PageViewRecord& record = ViewOf(view);
        CurrentHost().ChangeView(*record.document, [&] { ScrollViewTo(record, x, y); });
      },
      view, x, y);
}

void HOSTCALL AVPageViewBeginOperationEntry(AVPageView view) {
  RunOperation<void>(
      "AVPageViewBeginOperation", [=] { ++ViewOf(view).batchDepth; }, view);
}

void HOSTCALL AVPageViewEndOperationEntry(AVPageView view) {
  RunOperation<void>(
      "AVPageViewEndOperation",
      [=] {
        PageViewRecord& record = ViewOf(view);
        if (record.batchDepth == 0) {
          CurrentHost().Violation("AVPageViewEndOperation without a begin (" + record.document->path + ")");
          Fail(kErrBadParameter);
        }
        if (--record.batchDepth == 0) {
          ++record.batches;
          CurrentHost().ViewChanged(*record.document, std::exchange(record.changesInBatch, 0));
        }
      },
      view);
}

}  // extern "C"

}  // namespace standin
