#pragma once
// IniDocument: the text of an INI file held in memory, read and edited the way
// the platform's profile functions (GetPrivateProfileStringA,
// WritePrivateProfileStringA) read and edit the file itself, so that a whole
// file can be read once, changed by many calls and written once.
//
// Text is bytes in the system's ANSI code page; the engine never converts or
// interprets them beyond the ASCII characters its rules name.
//
// How the profile functions behave, one row a behaviour, is the table of
// tests/core/ini_document_test.cpp (found under Wine 8.0, ANSI code page
// 1252); tests/projectfile checks the engine against the running platform.
// In short: lines end at CR or LF and are trimmed; a header runs to its
// last "]"; names compare without regard to ASCII letter case and the first
// section and key of a name win; a value in a pair of quotes reads without
// them; a value is cut to the buffer less one; a write changes the first
// section and key of its name, appends what is new, and leaves the file in
// the platform's normal form (CR LF, no blanks around names and values).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Whether a value written with WriteString reads back unchanged with
// ReadString (given a buffer large enough): no whitespace at either end, no
// line break or NUL, not enclosed in a pair of the same quotes.
bool ValueReadsBackUnchanged(std::string_view value);

// The text a value stored as `stored` (as it stands in the file) reads as
// into a buffer of buffer_size bytes, without its NUL: a pair of enclosing
// quotes removed, cut to buffer_size - 1 characters.
std::string_view IniValueAsRead(std::string_view stored, std::size_t buffer_size);

class IniDocument {
 public:
  // An empty document: the text of an absent or empty file.
  IniDocument();
  // Names and values are views into the document's own storage: it moves,
  // but is not copied.
  IniDocument(IniDocument&&) noexcept = default;
  IniDocument& operator=(IniDocument&&) noexcept = default;
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;

  // Reads the whole text of a file; ParseOwned keeps the text given instead
  // of copying it.
  static IniDocument Parse(std::string_view text);
  static IniDocument ParseOwned(std::string&& text);
  // Reads a text that the caller keeps, alive and unchanged, for as long as
  // the document lives: nothing is copied.
  static IniDocument ParseInPlace(std::string_view text);

  // GetPrivateProfileStringA(section, key, "", buffer, buffer_size): the text
  // that call leaves in a buffer of buffer_size bytes (without its NUL).
  std::string ReadString(std::string_view section, std::string_view key, std::size_t buffer_size) const;
  // The same text as a view into the document, valid until it changes.
  std::string_view ReadView(std::string_view section, std::string_view key, std::size_t buffer_size) const;

  // The numbers below `limit` that key names of the first section named
  // `section` spell as a lookup of the number would ask for them (decimal,
  // no sign, no leading zero), ascending, each once: what reading the keys
  // "0" to limit-1 one by one finds, in time that grows with the keys
  // present rather than with the limit.
  std::vector<std::uint32_t> NumberedKeys(std::string_view section, std::uint64_t limit) const;

  // The stored value as it stands in the file (no quote handling, no cut);
  // nothing when the section or key is absent or the key has no "=". Valid
  // until the document changes.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

  // WritePrivateProfileStringA(section, key, value). True when the text changed.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

  // WritePrivateProfileStringA(section, NULL, NULL). True when a section was removed.
  bool DeleteSection(std::string_view section);

  // WritePrivateProfileStringA(section, key, NULL). True when a key was removed.
  bool DeleteKey(std::string_view section, std::string_view key);

  // The text of the whole file, in the normal form the platform writes.
  std::string Serialize() const;

  // Whether Serialize()'s text reads back as this document: false when the
  // text read held something the normal form changes (a NUL byte, a second
  // unnamed section) or a change left a result that reads differently. While
  // true, WriteString calls that create sections at the end, with names and
  // values that read back, give Serialize()'s text followed by those sections
  // in the normal form (projects/ini_normal_form.h).
  bool ReadsBackAsItStands() const { return reads_back_ && !read_back_pending_; }

 private:
  // Hash and equality of names without regard to ASCII letter case.
  struct FoldedHash {
    std::size_t operator()(std::string_view s) const;
  };
  struct FoldedEqual {
    bool operator()(std::string_view a, std::string_view b) const;
  };
  template <typename T>
  using NameMap = std::unordered_map<std::string_view, T, FoldedHash, FoldedEqual>;

  struct Entry {
    std::string_view name;
    std::string_view value;
    bool has_value = false;
    bool live = true;
  };
  struct Section {
    std::string_view name;
    std::vector<Entry> entries;
    bool live = true;
    // Open-addressing table of the first live entry of each key name
    // (position + 1, 0 = empty slot); built on the first lookup in the section,
    // kept up to date when keys are appended, dropped when a key is deleted.
    mutable std::vector<std::uint32_t> key_slots;
  };

  // Reads and writes trim the names asked for; deletes take them as given.
  enum class Match { kTrimmed, kExact };
  const Section* FindSection(std::string_view name, Match match) const;
  Section* FindSection(std::string_view name, Match match);
  static const Entry* FindEntry(const Section& section, std::string_view key);
  static std::optional<std::uint32_t> FindEntryPosition(const Section& section, std::string_view key, Match match);
  // Enters an entry in the section's table unless a live entry of its name is
  // there already; grows the table when it is half full.
  static void IndexEntry(const Section& section, std::uint32_t position);
  static void BuildKeyTable(const Section& section);
  Section& AppendSection(std::string_view name);
  // Copies text into the document's storage; the view stays valid as long as
  // the document (old copies are kept until the document is read again).
  std::string_view Keep(std::string_view text);

  // After a change: when the text would not read back as it stands, the next
  // call works on the document read again from its own text, as the
  // platform's next call reads the file it wrote.
  void NoteChange(bool result_reads_back);
  template <typename Apply>
  bool Change(Apply apply);
  bool ApplyWrite(std::string_view section, std::string_view key, std::string_view value);
  bool ApplyDeleteSection(std::string_view section);
  bool ApplyDeleteKey(std::string_view section, std::string_view key);

  void ParseKept(std::string_view text);

  // Blocks of text that names and values point into, and texts parsed in
  // place.
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::vector<std::unique_ptr<std::string>> texts_;
  char* free_ = nullptr;
  std::size_t free_size_ = 0;

  bool utf8_bom_ = false;
  // False when the text held something that reads differently once written
  // in the normal form (a NUL byte, a second unnamed section).
  bool reads_back_ = true;
  bool read_back_pending_ = false;
  // What reads see while a read back is pending.
  mutable std::shared_ptr<const IniDocument> read_back_;
  std::vector<Section> sections_;
  // Section name -> positions of its live sections, in file order.
  NameMap<std::vector<std::uint32_t>> section_index_;
  // Position of the section the last lookup found.
  mutable std::size_t last_found_ = static_cast<std::size_t>(-1);
};

// The text of the first section named `section` (compared as lookups compare
// names) in an INI text: from the start of its header line up to the start of
// the next header line, or to the end of the text. Nothing when no section
// has that name; for an empty name, the unnamed first section (the text
// before the first header). IniDocument::Parse of that text reads every key
// of the section exactly as IniDocument::Parse of the whole text does, and
// the scan stops at the end of the section. Given only the start of a text,
// cut after a line break, a result that ends before the end of that start is
// the one the whole text gives.
std::optional<std::string_view> FirstSectionText(std::string_view text, std::string_view section);
