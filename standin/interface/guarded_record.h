// A record the host hands the plug-in, followed by guard bytes: a plug-in
// that writes past the record's end changes them, and the host can tell.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace standin {

template <typename Record>
struct GuardedRecord {
  static constexpr unsigned char kGuard = 0xA5;
  static constexpr std::size_t kGuardBytes = 16;

  Record record{};
  unsigned char guard[kGuardBytes];

  GuardedRecord() { std::fill(std::begin(guard), std::end(guard), kGuard); }
  explicit GuardedRecord(const Record& value) : GuardedRecord() { record = value; }
  bool Intact() const {
    return std::all_of(std::begin(guard), std::end(guard), [](unsigned char b) { return b == kGuard; });
  }
};

}  // namespace standin
