// Fuzzes the INI engine with arbitrary file text and edits, and the loading
// of a project file from arbitrary bytes: nothing may crash or read or write
// outside its memory, every value read fits its buffer, the normal form reads
// back as itself, a loaded store keeps its limits, and what was loaded is
// saved and loaded again unchanged, the one-pass save writing the bytes of
// the calls one by one.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "projects/ini_document.h"
#include "projects/project_file_text.h"
#include "projects/ascii_text.h"
#include "projects/project_limits.h"
#include "projects/project_name_list.h"
#include "projects/project_store.h"
#include "projects/storable_project_name.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Splits the input's first bytes into a section name, a key and a value for
// the edits: three pieces ended by the byte 0x01.
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

void FuzzEngine(std::string_view text, const Edit& edit) {
  IniDocument doc = IniDocument::Parse(text);
  for (std::size_t size : {0u, 1u, 2u, 8u, 10u, 256u, 1024u}) {
    const std::string value = doc.ReadString(edit.section, edit.key, size);
    Check(size == 0 ? value.empty() : value.size() < size);
  }
  CheckSettles(doc.Serialize());

  doc.WriteString(edit.section, edit.key, edit.value);
  doc.WriteString(edit.section, "0", edit.value);
  if (IsStorableProjectName(edit.section) && ValueReadsBackUnchanged(edit.value) && edit.value.size() < 4096) {
    Check(doc.ReadString(edit.section, "0", 4096) == edit.value);
  }
  doc.DeleteKey(edit.key, edit.section);
  doc.DeleteSection(edit.value);
  CheckSettles(doc.Serialize());
}

void CheckLimits(const ProjectStore& store) {
  Check(store.ProjectCount() >= 1 && store.ProjectCount() <= kMaxProjects);
  for (int i = 1; i < store.ProjectCount(); ++i) {
    Check(IsStorableProjectName(store.Name(i)));
    for (int k = 0; k < i; ++k) Check(!EqualIgnoringAsciiCase(store.Name(i), store.Name(k)));
    const FileList& files = store.Files(i);
    Check(files.Count() <= kMaxFiles);
    for (int j = 0; j < files.Count(); ++j) {
      const FileEntry& f = files.Entry(j);
      Check(!f.path.empty() && f.path.size() + 1 + f.state.size() < kFileValueBuffer);
    }
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
  ProjectStore again;
  again.AddProject(kDefaultProjectName);
  ReadProjects(IniDocument::Parse(saved.Serialize()), again);
  Check(again.ProjectCount() == store.ProjectCount());
  for (int i = 1; i < store.ProjectCount(); ++i) {
    const FileList& before = store.Files(i);
    const FileList& after = again.Files(i);
    Check(again.Name(i) == store.Name(i) && after.Count() == before.Count());
    Check(after.ActiveIndex() == before.ActiveIndex());
    for (int j = 0; j < before.Count(); ++j) {
      Check(after.Entry(j).path == before.Entry(j).path);
      // A state is dropped only when path, "?" and state would not read back.
      Check(after.Entry(j).state == before.Entry(j).state ||
            (after.Entry(j).state.empty() &&
             !ValueReadsBackUnchanged(before.Entry(j).path + "?" + before.Entry(j).state)));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  FuzzLoad(text);
  const Edit edit = EditFrom(text);
  FuzzEngine(text, edit);
  return 0;
}
