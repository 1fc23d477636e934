#include "standin/pdf_page_count.h"

#include <cctype>
#include <limits>
#include <string>

namespace standin {
namespace {

constexpr std::size_t kHeaderSearch = 1024;  // readers accept junk before the header up to here

bool IsDelimiter(char c) {
  return std::isspace(static_cast<unsigned char>(c)) ||
         std::string_view("()<>[]{}/%").find(c) != std::string_view::npos;
}

void SkipSpace(std::string_view text, std::size_t& at) {
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
}

std::optional<long long> ReadInteger(std::string_view text, std::size_t& at) {
  SkipSpace(text, at);
  const std::size_t start = at;
  long long value = 0;
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
    value = value * 10 + (text[at] - '0');
    if (value > std::numeric_limits<ASInt32>::max()) return std::nullopt;
    ++at;
  }
  if (at == start) return std::nullopt;
  return value;
}

// The position just after the name `key` (followed by a delimiter) in `text`,
// searching from the end when `last`.
std::optional<std::size_t> FindName(std::string_view text, std::string_view key, bool last) {
  std::size_t at = last ? text.rfind(key) : text.find(key);
  while (at != std::string_view::npos) {
    const std::size_t end = at + key.size();
    if (end >= text.size() || IsDelimiter(text[end])) return end;
    if (last) {
      if (at == 0) break;
      at = text.rfind(key, at - 1);
    } else {
      at = text.find(key, at + 1);
    }
  }
  return std::nullopt;
}

// "N G R" after a name: the object number N.
std::optional<long long> ReadReference(std::string_view text, std::size_t at) {
  const auto number = ReadInteger(text, at);
  if (!number || !ReadInteger(text, at)) return std::nullopt;
  SkipSpace(text, at);
  if (at >= text.size() || text[at] != 'R') return std::nullopt;
  return number;
}

// The body of object `number` ("number G obj" ... "endobj").
std::optional<std::string_view> FindObject(std::string_view bytes, long long number) {
  const std::string head = std::to_string(number) + " ";
  std::size_t at = bytes.find(head);
  while (at != std::string_view::npos) {
    if (at == 0 || std::isspace(static_cast<unsigned char>(bytes[at - 1]))) {
      std::size_t after = at + head.size();
      if (ReadInteger(bytes, after)) {
        SkipSpace(bytes, after);
        if (bytes.substr(after, 3) == "obj") {
          const std::size_t end = bytes.find("endobj", after);
          if (end == std::string_view::npos) return std::nullopt;
          return bytes.substr(after + 3, end - after - 3);
        }
      }
    }
    at = bytes.find(head, at + 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<ASInt32> PdfPageCount(std::string_view bytes) {
  const std::size_t header = bytes.find("%PDF-");
  if (header == std::string_view::npos || header > kHeaderSearch) return std::nullopt;
  const auto rootAt = FindName(bytes, "/Root", true);
  if (!rootAt) return std::nullopt;
  const auto root = ReadReference(bytes, *rootAt);
  if (!root) return std::nullopt;
  const auto catalog = FindObject(bytes, *root);
  if (!catalog) return std::nullopt;
  const auto pagesAt = FindName(*catalog, "/Pages", false);
  if (!pagesAt) return std::nullopt;
  const auto pages = ReadReference(*catalog, *pagesAt);
  if (!pages) return std::nullopt;
  const auto tree = FindObject(bytes, *pages);
  if (!tree) return std::nullopt;
  auto countAt = FindName(*tree, "/Count", false);
  if (!countAt) return std::nullopt;
  const auto count = ReadInteger(*tree, *countAt);
  if (!count) return std::nullopt;
  return static_cast<ASInt32>(*count);
}

}  // namespace standin
