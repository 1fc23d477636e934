#include "projects/ini_document.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "projects/ini_normal_form.h"
#include "projects/ini_text_rules.h"

namespace {

using ini_text::IsIniSpace;
using ini_text::IsLineBreak;
using ini_text::kUtf8Bom;
using ini_text::Trim;
using ini_text::TrimLeft;
using ini_text::TrimRight;

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

bool EndsWithSpace(std::string_view s) { return !s.empty() && IsIniSpace(s.back()); }

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;

// Whether any of the eight bytes of a word is zero.
bool HasZeroByte(std::uint64_t word) { return ((word - kOnes) & ~word & kHighs) != 0; }

std::uint64_t Word(const char* at) {
  std::uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// The first c in [from, to), or to. Eight bytes at a time: the C library's
// memchr of the Windows build scans byte by byte.
const char* FindByte(const char* from, const char* to, char c) {
  const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
  while (to - from >= 8 && !HasZeroByte(Word(from) ^ pattern)) from += 8;
  while (from < to && *from != c) ++from;
  return from;
}

// Names and values are C strings to the platform: a NUL ends them.
std::string_view CutAtNul(std::string_view s) {
  return std::string_view(s.data(), static_cast<std::size_t>(FindByte(s.data(), s.data() + s.size(), '\0') - s.data()));
}

bool IsLineEndOrNul(char c) { return c == '\r' || c == '\n' || c == '\0'; }

// The first CR, LF or NUL in [from, to), or to: one pass finds both where a
// line ends and whether it holds a NUL byte. Sixteen bytes at a time where
// the processor has SSE2, else eight.
const char* FindLineEndOrNul(const char* from, const char* to) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  while (to - from >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)), _mm_cmpeq_epi8(bytes, nul));
    const int mask = _mm_movemask_epi8(hits);
    if (mask != 0) return from + std::countr_zero(static_cast<unsigned>(mask));
    from += 16;
  }
#else
  constexpr std::uint64_t kCrs = kOnes * '\r';
  constexpr std::uint64_t kLfs = kOnes * '\n';
  while (to - from >= 8) {
    const std::uint64_t word = Word(from);
    if (HasZeroByte(word ^ kCrs) || HasZeroByte(word ^ kLfs) || HasZeroByte(word)) break;
    from += 8;
  }
#endif
  while (from < to && !IsLineEndOrNul(*from)) ++from;
  return from;
}

bool Holds(std::string_view s, char c) { return FindByte(s.data(), s.data() + s.size(), c) != s.data() + s.size(); }

bool HasLineBreak(std::string_view s) { return Holds(s, '\r') || Holds(s, '\n'); }

bool HasLineEndOrNul(std::string_view s) {
  return FindLineEndOrNul(s.data(), s.data() + s.size()) != s.data() + s.size();
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
  if (HasLineEndOrNul(value)) return false;
  const bool quoted =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  return !quoted;
}

std::size_t IniDocument::FoldedHash::operator()(std::string_view s) const {
  std::uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (char c : s) h = (h ^ static_cast<unsigned char>(FoldAscii(c))) * 1099511628211ull;
  return static_cast<std::size_t>(h ^ (h >> 32));
}

bool IniDocument::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
  return EqualIgnoringAsciiCase(a, b);
}

IniDocument::IniDocument() { AppendSection(std::string_view()); }

std::string_view IniDocument::Keep(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > free_size_) {
    // Blocks grow from small to kBlockSize, so a small document stays small.
    const std::size_t grown = std::size_t{4096} << std::min<std::size_t>(blocks_.size(), 8);
    const std::size_t size = std::max(std::min(kBlockSize, grown), text.size());
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
  doc.ParseKept(doc.Keep(text));
  return doc;
}

IniDocument IniDocument::ParseInPlace(std::string_view text) {
  IniDocument doc;
  doc.ParseKept(text);
  return doc;
}

IniDocument IniDocument::ParseOwned(std::string&& text) {
  IniDocument doc;
  doc.texts_.push_back(std::make_unique<std::string>(std::move(text)));
  doc.ParseKept(*doc.texts_.back());
  return doc;
}

void IniDocument::ParseKept(std::string_view text) {
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    utf8_bom_ = true;
    text.remove_prefix(kUtf8Bom.size());
  }
  Section* section = &sections_.front();
  const Entry* previous = nullptr;  // the last key kept in the current section
  const char* pos = text.data();
  const char* const stop = text.data() + text.size();
  while (pos < stop) {
    // The line runs to the next CR or LF; a NUL byte on the way is noted.
    bool holds_nul = false;
    const char* end = FindLineEndOrNul(pos, stop);
    while (end < stop && *end == '\0') {
      holds_nul = true;
      end = FindLineEndOrNul(end + 1, stop);
    }
    const std::string_view line = Trim(std::string_view(pos, static_cast<std::size_t>(end - pos)));
    pos = end;
    while (pos < stop && IsLineBreak(*pos)) ++pos;
    if (line.empty()) continue;
    if (holds_nul) reads_back_ = false;  // the text after the NUL is lost once written
    // Names and values are cut at a NUL; without one there is nothing to cut.
    const auto cut = [holds_nul](std::string_view s) { return holds_nul ? CutAtNul(s) : s; };

    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        const std::string_view name = cut(Trim(line.substr(1, close - 1)));
        if (name.empty()) reads_back_ = false;  // written without a header
        section = &AppendSection(name);
        previous = nullptr;
        continue;
      }
    }

    const char* const equals_at = FindByte(line.data(), line.data() + line.size(), '=');
    const bool has_value = equals_at != line.data() + line.size();
    const std::size_t equals = static_cast<std::size_t>(equals_at - line.data());
    const std::string_view name = has_value ? TrimRight(line.substr(0, equals)) : line;
    if (name.empty() && previous != nullptr && previous->name.empty()) continue;
    Entry entry;
    entry.name = cut(name);
    if (has_value) {
      entry.value = cut(TrimLeft(line.substr(equals + 1)));
      entry.has_value = true;
    }
    section->entries.push_back(entry);
    previous = &section->entries.back();
  }
}

IniDocument::Section& IniDocument::AppendSection(std::string_view name) {
  const auto position = static_cast<std::uint32_t>(sections_.size());
  section_index_[name].push_back(position);
  sections_.push_back(Section{name, {}, true, {}});
  return sections_.back();
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name, Match match) const {
  name = CutAtNul(name);
  if (match == Match::kTrimmed) name = Trim(name);
  // Writes come section by section: the last section found is likely asked
  // for again, under the very same name. It stays the first of its name while
  // it lives, since new sections only ever go after it.
  if (last_found_ < sections_.size() && sections_[last_found_].live && sections_[last_found_].name == name) {
    return &sections_[last_found_];
  }
  const auto it = section_index_.find(name);
  if (it == section_index_.end() || it->second.empty()) return nullptr;
  last_found_ = it->second.front();
  return &sections_[last_found_];
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

std::optional<std::uint32_t> IniDocument::FindEntryPosition(const Section& section, std::string_view key, Match match) {
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
  return std::string(ReadView(section, key, buffer_size));
}

std::string_view IniDocument::ReadView(std::string_view section, std::string_view key, std::size_t buffer_size) const {
  const auto stored = Value(section, key);
  return stored ? IniValueAsRead(*stored, buffer_size) : std::string_view();
}

std::string_view IniValueAsRead(std::string_view value, std::size_t buffer_size) {
  if (buffer_size == 0) return {};
  const bool quoted =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  if (!quoted) return value.substr(0, buffer_size - 1);
  // The platform copies the text after the opening quote, cut to the buffer,
  // and drops its last character only when the closing quote fitted.
  value.remove_prefix(1);
  std::string_view out = value.substr(0, buffer_size - 1);
  if (buffer_size >= value.size() && !out.empty()) out.remove_suffix(1);
  return out;
}

std::vector<std::uint32_t> IniDocument::NumberedKeys(std::string_view section, std::uint64_t limit) const {
  if (read_back_pending_) {
    if (!read_back_) read_back_ = std::make_shared<const IniDocument>(Parse(Serialize()));
    return read_back_->NumberedKeys(section, limit);
  }
  std::vector<std::uint32_t> numbers;
  const Section* s = FindSection(section, Match::kTrimmed);
  if (s == nullptr) return numbers;
  for (const Entry& e : s->entries) {
    const std::string_view name = e.name;
    if (!e.live || name.empty() || name.size() > 10 || (name.size() > 1 && name.front() == '0')) continue;
    std::uint64_t number = 0;
    bool digits = true;
    for (const char c : name) {
      digits = digits && c >= '0' && c <= '9';
      number = number * 10 + static_cast<unsigned char>(c - '0');
    }
    if (digits && number < limit && number <= UINT32_MAX) numbers.push_back(static_cast<std::uint32_t>(number));
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
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
    if (!s.name.empty()) size += IniHeaderSize(s.name);
    for (const Entry& e : s.entries) {
      if (e.live) size += e.has_value ? IniKeySize(e.name, e.value) : e.name.size() + kIniLineEnd.size();
    }
  }
  std::string text;
  text.reserve(size);
  if (utf8_bom_) text += kUtf8Bom;
  for (const Section& s : sections_) {
    if (!s.live) continue;
    // The unnamed first section has no header.
    if (!s.name.empty()) AppendIniHeader(text, s.name);
    for (const Entry& e : s.entries) {
      if (!e.live) continue;
      if (e.has_value) {
        AppendIniKey(text, e.name, e.value);
      } else {
        AppendIniKeyWithoutValue(text, e.name);
      }
    }
  }
  return text;
}
