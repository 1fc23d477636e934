#include "docstate/state_value.h"

#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::int32_t> ReadInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Magnitude limit: 2147483647, or 2147483648 for a negative number.
  const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

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
