// The view-state string: built item by item, parsed into items, its numbers
// read. Every field surviving a build and a parse is fuzz_view_state's to
// show.
#include "docstate/view_state.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "docstate/state_items.h"
#include "docstate/state_value.h"

namespace {

constexpr char kExample[] =
    "ALLSTATE=4c00000001000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
    "000000000000000000000000000000000000abcd000000000000&PAGEMODE=2&LAYOUTMODE=1&SPLITTERPOSTION=150&PAGE=4&"
    "ZOOM_TYPE-VALUE=0:98304.000000&TOPSPOT_LEFT-TOP=-12:0&ACTIVE=TRUE";

ViewState Example() {
  ViewState state;
  state.viewDefinition[0] = 0x4c;
  state.viewDefinition[4] = 0x01;
  state.viewDefinition[68] = 0xab;
  state.viewDefinition[69] = 0xcd;
  state.pageMode = 2;
  state.layoutMode = 1;
  state.splitterPosition = 150;
  state.page = 4;
  state.zoom = 98304;
  state.spotLeft = -12;
  state.active = true;
  return state;
}

TEST(ViewStateString, BuildsEveryItemInOrder) {
  ViewState inactive = Example();
  inactive.active = false;
  ViewState negative = Example();
  negative.zoomType = 3;
  negative.zoom = -5;
  negative.spotLeft = 7;
  negative.spotTop = -300;
  ViewState lowest;  // every number at its most negative: the longest string, 325 characters
  lowest.viewDefinition.fill(0xff);
  lowest.pageMode = lowest.layoutMode = lowest.splitterPosition = lowest.spotLeft = lowest.spotTop = -32768;
  lowest.page = lowest.zoomType = lowest.zoom = std::numeric_limits<std::int32_t>::min();
  lowest.active = true;
  const std::string withoutActive(kExample, sizeof kExample - 1 - 12);

  const struct {
    ViewState state;
    std::string expected;
  } rows[] = {
      /* 0 */ {Example(), kExample},
      /* 1 */ {inactive, withoutActive},
      /* 2 */
      {negative, withoutActive.substr(0, withoutActive.find("&ZOOM")) +
                     "&ZOOM_TYPE-VALUE=3:-5.000000&TOPSPOT_LEFT-TOP=7:-300&ACTIVE=TRUE"},
      /* 3 */
      {ViewState{}, "ALLSTATE=" + std::string(152, '0') +
                        "&PAGEMODE=0&LAYOUTMODE=0&SPLITTERPOSTION=0&PAGE=0&ZOOM_TYPE-VALUE=0:0.000000"
                        "&TOPSPOT_LEFT-TOP=0:0"},
      /* 4 */
      {lowest, "ALLSTATE=" + std::string(152, 'f') +
                   "&PAGEMODE=-32768&LAYOUTMODE=-32768&SPLITTERPOSTION=-32768&PAGE=-2147483648"
                   "&ZOOM_TYPE-VALUE=-2147483648:-2147483648.000000&TOPSPOT_LEFT-TOP=-32768:-32768&ACTIVE=TRUE"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(BuildViewStateString(rows[i].state), rows[i].expected) << "row " << i;
  }
}

TEST(ViewStateString, ParsesIntoItemsInStringOrder) {
  using Items = std::vector<std::pair<std::string, std::string>>;
  const std::string key49(49, 'K');
  const std::string value199(199, 'v');
  const struct {
    std::string text;
    Items expected;
  } rows[] = {
      /* 0 */ {"", {}},
      /* 1 */ {"&&PAGE=3&", {{"PAGE", "3"}}},
      /* 2 */ {"A=B=C", {{"A", "B=C"}}},
      /* 3 */ {"PAGE=1&&&&ZOOM_TYPE-VALUE=2:3", {{"PAGE", "1"}, {"ZOOM_TYPE-VALUE", "2:3"}}},
      /* 4 */ {"PAGE=&=5", {{"PAGE", ""}, {"", "5"}}},
      /* 5 */ {"PAGE=1&NOEQUALS&LAYOUTMODE=2", {{"PAGE", "1"}, {"LAYOUTMODE", "2"}}},
      /* 6 */ {key49 + "=1&" + key49 + "K=1&PAGE=2", {{key49, "1"}, {"PAGE", "2"}}},
      /* 7 */ {"ALLSTATE=" + value199 + "&ALLSTATE=" + value199 + "v&PAGE=2", {{"ALLSTATE", value199}, {"PAGE", "2"}}},
      /* 8 */ {"page=3&PAGE =4", {{"page", "3"}, {"PAGE ", "4"}}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Items items;
    for (const StateItem& item : ParseViewStateString(rows[i].text)) items.emplace_back(item.key, item.value);
    EXPECT_EQ(items, rows[i].expected) << "row " << i;
  }
}

TEST(ViewStateString, NumbersReadAsTheFormatSays) {
  using Pair = std::optional<std::pair<std::int32_t, std::int32_t>>;
  const auto integer = [](const std::string& text) -> Pair {
    const auto n = ReadInteger(text);
    return n ? Pair{{*n, 0}} : std::nullopt;
  };
  const auto halves = [](const std::string& text) -> Pair {
    const auto h = DecodeTwoHalves(text);
    return h ? Pair{{h->first, h->second}} : std::nullopt;
  };
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const struct {
    Pair (*read)(const std::string&);
    const char* text;
    Pair expected;
  } rows[] = {
      /* 0 */ {+integer, "98304.000000", {{98304, 0}}},
      /* 1 */ {+integer, "  \t-7x", {{-7, 0}}},
      /* 2 */ {+integer, "+15", {{15, 0}}},
      /* 3 */ {+integer, "abc", {{0, 0}}},
      /* 4 */ {+integer, "- 5", {{0, 0}}},
      /* 5 */ {+integer, "0000000000000042", {{42, 0}}},
      /* 6 */ {+integer, "-2147483648", {{kMin, 0}}},
      /* 7 */ {+integer, "2147483648", std::nullopt},
      /* 8 */ {+halves, "0:98304.000000", {{0, 98304}}},
      /* 9 */ {+halves, "2:abc", {{2, 0}}},
      /* 10 */ {+halves, "1:2:3", {{1, 2}}},
      /* 11 */ {+halves, "-2147483648:-2147483648.000000", {{kMin, kMin}}},
      /* 12 */ {+halves, "2", std::nullopt},
      /* 13 */ {+halves, "000000000001:5", std::nullopt},  // a first half longer than any 32-bit number
      /* 14 */ {+halves, "1:99999999999", std::nullopt},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    EXPECT_EQ(rows[i].read(rows[i].text), rows[i].expected) << "row " << i;
}

}  // namespace
