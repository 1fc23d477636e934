#include "docstate/view_state.h"

#include <string_view>

#include "docstate/hex_encode.h"
#include "docstate/view_state_keys.h"

namespace {

void AppendItem(std::string& text, std::string_view key, std::string_view value) {
  if (!text.empty()) text += '&';
  text += key;
  text += '=';
  text += value;
}

// Two numbers joined by ":", as the two-part items hold them.
std::string Pair(std::int32_t first, const std::string& second) { return std::to_string(first) + ':' + second; }

}  // namespace

std::string BuildViewStateString(const ViewState& state) {
  static_assert(2 * kViewDefinitionByteCount + 1 <= kViewDefinitionHexBufferSize);
  std::array<char, kViewDefinitionHexBufferSize> hex{};
  HexEncode(state.viewDefinition.data(), state.viewDefinition.size(), hex.data());

  std::string text;
  text.reserve(kViewStateBufferSize);
  AppendItem(text, kAllStateKey, hex.data());
  AppendItem(text, kPageModeKey, std::to_string(state.pageMode));
  AppendItem(text, kLayoutModeKey, std::to_string(state.layoutMode));
  AppendItem(text, kSplitterPositionKey, std::to_string(state.splitterPosition));
  AppendItem(text, kPageKey, std::to_string(state.page));
  // The zoom is a whole 32-bit number, so its fixed notation with six decimals
  // always ends in ".000000"; writing it this way keeps the text independent
  // of the C library's locale (a decimal comma would end up in the file).
  AppendItem(text, kZoomKey, Pair(state.zoomType, std::to_string(state.zoom) + ".000000"));
  AppendItem(text, kTopSpotKey, Pair(state.spotLeft, std::to_string(state.spotTop)));
  if (state.active) AppendItem(text, kActiveKey, kActiveValue);
  return text;
}
