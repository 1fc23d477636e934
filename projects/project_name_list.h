// The names of the projects, in project order. Names are unique without
// regard to ASCII letter case; the store keeps them so.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ProjectNameList {
 public:
  std::int32_t Count() const { return static_cast<std::int32_t>(names_.size()); }

  // The name at `index`; an empty name when there is none at that position.
  const std::string& Name(std::int32_t index) const;

  // Position of the first name equal to `name` apart from letter case, or -1.
  std::int32_t Find(std::string_view name) const;

  // The operations below change the list; the store calls them and keeps the
  // limits and the uniqueness.
  void Append(std::string_view name) { names_.emplace_back(name); }
  void Replace(std::int32_t index, std::string_view name);
  // The following names move down in order.
  void Remove(std::int32_t index);
  void Clear() { names_.clear(); }

 private:
  std::vector<std::string> names_;
};
