#include "standin/pdf/pdf_file.h"

#include <set>

#include "standin/pdf/pdf_stream_decode.h"

namespace standin::pdf {
namespace {

constexpr std::size_t kHeaderSearch = 1024;  // readers accept junk before "%PDF-" up to here
constexpr int kMaxSections = 4096;           // a /Prev chain longer than this is damage
constexpr std::int64_t kMaxObjectNumber = 8388607;
constexpr std::int64_t kMaxFieldWidth = 8;  // bytes of one cross-reference stream field

std::string ByteText(std::int64_t offset) { return "byte " + std::to_string(offset); }

}  // namespace

bool File::Fail(std::string problem) {
  if (problem_.empty()) problem_ = std::move(problem);
  return false;
}

bool File::Open(std::string_view bytes) {
  bytes_ = bytes;
  header_ = bytes.substr(0, kHeaderSearch + 5).find("%PDF-");
  if (header_ == std::string_view::npos) return Fail("it is not a PDF file (it does not start with \"%PDF-\")");
  const std::size_t startxref = bytes.rfind("startxref");
  if (startxref == std::string_view::npos)
    return Fail("it has no cross-reference section (no \"startxref\"); the file may be cut short");
  Parser parser(bytes, startxref + 9);
  const auto first = parser.Unsigned();
  if (!first) return Fail("the place of its cross-reference section after \"startxref\" is not a number");

  std::set<std::int64_t> visited;
  std::optional<std::int64_t> next = first;
  while (next && visited.insert(*next).second) {
    if (static_cast<int>(visited.size()) > kMaxSections) return Fail("it has too many cross-reference sections");
    Entries entries;
    Object trailer;
    if (!ReadSection(*next, entries, trailer)) return false;
    for (const auto& [number, entry] : entries) entries_.emplace(number, entry);  // the newer one stays
    if (!root_) {
      if (const Object* root = trailer.Find("Root")) root_ = *root;
    }
    encrypted_ = encrypted_ || trailer.Find("Encrypt") != nullptr;
    next = trailer.IntegerAt("Prev");
  }
  if (!root_) return Fail("its trailer names no document catalog (/Root)");
  return true;
}

bool File::ReadSection(std::int64_t offset, Entries& entries, Object& trailer) {
  for (const std::size_t shift : {std::size_t{0}, header_}) {
    if (offset < 0 || static_cast<std::uint64_t>(offset) + shift >= bytes_.size()) continue;
    Parser parser(bytes_, static_cast<std::size_t>(offset) + shift);
    if (parser.Keyword("xref")) {
      if (!ReadTable(parser, entries) || !parser.Keyword("trailer")) break;
      auto dictionary = parser.Read();
      if (!dictionary || !dictionary->Is(Object::Kind::kDictionary)) break;
      trailer = std::move(*dictionary);
      // A file written for old and new readers alike: the objects in object
      // streams are listed by a cross-reference stream, and a free entry of
      // the table does not hide them.
      if (const auto stream = trailer.IntegerAt("XRefStm")) {
        Entries more;
        if (!ReadStreamSection(ReadIndirectAt(*stream), more))
          return Fail("its cross-reference stream at " + ByteText(*stream) + " is damaged");
        for (const auto& [number, entry] : more) {
          const auto it = entries.find(number);
          if (it == entries.end() || it->second.type == Entry::Type::kFree) entries[number] = entry;
        }
      }
      return true;
    }
    auto stream = parser.ReadIndirect([](const Object& length) -> std::optional<std::int64_t> {
      if (length.Is(Object::Kind::kInteger)) return length.integer;
      return std::nullopt;
    });
    if (stream && ReadStreamSection(stream, entries)) {
      trailer = std::move(stream->value);
      return true;
    }
    if (header_ == 0) break;
  }
  return Fail(problem_.empty() ? "its cross-reference section at " + ByteText(offset) + " is damaged" : problem_);
}

bool File::ReadTable(Parser& parser, Entries& entries) {
  // Subsections "first count", each followed by count lines "offset generation n|f".
  for (;;) {
    const std::size_t mark = parser.Position();
    auto start = parser.Unsigned();
    const auto count = parser.Unsigned();
    if (!start || !count) {
      parser = Parser(bytes_, mark);
      return true;
    }
    if (*start + *count > kMaxObjectNumber + 1) return false;
    for (std::int64_t i = 0; i < *count; ++i) {
      const auto offset = parser.Unsigned();
      const auto generation = parser.Unsigned();
      if (!offset || !generation) return false;
      const bool inUse = parser.Keyword("n");
      if (!inUse && !parser.Keyword("f")) return false;
      // Some writers number the first subsection from 1 although it starts
      // with the free head of object 0.
      if (i == 0 && *start == 1 && !inUse && *offset == 0 && *generation == 65535) *start = 0;
      const Entry entry{inUse && *offset > 0 ? Entry::Type::kAtOffset : Entry::Type::kFree, *offset, *generation};
      entries.emplace(*start + i, entry);
    }
  }
}

bool File::ReadStreamSection(const std::optional<IndirectObject>& stream, Entries& entries) {
  if (!stream || !stream->stream) return false;
  const Object& dictionary = stream->value;
  const Object* widths = dictionary.Find("W");
  if (widths == nullptr || !widths->Is(Object::Kind::kArray) || widths->items.size() != 3) return false;
  std::int64_t width[3];
  for (int i = 0; i < 3; ++i) {
    const Object& item = widths->items[static_cast<std::size_t>(i)];
    if (!item.Is(Object::Kind::kInteger) || item.integer < 0 || item.integer > kMaxFieldWidth) return false;
    width[i] = item.integer;
  }
  const std::int64_t row = width[0] + width[1] + width[2];
  if (row == 0) return false;
  std::string problem;
  const auto data = DecodeStream(dictionary, *stream->stream, problem);
  if (!data) return Fail("its cross-reference stream cannot be read: " + problem);

  std::vector<std::int64_t> ranges;  // pairs of first object number and count
  if (const Object* index = dictionary.Find("Index"); index != nullptr && index->Is(Object::Kind::kArray)) {
    for (const Object& item : index->items) {
      if (!item.Is(Object::Kind::kInteger) || item.integer < 0) return false;
      ranges.push_back(item.integer);
    }
  } else if (const auto size = dictionary.IntegerAt("Size")) {
    ranges = {0, *size};
  }
  if (ranges.size() % 2 != 0) return false;
  std::size_t at = 0;
  for (std::size_t r = 0; r < ranges.size(); r += 2) {
    if (ranges[r] + ranges[r + 1] > kMaxObjectNumber + 1) return false;
    for (std::int64_t i = 0; i < ranges[r + 1]; ++i) {
      if (at + static_cast<std::size_t>(row) > data->size()) return false;
      std::int64_t field[3] = {width[0] == 0 ? 1 : 0, 0, 0};  // the type is 1 when not written
      for (int f = 0; f < 3; ++f) {
        if (width[f] == 0) continue;
        field[f] = 0;
        for (std::int64_t b = 0; b < width[f]; ++b) field[f] = field[f] << 8 | static_cast<unsigned char>((*data)[at++]);
      }
      if (field[0] == 1 || field[0] == 2) {
        entries.emplace(ranges[r] + i, Entry{field[0] == 1 ? Entry::Type::kAtOffset : Entry::Type::kInStream,
                                             field[1], field[2]});
      } else if (field[0] == 0) {
        entries.emplace(ranges[r] + i, Entry{Entry::Type::kFree, 0, 0});
      }
    }
  }
  return true;
}

std::optional<IndirectObject> File::ReadIndirectAt(std::int64_t offset) {
  // An indirect /Length names an object at an offset of its own; that one's
  // own length is never needed.
  const auto length = [this](const Object& value) -> std::optional<std::int64_t> {
    if (value.Is(Object::Kind::kInteger)) return value.integer;
    if (!value.Is(Object::Kind::kReference)) return std::nullopt;
    const auto it = entries_.find(value.integer);
    if (it == entries_.end() || it->second.type != Entry::Type::kAtOffset) return std::nullopt;
    for (const std::size_t shift : {std::size_t{0}, header_}) {
      if (static_cast<std::uint64_t>(it->second.first) + shift >= bytes_.size()) continue;
      Parser parser(bytes_, static_cast<std::size_t>(it->second.first) + shift);
      const auto object = parser.ReadIndirect([](const Object&) { return std::optional<std::int64_t>(); });
      if (object && object->number == value.integer && object->value.Is(Object::Kind::kInteger))
        return object->value.integer;
    }
    return std::nullopt;
  };
  for (const std::size_t shift : {std::size_t{0}, header_}) {
    if (offset < 0 || static_cast<std::uint64_t>(offset) + shift >= bytes_.size()) continue;
    Parser parser(bytes_, static_cast<std::size_t>(offset) + shift);
    if (auto object = parser.ReadIndirect(length)) return object;
  }
  return std::nullopt;
}

std::optional<Object> File::Resolve(const Object& value) {
  if (!value.Is(Object::Kind::kReference)) return value;
  return Load(value.integer);
}

std::optional<Object> File::Load(std::int64_t number) {
  const auto it = entries_.find(number);
  if (it == entries_.end() || it->second.type == Entry::Type::kFree) return Object{};
  const Entry entry = it->second;
  if (entry.type == Entry::Type::kAtOffset) {
    auto object = ReadIndirectAt(entry.first);
    if (!object || object->number != number) {
      Fail("object " + std::to_string(number) + " cannot be read at " + ByteText(entry.first) +
           ", where its cross-reference section puts it");
      return std::nullopt;
    }
    return std::move(object->value);
  }
  const ObjectStream* stream = StreamHolding(entry.first);
  if (stream == nullptr) return std::nullopt;
  const auto at = stream->offsets.find(number);
  if (at == stream->offsets.end()) {
    Fail("object " + std::to_string(number) + " is not in object stream " + std::to_string(entry.first));
    return std::nullopt;
  }
  Parser parser(stream->data, at->second);
  auto object = parser.Read();
  if (!object) Fail("object " + std::to_string(number) + " in object stream " + std::to_string(entry.first) +
                    " is damaged");
  return object;
}

const File::ObjectStream* File::StreamHolding(std::int64_t streamNumber) {
  if (const auto it = streams_.find(streamNumber); it != streams_.end()) return &it->second;
  const std::string name = "object stream " + std::to_string(streamNumber);
  if (encrypted_) {
    Fail("the file is encrypted, and its page tree is in a compressed " + name + " that this reader cannot decrypt");
    return nullptr;
  }
  const auto entry = entries_.find(streamNumber);
  if (entry == entries_.end() || entry->second.type != Entry::Type::kAtOffset) {
    Fail(name + " is missing");
    return nullptr;
  }
  const auto object = ReadIndirectAt(entry->second.first);
  if (!object || object->number != streamNumber || !object->stream) {
    Fail(name + " cannot be read at " + ByteText(entry->second.first) + ", where its cross-reference section puts it");
    return nullptr;
  }
  std::string problem;
  auto data = DecodeStream(object->value, *object->stream, problem);
  const auto count = object->value.IntegerAt("N");
  const auto first = object->value.IntegerAt("First");
  if (!data || !count || !first || *count < 0 || *first < 0 || static_cast<std::uint64_t>(*first) > data->size()) {
    Fail(name + " cannot be read" + (problem.empty() ? "" : ": " + problem));
    return nullptr;
  }
  // The stream starts with N pairs "object-number offset"; offsets count
  // from /First.
  ObjectStream holder;
  Parser header(*data, 0);
  for (std::int64_t i = 0; i < *count; ++i) {
    const auto number = header.Unsigned();
    const auto offset = header.Unsigned();
    if (!number || !offset || static_cast<std::uint64_t>(*first + *offset) > data->size()) {
      Fail(name + " has a damaged list of its objects");
      return nullptr;
    }
    holder.offsets.emplace(*number, static_cast<std::size_t>(*first + *offset));
  }
  holder.data = std::move(*data);
  return &streams_.emplace(streamNumber, std::move(holder)).first->second;
}

}  // namespace standin::pdf
