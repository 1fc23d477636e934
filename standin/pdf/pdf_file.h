// A PDF file as its cross-reference sections describe it: where each object
// is (at a byte offset, or inside an object stream), read section by section
// from the last one back through /Prev, so that the definition an
// incremental update made last wins. Classic tables, cross-reference
// streams and files that carry both (/XRefStm) are read.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "standin/pdf/pdf_syntax.h"

namespace standin::pdf {

class File {
 public:
  // Reads the cross-reference sections of `bytes`, which must outlive the
  // File; false, with Problem() saying why, when they cannot be read.
  bool Open(std::string_view bytes);
  // The document catalog's reference from the newest trailer that names it.
  const std::optional<Object>& Root() const { return root_; }
  // `value` itself, or the object it refers to (null for a free or unknown
  // object, as PDF reads them); none, with Problem() set, when the object is
  // listed but cannot be read.
  std::optional<Object> Resolve(const Object& value);
  const std::string& Problem() const { return problem_; }

 private:
  struct Entry {
    enum class Type { kFree, kAtOffset, kInStream } type;
    std::int64_t first;   // byte offset, or the number of the object stream
    std::int64_t second;  // generation, or the index inside the object stream
  };
  using Entries = std::map<std::int64_t, Entry>;
  struct ObjectStream {
    std::string data;
    std::unordered_map<std::int64_t, std::size_t> offsets;  // object number -> where in data
  };

  bool ReadSection(std::int64_t offset, Entries& entries, Object& trailer);
  bool ReadTable(Parser& parser, Entries& entries);
  bool ReadStreamSection(const std::optional<IndirectObject>& stream, Entries& entries);
  std::optional<IndirectObject> ReadIndirectAt(std::int64_t offset);
  std::optional<Object> Load(std::int64_t number);
  const ObjectStream* StreamHolding(std::int64_t streamNumber);
  bool Fail(std::string problem);

  std::string_view bytes_;
  std::size_t header_ = 0;  // offsets may count from the header when junk comes first
  std::unordered_map<std::int64_t, Entry> entries_;
  std::optional<Object> root_;
  bool encrypted_ = false;
  std::map<std::int64_t, ObjectStream> streams_;
  std::string problem_;
};

}  // namespace standin::pdf
