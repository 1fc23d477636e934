#include "docstate/open_with_state.h"

#include <string>

#include "docstate/state_value.h"
#include "docstate/view_state_keys.h"
#include "host/host_operations.h"
#include "host/scoped_handle.h"

namespace {

std::optional<std::int16_t> ReadInteger16(std::string_view text) {
  const std::optional<std::int32_t> number = ReadInteger(text);
  return number ? NarrowTo16(*number) : std::nullopt;
}

}  // namespace

void GoToPageInRange(AVDoc doc, std::int32_t page) {
  if (page < 0) return;
  if (page < host::PDDocGetNumPages(host::AVDocGetPDDoc(doc))) {
    host::AVPageViewGoTo(host::AVDocGetPageView(doc), page);
  }
}

void ApplyStateItem(AVDoc doc, const StateItem& item) {
  const AVPageView view = host::AVDocGetPageView(doc);
  switch (ClassifyStateKey(item.key)) {
    case StateKey::kSplitterPosition:
      if (const auto position = ReadInteger16(item.value)) host::AVDocSetSplitterPosition(doc, *position);
      break;
    case StateKey::kPageMode:
      if (const auto mode = ReadInteger16(item.value)) host::AVDocSetViewMode(doc, *mode);
      break;
    case StateKey::kLayoutMode:
      if (const auto mode = ReadInteger16(item.value)) host::AVPageViewSetLayoutMode(view, *mode);
      break;
    case StateKey::kPage:
      if (const auto page = ReadInteger(item.value)) GoToPageInRange(doc, *page);
      break;
    case StateKey::kZoom:
      if (const auto halves = DecodeTwoHalves(item.value)) host::AVPageViewZoomTo(view, halves->first, halves->second);
      break;
    case StateKey::kTopSpot:
      if (const auto halves = DecodeTwoHalves(item.value)) {
        const auto x = NarrowTo16(halves->first);
        const auto y = NarrowTo16(halves->second);
        if (x && y) host::AVPageViewScrollTo(view, *x, *y);
      }
      break;
    case StateKey::kAllState:  // the host's record is kept, never applied
    case StateKey::kActive:    // the front document comes from the project's active index
    case StateKey::kOther:
      break;
  }
}

bool OpenWithState(std::string_view path, std::optional<std::string_view> state) {
  const ASFileSys fileSys = host::ASGetDefaultFileSys();
  const std::string pathText(path);
  const HostPath pathName({fileSys, host::ASFileSysPathFromDIPath(fileSys, pathText.c_str(), nullptr)});
  if (!pathName) return false;
  const AVDoc doc = host::AVDocOpenFromFile(pathName.get().path, fileSys, nullptr);
  if (doc == nullptr) return false;
  if (state) {
    // An error while applying leaves the batch to its owner, which ends it.
    PageViewBatch batch = BeginPageViewBatch(host::AVDocGetPageView(doc));
    for (const StateItem& item : ParseViewStateString(*state)) ApplyStateItem(doc, item);
    EndPageViewBatch(batch);
  }
  return true;
}
