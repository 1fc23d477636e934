#include "standin/interface/documents.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <memory>
#include <utility>

#include "standin/pdf/pdf_page_count.h"

namespace standin {

PageRecord* Document::Page(ASInt32 number) {
  auto& page = pages[number];
  if (!page) page = std::make_unique<PageRecord>(PageRecord{this, number});
  return page.get();
}

void ScrollViewTo(PageViewRecord& view, int x, int y) {
  const auto clamp = [](int value) { return static_cast<ASInt16>(std::clamp(value, -32768, 32767)); };
  const int width = view.rect.right - view.rect.left;
  const int height = view.rect.bottom - view.rect.top;
  view.rect = {clamp(x), clamp(y), clamp(x + width), clamp(y + height)};
}

ViewSettings SettingsOf(const Document& document) {
  const PageViewRecord& view = document.view;
  return {view.page,     view.zoomType,   view.zoom,         view.rect.left,
          view.rect.top, view.layoutMode, document.pageMode, document.splitter};
}

ASInt16 ViewChanges(const ViewSettings& before, const ViewSettings& after) {
  // A new layout lays the pages out anew; a page mode or splitter change
  // resizes the page view beside the navigation pane: the host tells both as
  // a change of size.
  const std::pair<bool, ASInt16> parts[] = {
      {before.page != after.page, kViewChangedPageNumber},
      {before.zoomType != after.zoomType || before.zoom != after.zoom, kViewChangedZoom},
      {before.left != after.left || before.top != after.top, kViewChangedScroll},
      {before.layoutMode != after.layoutMode || before.pageMode != after.pageMode || before.splitter != after.splitter,
       kViewChangedPageSize}};
  ASInt16 how = 0;
  for (const auto& [changed, bit] : parts)
    if (changed) how |= bit;
  return how;
}

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DocumentKey(const std::string& path) {
  char full[MAX_PATH * 4];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  std::string key = length > 0 && length < sizeof full ? std::string(full, length) : path;
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
  return key;
}

Document* Documents::Open(const std::string& path, bool& opened, std::string& problem) {
  opened = false;
  const std::string key = DocumentKey(path);
  for (const auto& document : open_) {
    if (document->key == key) {
      front_ = document.get();
      return front_;
    }
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    problem = GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? "the file does not exist"
                                                                          : "the file cannot be read";
    return nullptr;
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const PdfPageCount count = ReadPdfPageCount(bytes);
  if (!count.pages) {
    problem = count.problem;
    return nullptr;
  }
  std::unique_ptr<Document> document;
  if (reuseClosed_ && !closed_.empty()) {
    document = std::move(closed_.back());
    closed_.pop_back();
    std::destroy_at(document.get());  // a new document in the closed one's place
    std::construct_at(document.get());
  } else {
    document = std::make_unique<Document>();
  }
  document->path = path;
  document->key = key;
  document->pageCount = *count.pages;
  front_ = document.get();
  open_.push_back(std::move(document));
  opened = true;
  return front_;
}

void Documents::Close(Document* document) {
  const auto it = std::find_if(open_.begin(), open_.end(), [&](const auto& d) { return d.get() == document; });
  if (it == open_.end()) return;
  closed_.push_back(std::move(*it));
  open_.erase(it);
  if (front_ == document) front_ = open_.empty() ? nullptr : open_.back().get();
}

std::vector<Document*> Documents::InOrder() const {
  std::vector<Document*> documents;
  for (const auto& document : open_) documents.push_back(document.get());
  return documents;
}

Document* Documents::Find(AVDoc doc) const {
  for (const auto& document : open_)
    if (reinterpret_cast<AVDoc>(document.get()) == doc) return document.get();
  return nullptr;
}

Document* Documents::FindModel(PDDoc model) const {
  for (const auto& document : open_)
    if (reinterpret_cast<PDDoc>(&document->model) == model) return document.get();
  return nullptr;
}

Document* Documents::FindFile(ASFile file) const {
  for (const auto& document : open_)
    if (reinterpret_cast<ASFile>(&document->file) == file) return document.get();
  return nullptr;
}

PageViewRecord* Documents::FindView(AVPageView view) const {
  for (const auto& document : open_)
    if (reinterpret_cast<AVPageView>(&document->view) == view) return &document->view;
  return nullptr;
}

PageRecord* Documents::FindPage(PDPage page) const {
  for (const auto& document : open_)
    for (const auto& [number, record] : document->pages)
      if (reinterpret_cast<PDPage>(record.get()) == page) return record.get();
  return nullptr;
}

}  // namespace standin
