// Decoding the values of view-state items: integers and two-part values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "projects/ascii_text.h"  // ReadInteger

// `value` narrowed to 16 bits, or nothing when it does not fit.
std::optional<std::int16_t> NarrowTo16(std::int32_t value);

// The two numbers of a "first:second" value (ZOOM_TYPE-VALUE, TOPSPOT_LEFT-TOP).
struct TwoHalves {
  std::int32_t first = 0;
  std::int32_t second = 0;
};

// Longest first half: the longest 32-bit decimal number, "-2147483648".
inline constexpr std::size_t kMaxFirstHalfLength = 11;

// Splits `value` at its first ":" and reads both halves as integers. Gives
// nothing when there is no ":", the first half is longer than
// kMaxFirstHalfLength, or either number does not fit 32 bits.
std::optional<TwoHalves> DecodeTwoHalves(std::string_view value);
