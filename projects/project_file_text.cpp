#include "projects/project_file_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "projects/ini_document.h"
#include "projects/ini_normal_form.h"
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

// How much of a file goes into its value: the path, "?" and the state when
// that reads back whole within the reader's buffer, else the path and "?"
// (the document then opens without its view state), else nothing.
enum class FileValueForm { kWhole, kPathOnly, kLeftOut };

// Composes the file's value into `value` (reused, so that a large store does
// not allocate once per file) and says which form it took.
FileValueForm ComposeFileValue(const FileEntry& file, std::string& value) {
  value.assign(file.path);
  value += kPathStateSeparator;
  value += file.state;
  if (value.size() < kFileValueBuffer && ValueReadsBackUnchanged(value)) return FileValueForm::kWhole;
  value.resize(file.path.size() + 1);
  if (value.size() < kFileValueBuffer && ValueReadsBackUnchanged(value)) return FileValueForm::kPathOnly;
  return FileValueForm::kLeftOut;
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

// A project that is written: its position in the store and the name it is
// written under, the name it comes back with (ProjectNameAsRead).
struct WrittenProject {
  int index;
  std::string name;
};

// The projects that are written, in store order: those whose name comes back
// from the file as a name that no earlier project's does (letter case ignored).
std::vector<WrittenProject> WrittenProjects(const ProjectStore& store) {
  std::vector<WrittenProject> written;
  std::unordered_set<std::string> names;
  for (int i = 0; i < store.ProjectCount(); ++i) {
    std::optional<std::string> name = ProjectNameAsRead(store.Name(i));
    if (name && names.insert(FoldAscii(*name)).second) written.push_back({i, std::move(*name)});
  }
  return written;
}

// Calls emit(key, value) for each key of [PROJECT_NAME], in order.
template <typename Emit>
void EmitProjectListKeys(const std::vector<WrittenProject>& written, Emit emit) {
  emit(kProjectNum, Number(static_cast<long long>(written.size())));
  for (std::size_t k = 0; k < written.size(); ++k) emit(std::to_string(k), written[k].name);
}

// A project's section before it is written: the form each file takes and
// the two numbers that come before the files.
struct ProjectSection {
  std::vector<FileValueForm> forms;
  std::string active;  // "ActiveArticleIndex"
  std::string count;   // "OpenNum"
};

// value is a buffer reused from file to file, so that a large store does not
// allocate once per file.
ProjectSection PlanProjectSection(const FileList& files, std::string& value) {
  ProjectSection section;
  int written = 0;
  int active = -1;
  for (int j = 0; j < files.Count(); ++j) {
    section.forms.push_back(ComposeFileValue(files.Entry(j), value));
    if (section.forms.back() == FileValueForm::kLeftOut) continue;
    if (j == files.ActiveIndex()) active = written;
    ++written;
  }
  // An active index that names no file stays as it was: it means no file.
  const bool names_a_file = files.ActiveIndex() >= 0 && files.ActiveIndex() < files.Count();
  section.active = Number(names_a_file ? active : files.ActiveIndex());
  section.count = Number(written);
  return section;
}

// Calls emit(key, value) for each key of a project's section, in order.
template <typename Emit>
void EmitProjectKeys(const FileList& files, const ProjectSection& section, std::string& value, Emit emit) {
  emit(kActiveIndex, section.active);
  emit(kOpenNum, section.count);
  int key = 0;
  for (int j = 0; j < files.Count(); ++j) {
    const FileValueForm form = section.forms[static_cast<std::size_t>(j)];
    if (form == FileValueForm::kLeftOut) continue;
    const FileEntry& file = files.Entry(j);
    value.assign(file.path);
    value += kPathStateSeparator;
    if (form == FileValueForm::kWhole) value += file.state;
    emit(std::to_string(key++), value);
  }
}

// The state written with a file: all of it or none.
std::string_view WrittenState(const FileEntry& file, FileValueForm form) {
  return form == FileValueForm::kWhole ? std::string_view(file.state) : std::string_view();
}

// The size of what AppendProjectSection appends.
std::size_t ProjectSectionSize(const std::string& name, const FileList& files, const ProjectSection& section) {
  std::size_t size =
      IniHeaderSize(name) + IniKeySize(kActiveIndex, section.active) + IniKeySize(kOpenNum, section.count);
  int key = 0;
  for (int j = 0; j < files.Count(); ++j) {
    const FileValueForm form = section.forms[static_cast<std::size_t>(j)];
    if (form == FileValueForm::kLeftOut) continue;
    const FileEntry& file = files.Entry(j);
    size += IniKeySize(std::to_string(key++), file.path) + 1 + WrittenState(file, form).size();
  }
  return size;
}

// Appends a project's section in the normal form: its header and the keys
// EmitProjectKeys gives, each file's value appended in its parts instead of
// composed first.
void AppendProjectSection(std::string& text, const std::string& name, const FileList& files,
                          const ProjectSection& section) {
  AppendIniHeader(text, name);
  AppendIniKey(text, kActiveIndex, section.active);
  AppendIniKey(text, kOpenNum, section.count);
  constexpr std::string_view kSeparator(&kPathStateSeparator, 1);
  int key = 0;
  for (int j = 0; j < files.Count(); ++j) {
    const FileValueForm form = section.forms[static_cast<std::size_t>(j)];
    if (form == FileValueForm::kLeftOut) continue;
    const FileEntry& file = files.Entry(j);
    AppendIniKey(text, std::to_string(key++), {file.path, kSeparator, WrittenState(file, form)});
  }
}

}  // namespace

void WriteProjects(const ProjectStore& store, IniDocument& doc) {
  const std::vector<WrittenProject> written = WrittenProjects(store);
  DeleteAllSections(doc, kProjectList);
  EmitProjectListKeys(written,
                      [&](std::string_view key, std::string_view value) { doc.WriteString(kProjectList, key, value); });
  std::string value;
  for (const WrittenProject& project : written) {
    DeleteAllSections(doc, project.name);
    const FileList& files = store.Files(project.index);
    const ProjectSection section = PlanProjectSection(files, value);
    EmitProjectKeys(files, section, value,
                    [&](std::string_view key, std::string_view value) { doc.WriteString(project.name, key, value); });
  }
}

std::string WriteProjectsToText(const ProjectStore& store, std::string old_text) {
  std::string kept;
  {
    IniDocument doc = IniDocument::ParseInPlace(old_text);
    if (!doc.ReadsBackAsItStands()) {
      // Rare (a damaged file): the calls one by one, with the document read
      // again between them as the platform reads its file.
      WriteProjects(store, doc);
      return doc.Serialize();
    }
    // WriteProjects puts every section it writes at the end, once the
    // sections of that name have gone, and the names and values it writes
    // all read back (storable names, numbers, values ComposeFileValue let
    // through): so the result is the document without those sections, then
    // the new ones.
    DeleteAllSections(doc, kProjectList);
    for (const WrittenProject& project : WrittenProjects(store)) DeleteAllSections(doc, project.name);
    kept = doc.Serialize();
  }
  const std::vector<WrittenProject> written = WrittenProjects(store);
  std::vector<ProjectSection> sections;
  std::string value;
  for (const WrittenProject& project : written) sections.push_back(PlanProjectSection(store.Files(project.index), value));

  // The exact size first, so that the text is composed in one buffer: the
  // old text's, which is as large when the store has not changed much. A
  // large buffer reused is much cheaper than a fresh one, whose every page
  // the system must first supply.
  std::size_t size = kept.size() + IniHeaderSize(kProjectList);
  EmitProjectListKeys(written,
                      [&size](std::string_view key, std::string_view value) { size += IniKeySize(key, value); });
  for (std::size_t k = 0; k < written.size(); ++k) {
    size += ProjectSectionSize(written[k].name, store.Files(written[k].index), sections[k]);
  }
  std::string text = std::move(old_text);
  text.clear();
  text.reserve(size);

  text += kept;
  AppendIniHeader(text, kProjectList);
  EmitProjectListKeys(written,
                      [&text](std::string_view key, std::string_view value) { AppendIniKey(text, key, value); });
  for (std::size_t k = 0; k < written.size(); ++k) {
    AppendProjectSection(text, written[k].name, store.Files(written[k].index), sections[k]);
  }
  return text;
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
      // A view, not a copy: the store takes path and state as they are.
      const std::string_view value = doc.ReadView(name, std::to_string(j), kFileValueBuffer);
      const std::size_t separator = value.find(kPathStateSeparator);
      const std::string_view path = value.substr(0, separator);
      if (path.empty()) continue;
      const std::string_view state =
          separator == std::string_view::npos ? std::string_view() : value.substr(separator + 1);
      if (!store.AppendLoadedFile(project, path, state)) break;
    }
  }
}
