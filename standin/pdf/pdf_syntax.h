// The object syntax of PDF files: numbers, names, strings, arrays,
// dictionaries, references, and indirect objects with their streams. Only as
// much as finding the page count takes; every read is bounded by the bytes
// given, and nesting is limited, so damaged input gives "no object", never a
// read past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace standin::pdf {

struct Object {
  enum class Kind { kNull, kBool, kInteger, kReal, kName, kString, kArray, kDictionary, kReference };
  Kind kind = Kind::kNull;
  std::int64_t integer = 0;  // kInteger, kBool (0 or 1), kReference (object number)
  std::int64_t generation = 0;  // kReference
  std::string text;             // kName (without "/", escapes decoded), kString (raw)
  std::vector<std::string> keys;  // kDictionary: keys[i] names items[i]
  std::vector<Object> items;      // kArray, kDictionary

  bool Is(Kind k) const { return kind == k; }
  // A dictionary's value for `key`, or nullptr.
  const Object* Find(std::string_view key) const;
  // A direct integer value of a dictionary, or none.
  std::optional<std::int64_t> IntegerAt(std::string_view key) const;
};

// An indirect object "N G obj ... endobj" with its stream data, if any.
struct IndirectObject {
  std::int64_t number = 0;
  std::int64_t generation = 0;
  Object value;
  // The raw (still encoded) stream data; set only for a stream object.
  std::optional<std::string_view> stream;
};

// Reads objects from `bytes`, starting at `at`.
class Parser {
 public:
  Parser(std::string_view bytes, std::size_t at) : bytes_(bytes), at_(at) {}

  std::size_t Position() const { return at_; }
  // Skips white space and comments.
  void SkipSpace();
  // True and moves past `keyword` when it comes next (as a whole word).
  bool Keyword(std::string_view keyword);
  // A non-negative integer, as in cross-reference tables and object headers.
  std::optional<std::int64_t> Unsigned();
  // One object; "N G R" is read as a reference.
  std::optional<Object> Read();
  // "N G obj", the object, and the stream data after it when the dictionary
  // is followed by "stream". `streamLength` resolves an indirect /Length.
  template <typename LengthOf>
  std::optional<IndirectObject> ReadIndirect(const LengthOf& streamLength);

 private:
  std::optional<Object> ReadAt(int depth);
  std::optional<Object> ReadNumberOrReference();
  std::optional<std::string> ReadName();
  bool SkipLiteralString();
  bool SkipHexString();
  std::optional<std::string_view> StreamData(std::optional<std::int64_t> length);

  std::string_view bytes_;
  std::size_t at_;
};

bool IsWhite(char c);
bool IsDelimiter(char c);

template <typename LengthOf>
std::optional<IndirectObject> Parser::ReadIndirect(const LengthOf& streamLength) {
  IndirectObject object;
  const auto number = Unsigned();
  const auto generation = Unsigned();
  if (!number || !generation || !Keyword("obj")) return std::nullopt;
  object.number = *number;
  object.generation = *generation;
  auto value = Read();
  if (!value) return std::nullopt;
  object.value = std::move(*value);
  if (object.value.Is(Object::Kind::kDictionary) && Keyword("stream")) {
    std::optional<std::int64_t> length;
    if (const Object* entry = object.value.Find("Length")) length = streamLength(*entry);
    object.stream = StreamData(length);
    if (!object.stream) return std::nullopt;
  }
  return object;
}

}  // namespace standin::pdf
