#include "projects/project_file_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "projects/ini_document.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"
#include "projects/storable_project_name.h"

namespace {

constexpr std::string_view kProjectList = "PROJECT_NAME";
constexpr std::string_view kProjectNum = "PROJECT_NUM";
constexpr std::string_view kActiveIndex = "ActiveArticleIndex";
constexpr std::string_view kOpenNum = "OpenNum";
constexpr char kPathStateSeparator = '?';

std::string FoldAscii(std::string_view s) {
  std::string folded(s);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

// The leading decimal number of a value: whitespace, an optional sign, then
// digits; no digits give 0. Saturates instead of overflowing.
long long LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long n = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (n < 1'000'000'000'000LL) n = n * 10 + (text[i] - '0');
  }
  return negative ? -n : n;
}

// A file's value as written, or nothing when it cannot be read back whole.
std::optional<std::string> FileValue(std::string_view path, std::string_view state) {
  std::string value = std::string(path) + kPathStateSeparator + std::string(state);
  if (value.size() < kFileValueBuffer && ValueReadsBackUnchanged(value)) return value;
  value.resize(path.size() + 1);  // the document opens without its view state
  if (value.size() < kFileValueBuffer && ValueReadsBackUnchanged(value)) return value;
  return std::nullopt;
}

// A number as the writer composes it: at most kNumberBuffer - 1 characters.
std::string Number(long long n) {
  std::string text = std::to_string(n);
  return text.size() < kNumberBuffer ? text : std::string("-1");
}

void DeleteAllSections(IniDocument& doc, std::string_view name) {
  while (doc.DeleteSection(name)) {
  }
}

void WriteProject(IniDocument& doc, const std::string& name, const FileList& files) {
  DeleteAllSections(doc, name);
  std::vector<std::string> values;
  int active = -1;
  for (int j = 0; j < files.Count(); ++j) {
    auto value = FileValue(files.Entry(j).path, files.Entry(j).state);
    if (!value) continue;
    if (j == files.ActiveIndex()) active = static_cast<int>(values.size());
    values.push_back(std::move(*value));
  }
  // An active index that names no file stays as it was: it means no file.
  const bool names_a_file = files.ActiveIndex() >= 0 && files.ActiveIndex() < files.Count();
  doc.WriteString(name, kActiveIndex, Number(names_a_file ? active : files.ActiveIndex()));
  doc.WriteString(name, kOpenNum, Number(static_cast<long long>(values.size())));
  for (std::size_t j = 0; j < values.size(); ++j) doc.WriteString(name, std::to_string(j), values[j]);
}

}  // namespace

void WriteProjects(const ProjectStore& store, IniDocument& doc) {
  std::vector<int> written;
  std::unordered_set<std::string> names;
  for (int i = 0; i < store.ProjectCount(); ++i) {
    const std::string& name = store.Name(i);
    if (IsStorableProjectName(name) && names.insert(FoldAscii(name)).second) written.push_back(i);
  }
  DeleteAllSections(doc, kProjectList);
  doc.WriteString(kProjectList, kProjectNum, Number(static_cast<long long>(written.size())));
  for (std::size_t k = 0; k < written.size(); ++k) doc.WriteString(kProjectList, std::to_string(k), store.Name(written[k]));
  for (int i : written) WriteProject(doc, store.Name(i), store.Files(i));
}

void ReadProjects(const IniDocument& doc, ProjectStore& store) {
  const std::string count_text = doc.ReadString(kProjectList, kProjectNum, kProjectNumBuffer);
  if (count_text.empty()) return;
  const long long count = LeadingNumber(count_text);
  // Key "0" is the default project, which the store already holds.
  for (long long i = 1; i < count && i < kMaxProjects && store.ProjectCount() < kMaxProjects; ++i) {
    const std::string name = doc.ReadString(kProjectList, std::to_string(i), kProjectNameBuffer);
    if (!IsStorableProjectName(name)) continue;
    const std::int32_t project = store.AppendLoadedProject(name);
    if (project < 0) continue;  // already present: the same section
    const std::string active = doc.ReadString(name, kActiveIndex, kNumberBuffer);
    if (!active.empty()) store.SetLoadedActiveIndex(project, static_cast<std::int32_t>(LeadingNumber(active)));
    const std::string files_text = doc.ReadString(name, kOpenNum, kNumberBuffer);
    if (files_text.empty()) continue;
    const long long files = LeadingNumber(files_text);
    for (long long j = 0; j < files && j < kMaxFiles; ++j) {
      const std::string value = doc.ReadString(name, std::to_string(j), kFileValueBuffer);
      const std::size_t separator = value.find(kPathStateSeparator);
      const std::string_view path = std::string_view(value).substr(0, separator);
      if (path.empty()) continue;
      const std::string_view state =
          separator == std::string::npos ? std::string_view() : std::string_view(value).substr(separator + 1);
      if (!store.AppendLoadedFile(project, path, state)) break;
    }
  }
}
