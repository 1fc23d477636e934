// Fuzzes FirstSectionText against the INI engine reading the whole text: for
// any text, section name and key, the section's text read alone gives the
// value the whole text gives, and a start of the text cut after a line break
// gives the same section once the section ends inside it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "projects/ini_document.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The input's first bytes: a section name and a key, each ended by 0x01.
std::string_view Piece(std::string_view& text) {
  const std::size_t end = text.find('\x01');
  const std::string_view piece = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return piece;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string_view section = Piece(text);
  const std::string_view key = Piece(text);

  const IniDocument whole = IniDocument::Parse(text);
  const auto part = FirstSectionText(text, section);
  const IniDocument alone = part ? IniDocument::Parse(*part) : IniDocument();
  for (const std::string_view k : {key, std::string_view("0"), std::string_view("OpenNum")}) {
    for (const std::size_t buffer : {std::size_t{10}, std::size_t{1024}}) {
      Check(alone.ReadString(section, k, buffer) == whole.ReadString(section, k, buffer));
    }
  }

  // A start of the text: up to the line break nearest the middle.
  const std::size_t cut = text.find_first_of("\r\n", text.size() / 2);
  if (cut == std::string_view::npos) return 0;
  const std::string_view start = text.substr(0, cut + 1);
  const auto early = FirstSectionText(start, section);
  if (early && early->data() + early->size() < start.data() + start.size()) {
    Check(part && early->data() == part->data() && early->size() == part->size());
  }
  return 0;
}
