// The host's atoms: interned strings, numbered 1 to 65535 (16-bit). Atom 0 is
// never given out.
#pragma once

#include <deque>
#include <string>

#include "host/host_interface.h"

namespace standin {

class AtomTable {
 public:
  // Throws std::length_error when a new text finds every atom taken.
  ASAtom FromString(const std::string& text);
  // The atom's text, or nullptr for an atom never given out. The pointer
  // stays valid while the table lives.
  const char* GetString(ASAtom atom) const;

 private:
  std::deque<std::string> strings_;  // atom n is strings_[n - 1]; a deque keeps texts in place
};

}  // namespace standin
