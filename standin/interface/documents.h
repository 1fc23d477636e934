// The host's open documents: real PDF files on disk, each with its page
// view and view state, in the order they were opened, one of them in front.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/host_interface.h"

namespace standin {

struct Document;

struct PageViewRecord {
  Document* document;
  ASInt16 layoutMode = 1;
  ASInt32 page = 0;  // 0-based
  ASInt32 zoomType = 0;
  ASFixed zoom = 0x10000;
  AVRect16 rect{0, 0, 612, 792};
  int batchDepth = 0;  // begin operations not ended yet
  int batches = 0;     // outermost batches completed
  ASInt16 changesInBatch = 0;  // kViewChanged bits, told when the batch ends
};

struct PageRecord {
  Document* document;
  ASInt32 number;
};

// The document model (PDDoc) and its file (ASFile): handles of their own.
struct ModelRecord {
  Document* document;
};
struct FileRecord {
  Document* document;
};

struct Document {
  std::string path;  // the Windows path it was opened with
  std::string key;   // full path in lower case: one document per file
  ASInt32 pageCount = 0;
  ASInt16 pageMode = 1;
  ASInt16 splitter = 0;
  PageViewRecord view{this};
  ModelRecord model{this};
  FileRecord file{this};
  std::map<ASInt32, std::unique_ptr<PageRecord>> pages;
  bool keptOpenByUser = false;  // answers "keep open" when asked about unsaved changes
  bool untitled = false;        // a new document never saved: the host has no path text for it
  bool closing = false;         // its listeners are being told that it will close

  PageRecord* Page(ASInt32 number);
};

class Documents {
 public:
  // The document of the file at `path`: the open one if the file is open
  // already, else a new one at the end of the order. Either comes to the
  // front. None for a missing file or one whose page count cannot be read;
  // `problem` then says why, for the user.
  Document* Open(const std::string& path, bool& opened, std::string& problem);
  // Closes `document`. Closing the front document puts the last one in the
  // order in front.
  void Close(Document* document);
  // From now on a document opened gets the handle of the last one closed, as
  // a real host may when it reuses the memory. Otherwise no handle is given
  // twice.
  void ReuseClosedHandles() { reuseClosed_ = true; }
  void BringToFront(Document* document) { front_ = document; }
  Document* Front() const { return front_; }
  std::vector<Document*> InOrder() const;

  // Handles of open documents, or nullptr.
  Document* Find(AVDoc doc) const;
  Document* FindModel(PDDoc model) const;
  Document* FindFile(ASFile file) const;
  PageViewRecord* FindView(AVPageView view) const;
  PageRecord* FindPage(PDPage page) const;

 private:
  std::vector<std::unique_ptr<Document>> open_;
  // Kept, so that the memory of one is not given to another by chance.
  std::vector<std::unique_ptr<Document>> closed_;
  Document* front_ = nullptr;
  bool reuseClosed_ = false;
};

// A document's view as the user sets it (or as the host shows it).
struct ViewSettings {
  ASInt32 page = 0;
  ASInt32 zoomType = 0;
  ASFixed zoom = 0x10000;
  ASInt16 left = 0;
  ASInt16 top = 0;
  ASInt16 layoutMode = 1;
  ASInt16 pageMode = 1;
  ASInt16 splitter = 0;
  bool operator==(const ViewSettings&) const = default;
};
ViewSettings SettingsOf(const Document& document);
// The kViewChanged bits of what differs between two views.
ASInt16 ViewChanges(const ViewSettings& before, const ViewSettings& after);

// Moves the view's rectangle so that its top-left corner is at (x, y),
// keeping its size.
void ScrollViewTo(PageViewRecord& view, int x, int y);

// The last part of a path: the file's name.
std::string FileName(const std::string& path);

// The key that makes two spellings of one file the same document.
std::string DocumentKey(const std::string& path);

}  // namespace standin
