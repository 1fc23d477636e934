#include "standin/story/host_story.h"

#include <algorithm>
#include <stdexcept>

#include "standin/interface/di_path.h"

namespace standin {

LoadReport HostStory::Start(const std::string& dllPath, const StartOptions& options) {
  return host_.Start(dllPath, options);
}

LoadReport HostStory::StartLinked(PlugInMainProcType main, const StartOptions& options) {
  return host_.StartLinked(main, options);
}

Document& HostStory::DocumentOf(AVDoc doc) {
  Document* document = host_.Docs().Find(doc);
  if (document == nullptr) throw std::invalid_argument("not an open document");
  return *document;
}

AVDoc HostStory::OpenFile(const std::string& path) { return reinterpret_cast<AVDoc>(host_.OpenDocument(path)); }

bool HostStory::Close(AVDoc doc) { return host_.CloseDocument(&DocumentOf(doc), false); }

void HostStory::SetView(AVDoc doc, const ViewSettings& view) {
  Document& document = DocumentOf(doc);
  PageViewRecord& record = document.view;
  host_.ChangeView(document, [&] {
    record.page = std::clamp(view.page, 0, std::max(0, document.pageCount - 1));
    record.zoomType = view.zoomType;
    record.zoom = view.zoom;
    ScrollViewTo(record, view.left, view.top);
    record.layoutMode = view.layoutMode;
    document.pageMode = view.pageMode;
    document.splitter = view.splitter;
  });
}

void HostStory::BringToFront(AVDoc doc) {
  Document* document = &DocumentOf(doc);
  for (const MenuItemRecord* item : host_.Menus().WindowMenu()->items)
    if (item->document == document) host_.Docs().BringToFront(document);
}

AVDoc HostStory::ActiveDocument() { return reinterpret_cast<AVDoc>(host_.Docs().Front()); }

std::vector<AVDoc> HostStory::OpenDocuments() {
  std::vector<AVDoc> documents;
  for (const MenuItemRecord* item : host_.Menus().WindowMenu()->items)
    if (item->document != nullptr) documents.push_back(reinterpret_cast<AVDoc>(item->document));
  return documents;
}

DocumentState HostStory::State(AVDoc doc) {
  const Document& document = DocumentOf(doc);
  DocumentState state;
  state.path = document.path;
  state.diPath = DIPathFromWindowsPath(document.path);
  state.pageCount = document.pageCount;
  const PageViewRecord& view = document.view;
  state.view = SettingsOf(document);
  state.rect = view.rect;
  state.front = host_.Docs().Front() == &document;
  const std::vector<AVDoc> order = OpenDocuments();
  const auto at = std::find(order.begin(), order.end(), doc);
  state.menuPosition = at == order.end() ? -1 : static_cast<int>(at - order.begin());
  state.batchDepth = view.batchDepth;
  state.batchesCompleted = view.batches;
  return state;
}

void HostStory::KeepOpenWhenAsked(AVDoc doc, bool keep) { DocumentOf(doc).keptOpenByUser = keep; }

std::size_t HostStory::OutstandingHostMemory() const { return const_cast<StandinHost&>(host_).Memory().Outstanding(); }

}  // namespace standin
