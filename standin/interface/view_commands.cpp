#include "standin/interface/view_commands.h"

#include <algorithm>

#include "standin/interface/reader_commands.h"

namespace standin {
namespace {

constexpr int kScrollStep = 40;  // device units per arrow key
constexpr int kPaneStep = 20;
constexpr int kMaxPane = 600;
constexpr ASFixed kActualSize = 0x10000;  // 100 %
constexpr ASFixed kMinZoom = kActualSize / 16;
constexpr ASFixed kMaxZoom = kActualSize * 16;

// The host's codes.
enum : ASInt32 { kZoomNoVary = 0, kZoomFitPage = 1, kZoomFitWidth = 2 };
enum : ASInt16 { kLayoutSinglePage = 1, kLayoutLast = 4 };
enum : ASInt16 { kPageModeNone = 1, kPageModeLast = 3 };

void GoTo(Document& document, long long page) {
  document.view.page = static_cast<ASInt32>(std::clamp<long long>(page, 0, std::max(0, document.pageCount - 1)));
}

void Zoom(PageViewRecord& view, long long zoom) {
  view.zoomType = kZoomNoVary;
  view.zoom = static_cast<ASFixed>(std::clamp<long long>(zoom, kMinZoom, kMaxZoom));
}

}  // namespace

void ApplyViewCommand(Document& document, int command) {
  PageViewRecord& view = document.view;
  switch (command) {
    case kCommandNextPage: GoTo(document, view.page + 1LL); break;
    case kCommandPreviousPage: GoTo(document, view.page - 1LL); break;
    case kCommandFirstPage: GoTo(document, 0); break;
    case kCommandLastPage: GoTo(document, document.pageCount - 1LL); break;
    case kCommandZoomIn: Zoom(view, view.zoom * 5LL / 4); break;
    case kCommandZoomOut: Zoom(view, view.zoom * 4LL / 5); break;
    case kCommandActualSize: Zoom(view, kActualSize); break;
    case kCommandFitPage: view.zoomType = kZoomFitPage; break;
    case kCommandFitWidth: view.zoomType = kZoomFitWidth; break;
    case kCommandScrollUp: ScrollViewTo(view, view.rect.left, view.rect.top - kScrollStep); break;
    case kCommandScrollDown: ScrollViewTo(view, view.rect.left, view.rect.top + kScrollStep); break;
    case kCommandScrollLeft: ScrollViewTo(view, view.rect.left - kScrollStep, view.rect.top); break;
    case kCommandScrollRight: ScrollViewTo(view, view.rect.left + kScrollStep, view.rect.top); break;
    case kCommandNextLayout:
      view.layoutMode = view.layoutMode >= kLayoutSinglePage && view.layoutMode < kLayoutLast ? view.layoutMode + 1
                                                                                              : kLayoutSinglePage;
      break;
    case kCommandNextPageMode:
      document.pageMode = document.pageMode >= kPageModeNone && document.pageMode < kPageModeLast
                              ? document.pageMode + 1
                              : kPageModeNone;
      break;
    case kCommandWiderPane: document.splitter = static_cast<ASInt16>(std::min(document.splitter + kPaneStep, kMaxPane)); break;
    case kCommandNarrowerPane: document.splitter = static_cast<ASInt16>(std::max(document.splitter - kPaneStep, 0)); break;
    default: break;
  }
}

std::string ZoomTypeName(ASInt32 zoomType) {
  static const char* const names[] = {"fixed", "fit page", "fit width", "fit height", "fit visible width"};
  return zoomType >= 0 && zoomType < 5 ? names[zoomType] : "code " + std::to_string(zoomType);
}

std::string LayoutModeName(ASInt16 layoutMode) {
  static const char* const names[] = {"default", "single page", "one column", "two columns, odd left",
                                      "two columns, odd right"};
  return layoutMode >= 0 && layoutMode < 5 ? names[layoutMode] : "code " + std::to_string(layoutMode);
}

std::string PageModeName(ASInt16 pageMode) {
  static const char* const names[] = {"default", "page only", "with thumbnails", "with bookmarks", "full screen"};
  return pageMode >= 0 && pageMode < 5 ? names[pageMode] : "code " + std::to_string(pageMode);
}

}  // namespace standin
