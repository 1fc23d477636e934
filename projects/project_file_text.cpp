#include "projects/project_file_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "projects/ascii_text.h"
#include "projects/ini_document.h"
#include "projects/ini_normal_form.h"
#include "projects/ini_text_rules.h"
#include "projects/project_file_format.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"

namespace {

using namespace project_file;

std::string Folded(std::string_view s) {
  std::string folded(s);
  for (char& c : folded) c = FoldAscii(c);
  return folded;
}

// How a file is written: the first `length` characters of
// "<path>?<state>", in added quotes when `quoted`.
struct WrittenFile {
  std::size_t length;
  bool quoted;
};

constexpr char kAddedQuote = '"';

// Whether a value needs added quotes to read back as itself: blanks at its
// ends, or a pair of its own enclosing quotes, are lost without them; the
// reader takes the added pair away and keeps everything within it. Nothing
// when it never reads back: a line break or NUL byte ends the line or value.
std::optional<bool> NeedsQuotes(std::string_view value) {
  if (ValueReadsBackUnchanged(value)) return false;
  if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return std::nullopt;
  return true;
}

// How a file is written (composed into `value`, reused so that a large store
// does not allocate once per file): as much as the loader keeps
// (FileValueThatFits), or only "<path>?" when that can never read back;
// nothing when neither can.
std::optional<WrittenFile> HowWritten(const FileEntry& file, std::string& value) {
  value.assign(file.path);
  value += kPathStateSeparator;
  value += file.state;
  if (const auto kept = FileValueThatFits(value)) {
    if (const auto quoted = NeedsQuotes(*kept)) return WrittenFile{kept->size(), *quoted};
  }
  const std::string_view path_only = std::string_view(value).substr(0, file.path.size() + 1);
  if (path_only.size() >= kFileValueBuffer) return std::nullopt;
  if (const auto quoted = NeedsQuotes(path_only)) return WrittenFile{path_only.size(), *quoted};
  return std::nullopt;
}

// A number as the writer composes it: at most kNumberBuffer - 1 characters.
std::string Number(long long n) {
  std::string text = std::to_string(n);
  return text.size() <= kLongestNumber ? text : std::string("-1");
}

void DeleteAllSections(IniDocument& doc, std::string_view name) {
  while (doc.DeleteSection(name)) {
  }
}

// A project that is written: its position in the store, its section, and
// whether its name is written in added quotes.
struct WrittenProject {
  int index;
  std::string_view section;
  bool keepQuotes;
};

// The projects that are written, in store order, each with a section that no
// other has (letter case ignored): the one its name comes back to from the
// file (ProjectNameAsRead). A name that comes back without its own quotes
// (only a user's file gives one: it was read from a value in two pairs) keeps
// them, and the section it was read from, when without them it would find no
// section of its own: nothing or one that another project's name is read
// from. So a project the file held is never written over by another.
std::vector<WrittenProject> WrittenProjects(const ProjectStore& store) {
  std::unordered_set<std::string> own;  // the sections the names are read from
  for (int i = 0; i < store.ProjectCount(); ++i) own.insert(Folded(ini_text::Trim(store.Name(i))));
  std::vector<WrittenProject> written;
  std::unordered_set<std::string> sections;
  for (int i = 0; i < store.ProjectCount(); ++i) {
    const std::string_view name = store.Name(i);
    for (const bool keepQuotes : {false, true}) {
      const auto read = ProjectNameAsRead(name, keepQuotes);
      if (!read) continue;
      const std::string folded = Folded(ProjectSection(*read));
      const bool moves = folded != Folded(ini_text::Trim(name));
      if ((moves && own.count(folded) > 0) || !sections.insert(folded).second) continue;
      written.push_back({i, ProjectSection(*read), keepQuotes});
      break;
    }
  }
  return written;
}

// Calls emit(key, value) for each key of [PROJECT_NAME], in order.
template <typename Emit>
void EmitProjectListKeys(const ProjectStore& store, const std::vector<WrittenProject>& written, Emit emit) {
  emit(kProjectCountKey, Number(static_cast<long long>(written.size())));
  for (std::size_t k = 0; k < written.size(); ++k) {
    emit(std::to_string(k), ProjectNameValue(store.Name(written[k].index), written[k].keepQuotes));
  }
}

// A project's section before it is written: how much of each file is written
// and the two numbers that come before the files.
struct SectionPlan {
  std::vector<std::optional<WrittenFile>> files;  // HowWritten of each file
  std::string active;                             // "ActiveArticleIndex"
  std::string count;                              // "OpenNum"
};

// value is a buffer reused from file to file, so that a large store does not
// allocate once per file.
SectionPlan PlanProjectSection(const FileList& files, std::string& value) {
  SectionPlan section;
  int written = 0;
  int active = -1;
  for (int j = 0; j < files.Count(); ++j) {
    section.files.push_back(HowWritten(files.Entry(j), value));
    if (!section.files.back()) continue;
    if (j == files.ActiveIndex()) active = written;
    ++written;
  }
  // An active index that names no file stays as it was: it means no file.
  const bool names_a_file = files.ActiveIndex() >= 0 && files.ActiveIndex() < files.Count();
  section.active = Number(names_a_file ? active : files.ActiveIndex());
  section.count = Number(written);
  return section;
}

// The files a section writes: each file with how it is written.
template <typename Visit>
void ForWrittenFiles(const FileList& files, const SectionPlan& section, Visit visit) {
  for (int j = 0; j < files.Count(); ++j) {
    if (const auto& how = section.files[static_cast<std::size_t>(j)]) visit(files.Entry(j), *how);
  }
}

// The state written with a file: as much as its value holds.
std::string_view WrittenState(const FileEntry& file, const WrittenFile& how) {
  return std::string_view(file.state).substr(0, how.length - file.path.size() - 1);
}

// The added quote of a file's value, or nothing.
std::string_view AddedQuote(const WrittenFile& how) { return std::string_view(&kAddedQuote, how.quoted ? 1 : 0); }

// Calls emit(key, value) for each key of a project's section, in order.
template <typename Emit>
void EmitProjectKeys(const FileList& files, const SectionPlan& section, std::string& value, Emit emit) {
  emit(kActiveIndexKey, section.active);
  emit(kFileCountKey, section.count);
  int key = 0;
  ForWrittenFiles(files, section, [&](const FileEntry& file, const WrittenFile& how) {
    value.clear();
    value += AddedQuote(how);
    value += file.path;
    value += kPathStateSeparator;
    value += WrittenState(file, how);
    value += AddedQuote(how);
    emit(std::to_string(key++), value);
  });
}

// The size of what AppendProjectSection appends.
std::size_t ProjectSectionSize(std::string_view name, const FileList& files, const SectionPlan& section) {
  std::size_t size =
      IniHeaderSize(name) + IniKeySize(kActiveIndexKey, section.active) + IniKeySize(kFileCountKey, section.count);
  int key = 0;
  ForWrittenFiles(files, section, [&](const FileEntry&, const WrittenFile& how) {
    size += IniKeySize(std::to_string(key++), {}) + how.length + (how.quoted ? 2 : 0);
  });
  return size;
}

// Appends a project's section in the normal form: its header and the keys
// EmitProjectKeys gives, each file's value appended in its parts instead of
// composed first.
void AppendProjectSection(std::string& text, std::string_view name, const FileList& files, const SectionPlan& section) {
  AppendIniHeader(text, name);
  AppendIniKey(text, kActiveIndexKey, section.active);
  AppendIniKey(text, kFileCountKey, section.count);
  constexpr std::string_view kSeparator(&kPathStateSeparator, 1);
  int key = 0;
  ForWrittenFiles(files, section, [&](const FileEntry& file, const WrittenFile& how) {
    AppendIniKey(text, std::to_string(key++),
                 {AddedQuote(how), file.path, kSeparator, WrittenState(file, how), AddedQuote(how)});
  });
}

// A view of the whole value of a key, quotes handled as the reader does.
std::string_view WholeValue(const IniDocument& doc, std::string_view section, std::string_view key) {
  return doc.ReadView(section, key, std::string_view::npos);
}

}  // namespace

void WriteProjects(const ProjectStore& store, IniDocument& doc) {
  const std::vector<WrittenProject> written = WrittenProjects(store);
  DeleteAllSections(doc, kProjectListSection);
  EmitProjectListKeys(store, written, [&](std::string_view key, std::string_view value) {
    doc.WriteString(kProjectListSection, key, value);
  });
  std::string value;
  for (const WrittenProject& project : written) {
    DeleteAllSections(doc, project.section);
    const FileList& files = store.Files(project.index);
    EmitProjectKeys(files, PlanProjectSection(files, value), value, [&](std::string_view key, std::string_view value) {
      doc.WriteString(project.section, key, value);
    });
  }
}

std::string WriteProjectsToText(const ProjectStore& store, std::string old_text) {
  const std::vector<WrittenProject> written = WrittenProjects(store);
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
    // all read back as they stand (trimmed names, in added quotes or not,
    // sections as read, numbers, the file values HowWritten lets through,
    // in added quotes or not): so the result is the document without those
    // sections, then the new ones.
    DeleteAllSections(doc, kProjectListSection);
    for (const WrittenProject& project : written) DeleteAllSections(doc, project.section);
    kept = doc.Serialize();
  }
  std::vector<SectionPlan> sections;
  std::string value;
  for (const WrittenProject& project : written)
    sections.push_back(PlanProjectSection(store.Files(project.index), value));

  // The exact size first, so that the text is composed in one buffer: the
  // old text's, which is as large when the store has not changed much. A
  // large buffer reused is much cheaper than a fresh one, whose every page
  // the system must first supply.
  std::size_t size = kept.size() + IniHeaderSize(kProjectListSection);
  EmitProjectListKeys(store, written,
                      [&size](std::string_view key, std::string_view value) { size += IniKeySize(key, value); });
  for (std::size_t k = 0; k < written.size(); ++k) {
    size += ProjectSectionSize(written[k].section, store.Files(written[k].index), sections[k]);
  }
  std::string text = std::move(old_text);
  text.clear();
  text.reserve(size);

  text += kept;
  AppendIniHeader(text, kProjectListSection);
  EmitProjectListKeys(store, written,
                      [&text](std::string_view key, std::string_view value) { AppendIniKey(text, key, value); });
  for (std::size_t k = 0; k < written.size(); ++k) {
    AppendProjectSection(text, written[k].section, store.Files(written[k].index), sections[k]);
  }
  return text;
}

void ReadProjects(const IniDocument& doc, ProjectStore& store) {
  const std::string_view count = doc.ReadView(kProjectListSection, kProjectCountKey, kProjectCountBuffer);
  if (count.empty()) return;
  // A project is loaded once: a name whose section an earlier project (the
  // default one included) already has would bring that section's files again.
  std::unordered_set<std::string> sections = {Folded(kProjectListSection)};
  for (int i = 0; i < store.ProjectCount(); ++i) sections.insert(Folded(ProjectSection(store.Name(i))));
  // Key "0" is the default project, which the store already holds.
  for (const std::uint32_t i : doc.NumberedKeys(kProjectListSection, std::max(0, ReadInteger(count).value_or(0)))) {
    if (store.ProjectCount() >= kMaxProjects) break;
    if (i == 0) continue;
    const std::string name(doc.ReadView(kProjectListSection, std::to_string(i), kProjectNameBuffer));
    const std::string_view section = ProjectSection(name);
    if (section.empty() || !sections.insert(Folded(section)).second) continue;
    const std::int32_t project = store.AppendLoadedProject(name);
    if (project < 0) continue;
    const std::string_view active = doc.ReadView(name, kActiveIndexKey, kNumberBuffer);
    if (!active.empty()) store.SetLoadedActiveIndex(project, ReadInteger(active).value_or(0));
    const std::string_view files = doc.ReadView(name, kFileCountKey, kNumberBuffer);
    if (files.empty()) continue;
    for (const std::uint32_t j : doc.NumberedKeys(name, std::max(0, ReadInteger(files).value_or(0)))) {
      // Views, not copies: the store takes path and state as they are.
      const auto value = FileValueThatFits(WholeValue(doc, name, std::to_string(j)));
      if (!value) continue;
      const std::size_t separator = value->find(kPathStateSeparator);
      const std::string_view path = value->substr(0, separator);
      if (path.empty()) continue;
      const std::string_view state =
          separator == std::string_view::npos ? std::string_view() : value->substr(separator + 1);
      if (!store.AppendLoadedFile(project, path, state)) break;
    }
  }
}
