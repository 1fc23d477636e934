// Parsing a view-state string into its items.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One item of a view-state string: the key and the value as they stand.
struct StateItem {
  std::string key;
  std::string value;
};

// Longest key and value an item may have. The builder's longest value is the
// 152-digit ALLSTATE; longer items never come from it and are dropped.
inline constexpr std::size_t kMaxStateKeyLength = 49;
inline constexpr std::size_t kMaxStateValueLength = 199;

// The items of `text` in string order. Items are separated by "&" (a run of
// them counts as one; empty items do not exist); the key is the text before
// the first "=", the value everything after it. An item without "=", or with
// a key or value longer than the limits above, is dropped. `text` is only read.
std::vector<StateItem> ParseViewStateString(std::string_view text);
