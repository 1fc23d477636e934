#include "docstate/state_items.h"

std::vector<StateItem> ParseViewStateString(std::string_view text) {
  std::vector<StateItem> items;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('&', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view item = text.substr(start, end - start);
    start = end + 1;

    const std::size_t equals = item.find('=');
    if (equals == std::string_view::npos) continue;  // also skips the empty items between "&&"
    const std::string_view key = item.substr(0, equals);
    const std::string_view value = item.substr(equals + 1);
    if (key.size() > kMaxStateKeyLength || value.size() > kMaxStateValueLength) continue;
    items.push_back(StateItem{std::string(key), std::string(value)});
  }
  return items;
}
