// Fuzzes the view-state parser and value decoding with arbitrary text, and the
// builder with arbitrary states: nothing may crash, read outside its input or
// change it, and every state built must come back whole.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "docstate/state_items.h"
#include "docstate/state_value.h"
#include "docstate/view_state.h"
#include "docstate/view_state_keys.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void ParseAndDecode(std::string_view text) {
  std::size_t itemLengths = 0;
  for (const StateItem& item : ParseViewStateString(text)) {
    Check(item.key.size() <= kMaxStateKeyLength && item.value.size() <= kMaxStateValueLength);
    Check(item.key.find_first_of("&=") == std::string::npos && item.value.find('&') == std::string::npos);
    itemLengths += item.key.size() + 1 + item.value.size();
    ClassifyStateKey(item.key);
    if (const auto number = ReadInteger(item.value)) NarrowTo16(*number);
    DecodeTwoHalves(item.value);
  }
  Check(itemLengths <= text.size());
}

// Fills a state from the first bytes of the input and checks that building
// and parsing it gives every field back.
void RoundTrip(const std::uint8_t* data, std::size_t size) {
  ViewState state;
  constexpr std::size_t kNeeded = kViewDefinitionByteCount + 5 * 2 + 3 * 4 + 1;
  if (size < kNeeded) return;
  std::memcpy(state.viewDefinition.data(), data, kViewDefinitionByteCount);
  data += kViewDefinitionByteCount;
  auto take = [&data](auto& field) {
    std::memcpy(&field, data, sizeof field);
    data += sizeof field;
  };
  take(state.pageMode);
  take(state.layoutMode);
  take(state.splitterPosition);
  take(state.page);
  take(state.zoomType);
  take(state.zoom);
  take(state.spotLeft);
  take(state.spotTop);
  state.active = (*data & 1) != 0;

  const std::string text = BuildViewStateString(state);
  Check(text.size() < kViewStateBufferSize);
  int matched = 0;
  for (const StateItem& item : ParseViewStateString(text)) {
    switch (ClassifyStateKey(item.key)) {
      case StateKey::kPageMode:
        Check(NarrowTo16(ReadInteger(item.value).value()) == state.pageMode);
        break;
      case StateKey::kLayoutMode:
        Check(NarrowTo16(ReadInteger(item.value).value()) == state.layoutMode);
        break;
      case StateKey::kSplitterPosition:
        Check(NarrowTo16(ReadInteger(item.value).value()) == state.splitterPosition);
        break;
      case StateKey::kPage:
        Check(ReadInteger(item.value) == state.page);
        break;
      case StateKey::kZoom: {
        const TwoHalves halves = DecodeTwoHalves(item.value).value();
        Check(halves.first == state.zoomType && halves.second == state.zoom);
        break;
      }
      case StateKey::kTopSpot: {
        const TwoHalves halves = DecodeTwoHalves(item.value).value();
        Check(halves.first == state.spotLeft && halves.second == state.spotTop);
        break;
      }
      case StateKey::kAllState:
      case StateKey::kActive:
        break;
      case StateKey::kOther:
        Check(false);
    }
    ++matched;
  }
  Check(matched == (state.active ? 8 : 7));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The parser sees the fuzzer's own buffer, so reading past it is caught by
  // the address sanitizer; a copy taken first shows any change to it.
  const std::vector<std::uint8_t> before(data, data + size);
  ParseAndDecode(std::string_view(reinterpret_cast<const char*>(data), size));
  Check(size == 0 || std::memcmp(before.data(), data, size) == 0);
  RoundTrip(data, size);
  return 0;
}
