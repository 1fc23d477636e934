#include "projects/ini_section_file.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <optional>

#include "host/scoped_handle.h"

namespace {

// The file is read in parts that double in size: a section near the start of
// a large file costs one or two small reads, one further back costs about
// twice the bytes before its end.
constexpr std::size_t kFirstPart = std::size_t{64} << 10;
constexpr std::size_t kLargestPart = std::size_t{16} << 20;

// The text up to and including its last line break: the lines read whole.
std::string_view WholeLines(std::string_view text) {
  const std::size_t last = text.find_last_of("\r\n");
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace

IniDocument ReadFirstIniSection(const std::string& path, std::string_view section) {
  const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return IniDocument();
  std::string text;
  std::size_t part = kFirstPart;
  for (;;) {
    const std::size_t had = text.size();
    text.resize(had + part);
    DWORD done = 0;
    if (!ReadFile(file.get(), text.data() + had, static_cast<DWORD>(part), &done, nullptr)) return IniDocument();
    text.resize(had + done);
    const bool whole = done == 0;
    const std::string_view lines = whole ? std::string_view(text) : WholeLines(text);
    const std::optional<std::string_view> found = FirstSectionText(lines, section);
    // A section that ends before the last line read ends there in the whole
    // file too; one that runs to it may go on.
    if (found && (whole || found->data() + found->size() < lines.data() + lines.size())) {
      return IniDocument::Parse(*found);
    }
    if (whole) return IniDocument();
    part = std::min(part * 2, kLargestPart);
  }
}
