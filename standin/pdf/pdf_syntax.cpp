#include "standin/pdf/pdf_syntax.h"

namespace standin::pdf {
namespace {

constexpr int kMaxNesting = 64;        // arrays and dictionaries inside each other
constexpr std::size_t kMaxDigits = 18;  // more would not fit the 64-bit integer

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool IsWhite(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

bool IsDelimiter(char c) { return std::string_view("()<>[]{}/%").find(c) != std::string_view::npos; }

const Object* Object::Find(std::string_view key) const {
  if (kind != Kind::kDictionary) return nullptr;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return &items[i];
  return nullptr;
}

std::optional<std::int64_t> Object::IntegerAt(std::string_view key) const {
  const Object* value = Find(key);
  if (value == nullptr || !value->Is(Kind::kInteger)) return std::nullopt;
  return value->integer;
}

void Parser::SkipSpace() {
  while (at_ < bytes_.size()) {
    if (IsWhite(bytes_[at_])) {
      ++at_;
    } else if (bytes_[at_] == '%') {
      while (at_ < bytes_.size() && bytes_[at_] != '\n' && bytes_[at_] != '\r') ++at_;
    } else {
      return;
    }
  }
}

bool Parser::Keyword(std::string_view keyword) {
  SkipSpace();
  if (bytes_.substr(at_, keyword.size()) != keyword) return false;
  const std::size_t end = at_ + keyword.size();
  if (end < bytes_.size() && !IsWhite(bytes_[end]) && !IsDelimiter(bytes_[end])) return false;
  at_ = end;
  return true;
}

std::optional<std::int64_t> Parser::Unsigned() {
  SkipSpace();
  const std::size_t start = at_;
  std::int64_t value = 0;
  while (at_ < bytes_.size() && IsDigit(bytes_[at_]) && at_ - start < kMaxDigits) value = value * 10 + (bytes_[at_++] - '0');
  if (at_ == start || (at_ < bytes_.size() && (IsDigit(bytes_[at_]) || bytes_[at_] == '.'))) {
    at_ = start;
    return std::nullopt;
  }
  return value;
}

std::optional<Object> Parser::Read() { return ReadAt(0); }

std::optional<Object> Parser::ReadAt(int depth) {
  SkipSpace();
  if (at_ >= bytes_.size() || depth > kMaxNesting) return std::nullopt;
  const char c = bytes_[at_];
  Object object;
  if (c == '/') {
    auto name = ReadName();
    if (!name) return std::nullopt;
    object.kind = Object::Kind::kName;
    object.text = std::move(*name);
    return object;
  }
  if (c == '(') {
    const std::size_t start = at_;
    if (!SkipLiteralString()) return std::nullopt;
    object.kind = Object::Kind::kString;
    object.text = bytes_.substr(start, at_ - start);
    return object;
  }
  if (c == '<' && bytes_.substr(at_, 2) == "<<") {
    at_ += 2;
    object.kind = Object::Kind::kDictionary;
    for (;;) {
      SkipSpace();
      if (bytes_.substr(at_, 2) == ">>") {
        at_ += 2;
        return object;
      }
      auto key = ReadName();
      if (!key) return std::nullopt;
      auto value = ReadAt(depth + 1);
      if (!value) return std::nullopt;
      object.keys.push_back(std::move(*key));
      object.items.push_back(std::move(*value));
    }
  }
  if (c == '<') {
    const std::size_t start = at_;
    if (!SkipHexString()) return std::nullopt;
    object.kind = Object::Kind::kString;
    object.text = bytes_.substr(start, at_ - start);
    return object;
  }
  if (c == '[') {
    ++at_;
    object.kind = Object::Kind::kArray;
    for (;;) {
      SkipSpace();
      if (at_ < bytes_.size() && bytes_[at_] == ']') {
        ++at_;
        return object;
      }
      auto value = ReadAt(depth + 1);
      if (!value) return std::nullopt;
      object.items.push_back(std::move(*value));
    }
  }
  if (IsDigit(c) || c == '+' || c == '-' || c == '.') return ReadNumberOrReference();
  if (Keyword("true") || Keyword("false")) {
    object.kind = Object::Kind::kBool;
    object.integer = bytes_[at_ - 2] == 'u' ? 1 : 0;  // tr(u)e or fal(s)e
    return object;
  }
  if (Keyword("null")) return object;
  return std::nullopt;
}

std::optional<Object> Parser::ReadNumberOrReference() {
  const std::size_t start = at_;
  if (auto number = Unsigned()) {
    // "N G R": look ahead for the generation and the R.
    const std::size_t afterNumber = at_;
    if (auto generation = Unsigned(); generation && Keyword("R")) {
      Object reference;
      reference.kind = Object::Kind::kReference;
      reference.integer = *number;
      reference.generation = *generation;
      return reference;
    }
    at_ = afterNumber;
    Object integer;
    integer.kind = Object::Kind::kInteger;
    integer.integer = *number;
    return integer;
  }
  // A signed integer or a real number.
  std::size_t end = start;
  bool negative = false;
  if (bytes_[end] == '+' || bytes_[end] == '-') negative = bytes_[end++] == '-';
  const std::size_t digits = end;
  std::int64_t value = 0;
  bool real = false;
  while (end < bytes_.size() && (IsDigit(bytes_[end]) || bytes_[end] == '.')) {
    if (bytes_[end] == '.') {
      real = true;
    } else if (!real && end - digits < kMaxDigits) {
      value = value * 10 + (bytes_[end] - '0');
    } else if (!real) {
      real = true;  // too long for an integer: only its rough size could matter
    }
    ++end;
  }
  if (end == digits || (end == digits + 1 && bytes_[digits] == '.')) return std::nullopt;
  at_ = end;
  Object number;
  number.kind = real ? Object::Kind::kReal : Object::Kind::kInteger;
  number.integer = negative ? -value : value;
  return number;
}

std::optional<std::string> Parser::ReadName() {
  SkipSpace();
  if (at_ >= bytes_.size() || bytes_[at_] != '/') return std::nullopt;
  ++at_;
  std::string name;
  while (at_ < bytes_.size() && !IsWhite(bytes_[at_]) && !IsDelimiter(bytes_[at_])) {
    if (bytes_[at_] == '#' && at_ + 2 < bytes_.size() && HexValue(bytes_[at_ + 1]) >= 0 &&
        HexValue(bytes_[at_ + 2]) >= 0) {
      name += static_cast<char>(HexValue(bytes_[at_ + 1]) * 16 + HexValue(bytes_[at_ + 2]));
      at_ += 3;
    } else {
      name += bytes_[at_++];
    }
  }
  return name;
}

bool Parser::SkipLiteralString() {
  int open = 0;
  while (at_ < bytes_.size()) {
    const char c = bytes_[at_++];
    if (c == '\\') {
      ++at_;  // the escaped character, whatever it is
    } else if (c == '(') {
      ++open;
    } else if (c == ')' && --open == 0) {
      return at_ <= bytes_.size();
    }
  }
  return false;
}

bool Parser::SkipHexString() {
  ++at_;
  while (at_ < bytes_.size()) {
    const char c = bytes_[at_++];
    if (c == '>') return true;
    if (HexValue(c) < 0 && !IsWhite(c)) return false;
  }
  return false;
}

std::optional<std::string_view> Parser::StreamData(std::optional<std::int64_t> length) {
  // The data starts after the end of the "stream" line (CR LF or LF; a lone
  // CR is wrong but written by some programs).
  if (at_ < bytes_.size() && bytes_[at_] == '\r') ++at_;
  if (at_ < bytes_.size() && bytes_[at_] == '\n') ++at_;
  const std::size_t start = at_;
  if (length && *length >= 0 && static_cast<std::uint64_t>(*length) <= bytes_.size() - start) {
    at_ = start + static_cast<std::size_t>(*length);
    if (Keyword("endstream")) return bytes_.substr(start, static_cast<std::size_t>(*length));
  }
  // A wrong or missing length: the data runs up to "endstream", less the end
  // of line before it.
  const std::size_t end = bytes_.find("endstream", start);
  if (end == std::string_view::npos) return std::nullopt;
  std::size_t dataEnd = end;
  if (dataEnd > start && bytes_[dataEnd - 1] == '\n') --dataEnd;
  if (dataEnd > start && bytes_[dataEnd - 1] == '\r') --dataEnd;
  at_ = end + 9;
  return bytes_.substr(start, dataEnd - start);
}

}  // namespace standin::pdf
