#include "standin/interface/view_definition.h"

namespace standin {

void FillViewDefinition(const Document& document, AVDocViewDef& def) {
  const PageViewRecord& view = document.view;
  if (def.usePageViewInfo != kHostFalse) {
    def.pageViewLayoutMode = view.layoutMode;
    def.pageViewPageNum = view.page;
    def.pageViewZoomType = view.zoomType;
    def.pageViewZoom = view.zoom;
    def.pageViewX = view.rect.left;
    def.pageViewY = view.rect.top;
  }
  if (def.useOverViewInfo != kHostFalse) {
    def.overViewMode = document.pageMode;
    def.overViewPos = document.splitter;
  }
  if (def.useWindowInfo != kHostFalse) def.windowFrame = view.rect;
}

}  // namespace standin
