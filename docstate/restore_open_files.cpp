#include "docstate/restore_open_files.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "docstate/activate_document.h"
#include "docstate/open_with_state.h"
#include "docstate/state_value.h"
#include "projects/ini_section_file.h"
#include "projects/project_file_path.h"

namespace {

constexpr char kDefaultProjectSection[] = "CURRENT OPENED FILES";
constexpr char kOpenNumKey[] = "OpenNum";
constexpr char kActiveIndexKey[] = "ActiveArticleIndex";

// Read buffers, terminating NUL included: counts hold up to 9 digits, an
// entry up to 1023 characters (a longer value is cut by the reader).
constexpr std::size_t kNumberBufferSize = 10;
constexpr std::size_t kEntryBufferSize = 1024;
// Longest path an entry can give (the path buffer holds it with its NUL).
constexpr std::size_t kMaxPathLength = 1023;
// The project file never lists more files than a project can hold; a damaged
// "OpenNum" must not keep start-up reading up to a billion missing keys.
constexpr std::int32_t kMaxRestoredEntries = 256;

// The value of `key` as GetPrivateProfileStringA leaves it in a buffer of
// bufferSize bytes; an empty text when the key (or the section) is missing.
std::string ReadValue(const IniDocument& section, const char* key, std::size_t bufferSize) {
  return section.ReadString(kDefaultProjectSection, key, bufferSize);
}

}  // namespace

bool OpenEntry(std::string_view entry) {
  const std::size_t question = entry.find('?');
  if (question == std::string_view::npos) {
    if (entry.size() > kMaxPathLength) return false;
    return OpenWithState(entry, std::nullopt);
  }
  if (question > kMaxPathLength) return false;
  return OpenWithState(entry.substr(0, question), entry.substr(question + 1));
}

void RestoreOpenFiles() {
  const std::string file = ProjectFilePath();
  if (file.empty()) return;

  // The profile functions read only the first section of the name: reading
  // the file up to its end gives the same values without reading the other
  // projects, and the file once instead of once per key.
  const IniDocument section = ReadFirstIniSection(file, kDefaultProjectSection);

  std::int32_t opened = 0;
  const std::string openNum = ReadValue(section, kOpenNumKey, kNumberBufferSize);
  if (!openNum.empty()) {
    const std::int32_t count = std::min(ReadInteger(openNum).value_or(0), kMaxRestoredEntries);
    for (std::int32_t i = 0; i < count; ++i) {
      const std::string entry = ReadValue(section, std::to_string(i).c_str(), kEntryBufferSize);
      if (entry.empty()) continue;
      if (OpenEntry(entry)) ++opened;
    }
  }

  const std::string active = ReadValue(section, kActiveIndexKey, kNumberBufferSize);
  if (active.empty()) return;
  const std::optional<std::int32_t> index = ReadInteger(active);
  if (index && *index < opened) ActivateNthDocument(*index);
}
