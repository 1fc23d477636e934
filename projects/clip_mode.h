// What the next paste does with the marked files of the clipboard source.
#pragma once

#include <cstdint>

// The values are the ones the manager window has always passed around.
enum class ClipMode : std::int32_t {
  kCut = 0,   // the marked files move to the destination
  kCopy = 1,  // the marked files are duplicated into the destination
  kNone = 2,  // nothing cut or copied
};
