#include "docstate/view_state.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

#include "docstate/state_items.h"
#include "docstate/state_value.h"
#include "docstate/view_state_keys.h"

namespace {

constexpr char kExampleString[] =
    "ALLSTATE=4c00000001000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
    "000000000000000000000000000000000000abcd000000000000&PAGEMODE=2&LAYOUTMODE=1&SPLITTERPOSTION=150&PAGE=4&"
    "ZOOM_TYPE-VALUE=0:98304.000000&TOPSPOT_LEFT-TOP=-12:0&ACTIVE=TRUE";

ViewState ExampleState() {
  ViewState state;
  state.viewDefinition[0] = 0x4c;
  state.viewDefinition[4] = 0x01;
  state.viewDefinition[68] = 0xab;
  state.viewDefinition[69] = 0xcd;
  state.pageMode = 2;
  state.layoutMode = 1;
  state.splitterPosition = 150;
  state.page = 4;
  state.zoomType = 0;
  state.zoom = 98304;
  state.spotLeft = -12;
  state.spotTop = 0;
  state.active = true;
  return state;
}

ViewState MostNegativeState() {
  constexpr auto kMin16 = std::numeric_limits<std::int16_t>::min();
  constexpr auto kMin32 = std::numeric_limits<std::int32_t>::min();
  ViewState state;
  state.viewDefinition.fill(0xff);
  state.pageMode = state.layoutMode = state.splitterPosition = state.spotLeft = state.spotTop = kMin16;
  state.page = state.zoomType = state.zoom = kMin32;
  state.active = true;
  return state;
}

TEST(BuildViewStateString, WritesEveryItemInOrder) {
  ViewState inactive = ExampleState();
  inactive.active = false;
  ViewState negativeZoom = ExampleState();
  negativeZoom.zoomType = 3;
  negativeZoom.zoom = -5;
  negativeZoom.spotLeft = 7;
  negativeZoom.spotTop = -300;
  const std::string exampleWithoutActive = std::string(kExampleString, sizeof(kExampleString) - 1 - 12);

  const struct {
    const char* name;
    ViewState state;
    std::string expected;
  } cases[] = {
      {"example", ExampleState(), kExampleString},
      {"inactive ends with the scroll spot", inactive, exampleWithoutActive},
      {"negative zoom and spot", negativeZoom,
       exampleWithoutActive.substr(0, exampleWithoutActive.find("&ZOOM")) +
           "&ZOOM_TYPE-VALUE=3:-5.000000&TOPSPOT_LEFT-TOP=7:-300&ACTIVE=TRUE"},
      {"zero state", ViewState{},
       "ALLSTATE=" + std::string(152, '0') +
           "&PAGEMODE=0&LAYOUTMODE=0&SPLITTERPOSTION=0&PAGE=0&ZOOM_TYPE-VALUE=0:0.000000&TOPSPOT_LEFT-TOP=0:0"},
      {"most negative", MostNegativeState(),
       "ALLSTATE=" + std::string(152, 'f') +
           "&PAGEMODE=-32768&LAYOUTMODE=-32768&SPLITTERPOSTION=-32768&PAGE=-2147483648"
           "&ZOOM_TYPE-VALUE=-2147483648:-2147483648.000000&TOPSPOT_LEFT-TOP=-32768:-32768&ACTIVE=TRUE"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildViewStateString(c.state), c.expected) << c.name;
  }
}

TEST(BuildViewStateString, LengthsStayInsideTheBuffer) {
  EXPECT_EQ(BuildViewStateString(ExampleState()).size(), 278u);
  const std::string longest = BuildViewStateString(MostNegativeState());
  EXPECT_EQ(longest.size(), 325u);
  EXPECT_LT(longest.size(), kViewStateBufferSize);
  EXPECT_EQ(longest.find_first_of("? \r\n"), std::string::npos);
}

// Decodes the items back into a state, the way a reader of every field would.
ViewState DecodeState(const std::vector<StateItem>& items) {
  ViewState state;
  for (const StateItem& item : items) {
    switch (ClassifyStateKey(item.key)) {
      case StateKey::kAllState:
        for (std::size_t i = 0; i < state.viewDefinition.size() && 2 * i + 1 < item.value.size(); ++i) {
          state.viewDefinition[i] = static_cast<unsigned char>(std::stoi(item.value.substr(2 * i, 2), nullptr, 16));
        }
        break;
      case StateKey::kPageMode:
        state.pageMode = NarrowTo16(ReadInteger(item.value).value()).value();
        break;
      case StateKey::kLayoutMode:
        state.layoutMode = NarrowTo16(ReadInteger(item.value).value()).value();
        break;
      case StateKey::kSplitterPosition:
        state.splitterPosition = NarrowTo16(ReadInteger(item.value).value()).value();
        break;
      case StateKey::kPage:
        state.page = ReadInteger(item.value).value();
        break;
      case StateKey::kZoom: {
        const TwoHalves halves = DecodeTwoHalves(item.value).value();
        state.zoomType = halves.first;
        state.zoom = halves.second;
        break;
      }
      case StateKey::kTopSpot: {
        const TwoHalves halves = DecodeTwoHalves(item.value).value();
        state.spotLeft = NarrowTo16(halves.first).value();
        state.spotTop = NarrowTo16(halves.second).value();
        break;
      }
      case StateKey::kActive:
        state.active = item.value == kActiveValue;
        break;
      case StateKey::kOther:
        ADD_FAILURE() << "unexpected key " << item.key;
        break;
    }
  }
  return state;
}

bool SameState(const ViewState& a, const ViewState& b) {
  return a.viewDefinition == b.viewDefinition && a.pageMode == b.pageMode && a.layoutMode == b.layoutMode &&
         a.splitterPosition == b.splitterPosition && a.page == b.page && a.zoomType == b.zoomType && a.zoom == b.zoom &&
         a.spotLeft == b.spotLeft && a.spotTop == b.spotTop && a.active == b.active;
}

// Each number is drawn from its whole range, with its extremes and 0 drawn
// often, so the most negative values are always among the states tried.
template <typename Int>
Int Draw(std::mt19937& random) {
  constexpr Int kPicks[] = {std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max(), 0, -1};
  const unsigned pick = random() % 8;
  if (pick < 4) return kPicks[pick];
  return static_cast<Int>(std::uniform_int_distribution<std::int64_t>(std::numeric_limits<Int>::min(),
                                                                      std::numeric_limits<Int>::max())(random));
}

TEST(ViewStateRoundTrip, BuildParseDecodeGivesBackEveryField) {
  std::mt19937 random(20260412);
  for (int round = 0; round < 20000; ++round) {
    ViewState state;
    for (auto& byte : state.viewDefinition) byte = static_cast<unsigned char>(random());
    state.pageMode = Draw<std::int16_t>(random);
    state.layoutMode = Draw<std::int16_t>(random);
    state.splitterPosition = Draw<std::int16_t>(random);
    state.page = Draw<std::int32_t>(random);
    state.zoomType = Draw<std::int32_t>(random);
    state.zoom = Draw<std::int32_t>(random);
    state.spotLeft = Draw<std::int16_t>(random);
    state.spotTop = Draw<std::int16_t>(random);
    state.active = random() % 2 == 0;

    const std::string text = BuildViewStateString(state);
    ASSERT_LT(text.size(), kViewStateBufferSize);
    const std::vector<StateItem> items = ParseViewStateString(text);
    ASSERT_EQ(items.size(), state.active ? 8u : 7u) << text;
    ASSERT_TRUE(SameState(DecodeState(items), state)) << text;
  }
  ASSERT_TRUE(
      SameState(DecodeState(ParseViewStateString(BuildViewStateString(MostNegativeState()))), MostNegativeState()));
}

}  // namespace
