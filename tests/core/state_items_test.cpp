#include "docstate/state_items.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "docstate/state_value.h"
#include "docstate/view_state_keys.h"

namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

Items Parse(std::string_view text) {
  Items items;
  for (const StateItem& item : ParseViewStateString(text)) items.emplace_back(item.key, item.value);
  return items;
}

TEST(ParseViewStateString, SplitsIntoItemsInStringOrder) {
  const std::string key49(49, 'K');
  const std::string value199(199, 'v');
  const struct {
    std::string text;
    Items expected;
  } cases[] = {
      {"", {}},
      {"&&&", {}},
      {"&&PAGE=3&", {{"PAGE", "3"}}},
      {"A=B=C", {{"A", "B=C"}}},
      {"PAGE=1&&&&ZOOM_TYPE-VALUE=2:3", {{"PAGE", "1"}, {"ZOOM_TYPE-VALUE", "2:3"}}},
      {"PAGE=", {{"PAGE", ""}}},
      {"=5", {{"", "5"}}},
      {"PAGE=1&NOEQUALS&LAYOUTMODE=2", {{"PAGE", "1"}, {"LAYOUTMODE", "2"}}},
      {"NOEQUALS", {}},
      {key49 + "=1", {{key49, "1"}}},
      {key49 + "K=1&PAGE=2", {{"PAGE", "2"}}},
      {"ALLSTATE=" + value199, {{"ALLSTATE", value199}}},
      {"ALLSTATE=" + value199 + "v&PAGE=2", {{"PAGE", "2"}}},
      {"page=3&PAGE =4", {{"page", "3"}, {"PAGE ", "4"}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Parse(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(ParseViewStateString, ExampleGivesEightItemsAndLeavesTheTextAlone) {
  const std::string text = "ALLSTATE=" + std::string(152, '0') +
                           "&PAGEMODE=2&LAYOUTMODE=1&SPLITTERPOSTION=150&PAGE=4&ZOOM_TYPE-VALUE=0:98304.000000"
                           "&TOPSPOT_LEFT-TOP=-12:0&ACTIVE=TRUE";
  const std::string before = text;
  const Items items = Parse(text);
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items.front(), (std::pair<std::string, std::string>{"ALLSTATE", std::string(152, '0')}));
  EXPECT_EQ(items[3], (std::pair<std::string, std::string>{"SPLITTERPOSTION", "150"}));
  EXPECT_EQ(items.back(), (std::pair<std::string, std::string>{"ACTIVE", "TRUE"}));
  EXPECT_EQ(text, before);
}

TEST(ClassifyStateKey, MatchesWholeKeysCaseSensitively) {
  const struct {
    const char* key;
    StateKey expected;
  } cases[] = {
      {"ALLSTATE", StateKey::kAllState},
      {"PAGEMODE", StateKey::kPageMode},
      {"LAYOUTMODE", StateKey::kLayoutMode},
      {"SPLITTERPOSTION", StateKey::kSplitterPosition},
      {"PAGE", StateKey::kPage},
      {"ZOOM_TYPE-VALUE", StateKey::kZoom},
      {"TOPSPOT_LEFT-TOP", StateKey::kTopSpot},
      {"ACTIVE", StateKey::kActive},
      {"page", StateKey::kOther},
      {"PAGEM", StateKey::kOther},
      {"PAGE ", StateKey::kOther},
      {"SPLITTERPOSITION", StateKey::kOther},
      {"", StateKey::kOther},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifyStateKey(c.key), c.expected) << c.key;
  }
}

TEST(ReadInteger, StopsAtTheFirstNonDigit) {
  const struct {
    std::string text;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {"98304.000000", 98304},
      {"-12", -12},
      {"  \t-7x", -7},
      {"+15", 15},
      {"5 6", 5},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"- 5", 0},
      {"0000000000000042", 42},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadInteger(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(NarrowTo16, RefusesWhatDoesNotFit) {
  EXPECT_EQ(NarrowTo16(-32768), std::optional<std::int16_t>(-32768));
  EXPECT_EQ(NarrowTo16(32767), std::optional<std::int16_t>(32767));
  EXPECT_EQ(NarrowTo16(-32769), std::nullopt);
  EXPECT_EQ(NarrowTo16(32768), std::nullopt);
}

TEST(DecodeTwoHalves, SplitsAtTheFirstColon) {
  const struct {
    std::string value;
    std::optional<std::pair<std::int32_t, std::int32_t>> expected;
  } cases[] = {
      {"0:98304.000000", std::pair{0, 98304}},
      {"-12:0", std::pair{-12, 0}},
      {"2:abc", std::pair{2, 0}},
      {":", std::pair{0, 0}},
      {"1:2:3", std::pair{1, 2}},
      {"-2147483648:-2147483648.000000",
       std::pair{std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::min()}},
      {"2", std::nullopt},
      {"", std::nullopt},
      {"000000000001:5", std::nullopt},  // first half longer than a 32-bit number can be
      {"1:99999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<TwoHalves> halves = DecodeTwoHalves(c.value);
    ASSERT_EQ(halves.has_value(), c.expected.has_value()) << c.value;
    if (halves) {
      EXPECT_EQ(halves->first, c.expected->first) << c.value;
      EXPECT_EQ(halves->second, c.expected->second) << c.value;
    }
  }
}

}  // namespace
