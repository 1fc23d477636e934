#include "docstate/state_value.h"

#include <limits>

std::optional<std::int16_t> NarrowTo16(std::int32_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

std::optional<TwoHalves> DecodeTwoHalves(std::string_view value) {
  const std::size_t colon = value.find(':');
  if (colon == std::string_view::npos || colon > kMaxFirstHalfLength) return std::nullopt;
  const std::optional<std::int32_t> first = ReadInteger(value.substr(0, colon));
  const std::optional<std::int32_t> second = ReadInteger(value.substr(colon + 1));
  if (!first || !second) return std::nullopt;
  return TwoHalves{*first, *second};
}
