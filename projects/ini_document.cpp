#include "projects/ini_document.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool IsIniSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A';
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsIniSpace(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsIniSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

// Names and values are C strings to the platform: a NUL ends them.
std::string_view CutAtNul(std::string_view s) {
  const std::size_t nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr std::size_t kBlockSize = 1 << 20;

bool EndsWithSpace(std::string_view s) { return !s.empty() && IsIniSpace(s.back()); }

bool HasLineBreak(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return IsLineBreak(c); });
}

// Whether a key created with this name reads back under the same name.
bool KeyNameReadsBack(std::string_view name) {
  if (name.empty() || EndsWithSpace(name) || HasLineBreak(name)) return false;
  if (name.find('=') != std::string_view::npos) return false;
  return !(name.front() == '[' && name.find(']') != std::string_view::npos);
}

bool ValueReadsBack(std::string_view value) { return !EndsWithSpace(value) && !HasLineBreak(value); }

}  // namespace

bool ValueReadsBackUnchanged(std::string_view value) {
  if (value.empty()) return true;
  if (IsIniSpace(value.front()) || IsIniSpace(value.back())) return false;
  if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  return !quoted;
}

std::size_t IniDocument::FoldedHash::operator()(std::string_view s) const {
  std::size_t h = 1469598103934665603ull;  // FNV-1a
  for (char c : s) h = (h ^ static_cast<unsigned char>(FoldAscii(c))) * 1099511628211ull;
  return h;
}

bool IniDocument::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

IniDocument::IniDocument() { AppendSection(std::string_view()); }

std::string_view IniDocument::Keep(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > free_size_) {
    const std::size_t size = std::max(kBlockSize, text.size());
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    free_ = blocks_.back().get();
    free_size_ = size;
  }
  std::memcpy(free_, text.data(), text.size());
  const std::string_view kept(free_, text.size());
  free_ += text.size();
  free_size_ -= text.size();
  return kept;
}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    doc.utf8_bom_ = true;
    text.remove_prefix(kUtf8Bom.size());
  }
  if (text.find('\0') != std::string_view::npos) doc.reads_back_ = false;
  text = doc.Keep(text);

  Section* section = &doc.sections_.front();
  const Entry* previous = nullptr;  // the last key kept in the current section
  const char* pos = text.data();
  const char* const stop = text.data() + text.size();
  // The first CR and the first LF at or after pos, each searched again only
  // once passed.
  const auto next = [stop](const char* from, char c) {
    if (from == stop) return stop;
    const void* found = std::memchr(from, c, static_cast<std::size_t>(stop - from));
    return found != nullptr ? static_cast<const char*>(found) : stop;
  };
  const char* next_cr = next(pos, '\r');
  const char* next_lf = next(pos, '\n');
  while (pos < stop) {
    const char* end = std::min(next_cr, next_lf);
    const std::string_view line = Trim(std::string_view(pos, static_cast<std::size_t>(end - pos)));
    pos = end;
    while (pos < stop && IsLineBreak(*pos)) ++pos;
    if (next_cr < pos) next_cr = next(pos, '\r');
    if (next_lf < pos) next_lf = next(pos, '\n');
    if (line.empty()) continue;

    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        const std::string_view name = CutAtNul(Trim(line.substr(1, close - 1)));
        if (name.empty()) doc.reads_back_ = false;  // written without a header
        section = &doc.AppendSection(name);
        previous = nullptr;
        continue;
      }
    }

    Entry entry;
    const std::size_t equals = line.find('=');
    const std::string_view name = equals == std::string_view::npos ? line : TrimRight(line.substr(0, equals));
    if (name.empty() && previous != nullptr && previous->name.empty()) continue;
    entry.name = CutAtNul(name);
    if (equals != std::string_view::npos) {
      entry.value = CutAtNul(TrimLeft(line.substr(equals + 1)));
      entry.has_value = true;
    }
    section->entries.push_back(entry);
    previous = &section->entries.back();
  }
  return doc;
}

IniDocument::Section& IniDocument::AppendSection(std::string_view name) {
  const auto position = static_cast<std::uint32_t>(sections_.size());
  section_index_[name].push_back(position);
  sections_.push_back(Section{name, {}, true, {}});
  return sections_.back();
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name, Match match) const {
  name = CutAtNul(name);
  const auto it = section_index_.find(match == Match::kTrimmed ? Trim(name) : name);
  if (it == section_index_.end() || it->second.empty()) return nullptr;
  return &sections_[it->second.front()];
}

IniDocument::Section* IniDocument::FindSection(std::string_view name, Match match) {
  return const_cast<Section*>(static_cast<const IniDocument*>(this)->FindSection(name, match));
}

void IniDocument::BuildKeyTable(const Section& section) {
  std::size_t size = 16;
  while (size < section.entries.size() * 2 + 2) size *= 2;
  section.key_slots.assign(size, 0);
  for (std::uint32_t i = 0; i < section.entries.size(); ++i) {
    if (section.entries[i].live) IndexEntry(section, i);
  }
}

void IniDocument::IndexEntry(const Section& section, std::uint32_t position) {
  std::vector<std::uint32_t>& slots = section.key_slots;
  if (slots.empty()) return;  // no table yet: built on the first lookup
  if ((position + 1) * 2 > slots.size()) {
    BuildKeyTable(section);
    return;
  }
  const std::string_view name = section.entries[position].name;
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = FoldedHash()(name) & mask;; i = (i + 1) & mask) {
    if (slots[i] == 0) {
      slots[i] = position + 1;
      return;
    }
    if (FoldedEqual()(section.entries[slots[i] - 1].name, name)) return;  // the first one stays
  }
}

std::optional<std::uint32_t> IniDocument::FindEntryPosition(const Section& section, std::string_view key,
                                                            Match match) {
  if (section.key_slots.empty()) BuildKeyTable(section);
  key = CutAtNul(key);
  if (match == Match::kTrimmed) key = Trim(key);
  const std::vector<std::uint32_t>& slots = section.key_slots;
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = FoldedHash()(key) & mask; slots[i] != 0; i = (i + 1) & mask) {
    if (FoldedEqual()(section.entries[slots[i] - 1].name, key)) return slots[i] - 1;
  }
  return std::nullopt;
}

const IniDocument::Entry* IniDocument::FindEntry(const Section& section, std::string_view key) {
  const auto position = FindEntryPosition(section, key, Match::kTrimmed);
  return position ? &section.entries[*position] : nullptr;
}

std::optional<std::string_view> IniDocument::Value(std::string_view section, std::string_view key) const {
  if (read_back_pending_) {
    // Rare: only after a write of text that does not read back as it stands.
    if (!read_back_) read_back_ = std::make_shared<const IniDocument>(Parse(Serialize()));
    return read_back_->Value(section, key);
  }
  const Section* s = FindSection(section, Match::kTrimmed);
  if (s == nullptr) return std::nullopt;
  const Entry* e = FindEntry(*s, key);
  if (e == nullptr || !e->has_value) return std::nullopt;
  return std::string_view(e->value);
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key, std::size_t buffer_size) const {
  const auto stored = Value(section, key);
  if (!stored || buffer_size == 0) return std::string();
  std::string_view value = *stored;
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  if (!quoted) return std::string(value.substr(0, buffer_size - 1));
  // The platform copies the text after the opening quote, cut to the buffer,
  // and drops its last character only when the closing quote fitted.
  value.remove_prefix(1);
  std::string out(value.substr(0, buffer_size - 1));
  if (buffer_size >= value.size() && !out.empty()) out.pop_back();
  return out;
}

bool IniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  return Change([&](IniDocument& doc) { return doc.ApplyWrite(section, key, value); });
}

bool IniDocument::DeleteSection(std::string_view section) {
  return Change([&](IniDocument& doc) { return doc.ApplyDeleteSection(section); });
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view key) {
  return Change([&](IniDocument& doc) { return doc.ApplyDeleteKey(section, key); });
}

template <typename Apply>
bool IniDocument::Change(Apply apply) {
  if (!read_back_pending_) return apply(*this);
  // The platform reads its file again before every call, but writes it only
  // when the call changed something.
  IniDocument fresh = Parse(Serialize());
  if (!apply(fresh)) return false;
  *this = std::move(fresh);
  return true;
}

bool IniDocument::ApplyWrite(std::string_view section_name, std::string_view key, std::string_view value) {
  section_name = CutAtNul(section_name);
  key = CutAtNul(key);
  value = TrimLeft(CutAtNul(value));
  bool reads_back = ValueReadsBack(value);

  Section* section = FindSection(section_name, Match::kTrimmed);
  if (section == nullptr) {
    const std::string_view name = TrimLeft(section_name);
    // An unnamed section is written without a header and would join the one before it.
    if (name.empty() || EndsWithSpace(name) || HasLineBreak(name)) reads_back = false;
    section = &AppendSection(Keep(name));
  }
  if (const auto position = FindEntryPosition(*section, key, Match::kTrimmed)) {
    Entry& entry = section->entries[*position];
    if (entry.has_value && entry.value == value) return false;
    entry.value = Keep(value);
    entry.has_value = true;
  } else {
    const std::string_view name = TrimLeft(key);
    if (!KeyNameReadsBack(name)) reads_back = false;
    section->entries.push_back(Entry{Keep(name), Keep(value), true, true});
    IndexEntry(*section, static_cast<std::uint32_t>(section->entries.size() - 1));
  }
  NoteChange(reads_back);
  return true;
}

bool IniDocument::ApplyDeleteSection(std::string_view name) {
  const auto it = section_index_.find(CutAtNul(name));  // not trimmed
  if (it == section_index_.end() || it->second.empty()) return false;
  const std::uint32_t position = it->second.front();
  Section& section = sections_[position];
  it->second.erase(it->second.begin());
  section.live = false;
  section.entries = {};
  section.key_slots = {};
  // Without its unnamed first section the file reads back with a new one.
  NoteChange(position != 0);
  return true;
}

bool IniDocument::ApplyDeleteKey(std::string_view section_name, std::string_view key) {
  Section* section = FindSection(section_name, Match::kExact);
  if (section == nullptr) return false;
  const auto position = FindEntryPosition(*section, key, Match::kExact);
  if (!position) return false;
  Entry& entry = section->entries[*position];
  entry.live = false;
  section->key_slots.clear();  // built again on the next lookup
  // Two keys with empty names may now stand next to each other, and the
  // second would not read back.
  bool reads_back = !entry.name.empty();
  for (const Entry& e : section->entries) {
    if (e.live && e.name.empty()) reads_back = false;
  }
  NoteChange(reads_back);
  return true;
}

void IniDocument::NoteChange(bool result_reads_back) {
  if (!result_reads_back || !reads_back_) read_back_pending_ = true;
}


std::string IniDocument::Serialize() const {
  std::size_t size = utf8_bom_ ? kUtf8Bom.size() : 0;
  for (const Section& s : sections_) {
    if (!s.live) continue;
    if (!s.name.empty()) size += s.name.size() + 4;
    for (const Entry& e : s.entries) {
      if (e.live) size += e.name.size() + (e.has_value ? e.value.size() + 1 : 0) + 2;
    }
  }
  std::string text;
  text.reserve(size);
  if (utf8_bom_) text += kUtf8Bom;
  for (const Section& s : sections_) {
    if (!s.live) continue;
    if (!s.name.empty()) {
      text += '[';
      text += s.name;
      text += ']';
      text += kLineEnd;
    }
    for (const Entry& e : s.entries) {
      if (!e.live) continue;
      text += e.name;
      if (e.has_value) {
        text += '=';
        text += e.value;
      }
      text += kLineEnd;
    }
  }
  return text;
}
