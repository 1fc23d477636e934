#include "standin/interface/atoms.h"

#include <limits>
#include <stdexcept>

namespace standin {

ASAtom AtomTable::FromString(const std::string& text) {
  for (std::size_t i = 0; i < strings_.size(); ++i)
    if (strings_[i] == text) return static_cast<ASAtom>(i + 1);
  // Atoms are 16-bit: when every number is taken, no new one is given.
  if (strings_.size() == std::numeric_limits<ASAtom>::max()) throw std::length_error("every atom is taken");
  strings_.push_back(text);
  return static_cast<ASAtom>(strings_.size());
}

const char* AtomTable::GetString(ASAtom atom) const {
  if (atom == 0 || atom > strings_.size()) return nullptr;
  return strings_[atom - 1].c_str();
}

}  // namespace standin
