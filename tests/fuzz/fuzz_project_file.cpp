// Fuzzes the INI engine with arbitrary file text and edits, and the loading
// of a project file from arbitrary bytes: nothing may crash or read or write
// outside its memory, every value read fits its buffer, the normal form reads
// back as itself, a name comes back as ProjectNameAsRead says and finds the
// section written for it, a loaded store keeps its limits, and every project
// loaded is saved and loaded again with its files, the one-pass save writing
// the bytes of the calls one by one.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>

#include "projects/ascii_text.h"
#include "projects/ini_document.h"
#include "projects/ini_text_rules.h"
#include "projects/project_file_format.h"
#include "projects/project_file_text.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"

namespace {

using namespace project_file;

void Check(bool condition) {
  if (!condition) std::abort();
}

// The input's first bytes: a section name, a key and a value for the edits,
// three pieces ended by the byte 0x01.
struct Edit {
  std::string_view section, key, value;
};

Edit EditFrom(std::string_view& text) {
  std::string_view pieces[3];
  for (std::string_view& piece : pieces) {
    const std::size_t end = text.find('\x01');
    piece = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return {pieces[0], pieces[1], pieces[2]};
}

// Written in the normal form and read again, a text settles: a NUL byte, a
// second unnamed section or a run of unnamed keys change it once, and a key
// made of the bytes of the UTF-8 mark that comes to stand first once more.
void CheckSettles(const std::string& text) {
  const std::string second = IniDocument::Parse(IniDocument::Parse(text).Serialize()).Serialize();
  Check(IniDocument::Parse(second).Serialize() == second);
}

std::string Folded(std::string_view s) {
  std::string folded(s);
  for (char& c : folded) c = FoldAscii(c);
  return folded;
}

void FuzzEngine(std::string_view text, const Edit& edit) {
  IniDocument doc = IniDocument::Parse(text);
  for (std::size_t size : {0u, 1u, 2u, 8u, 10u, 256u, 1024u}) {
    const std::string value = doc.ReadString(edit.section, edit.key, size);
    Check(size == 0 ? value.empty() : value.size() < size);
  }
  CheckSettles(doc.Serialize());

  // A project name written as a value, in added quotes or not, reads back
  // as ProjectNameAsRead says, and that finds the section written for it.
  for (const bool keepQuotes : {false, true}) {
    if (const auto read = ProjectNameAsRead(edit.section, keepQuotes)) {
      IniDocument names;
      names.WriteString(kProjectListSection, "1", ProjectNameValue(edit.section, keepQuotes));
      names.WriteString(ProjectSection(*read), "OpenNum", "1");
      Check(names.ReadString(kProjectListSection, "1", kProjectNameBuffer) == *read);
      Check(names.ReadString(*read, "OpenNum", kNumberBuffer) == "1");
    }
  }
  doc.WriteString(edit.section, edit.key, edit.value);
  doc.WriteString(edit.section, "0", edit.value);
  if (ProjectNameAsRead(edit.section) == edit.section && ValueReadsBackUnchanged(edit.value) &&
      edit.value.size() < 4096) {
    Check(doc.ReadString(edit.section, "0", 4096) == edit.value);
  }
  doc.DeleteKey(edit.key, edit.section);
  doc.DeleteSection(edit.value);
  CheckSettles(doc.Serialize());

  // What the loader keeps of a file value fits the reader's buffer and is a
  // start of it that ends at a "?" or an item boundary.
  if (const auto kept = FileValueThatFits(edit.value)) {
    Check(kept->size() < kFileValueBuffer && edit.value.substr(0, kept->size()) == *kept);
    Check(kept->size() == edit.value.size() || kept->back() == '?' || edit.value[kept->size()] == '&');
  }
}

void CheckLimits(const ProjectStore& store) {
  Check(store.ProjectCount() >= 1 && store.ProjectCount() <= kMaxProjects);
  std::unordered_set<std::string> sections = {Folded(kProjectListSection)};
  for (int i = 0; i < store.ProjectCount(); ++i) {
    const std::string_view section = ProjectSection(store.Name(i));
    Check(!section.empty() && sections.insert(Folded(section)).second);
    const FileList& files = store.Files(i);
    Check(files.Count() <= kMaxFiles);
    for (int j = 0; j < files.Count(); ++j) {
      const FileEntry& f = files.Entry(j);
      Check(!f.path.empty() && f.path.size() + 1 + f.state.size() < kFileValueBuffer);
    }
  }
}

// Saved and loaded again, a project whose name comes back keeps its active
// index and its files in order, each with its state or a start of it.
void CheckSameFiles(const FileList& before, const FileList& after) {
  Check(after.ActiveIndex() == before.ActiveIndex() || after.Count() < before.Count());
  int j = 0;
  for (int k = 0; k < after.Count(); ++k, ++j) {
    while (j < before.Count() && before.Entry(j).path != after.Entry(k).path) ++j;
    Check(j < before.Count());
    Check(before.Entry(j).state.compare(0, after.Entry(k).state.size(), after.Entry(k).state) == 0);
  }
}

void FuzzLoad(std::string_view text) {
  ProjectStore store;
  store.AddProject(kDefaultProjectName);
  ReadProjects(IniDocument::Parse(text), store);
  CheckLimits(store);

  IniDocument saved = IniDocument::Parse(text);
  WriteProjects(store, saved);
  // The one-pass save writes the same bytes as the calls one by one.
  Check(WriteProjectsToText(store, std::string(text)) == saved.Serialize());
  // Every project loaded comes back, without the blanks and quotes of its
  // name or with its quotes; only a name in quotes too long to be written in
  // added ones may be left out.
  ProjectStore again;
  again.AddProject(kDefaultProjectName);
  ReadProjects(IniDocument::Parse(saved.Serialize()), again);
  int k = 1;
  for (int i = 1; i < store.ProjectCount(); ++i) {
    const std::string_view trimmed = ini_text::Trim(store.Name(i));
    const auto read = ProjectNameAsRead(store.Name(i));
    if (k < again.ProjectCount() && (again.Name(k) == trimmed || (read && again.Name(k) == *read))) {
      CheckSameFiles(store.Files(i), again.Files(k++));
    } else {
      Check(trimmed.size() > kProjectNameBuffer - 2);
    }
  }
  Check(k == again.ProjectCount());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  FuzzLoad(text);
  const Edit edit = EditFrom(text);
  FuzzEngine(text, edit);
  return 0;
}
