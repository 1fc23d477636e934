// The INI engine against the platform's profile functions: generated and
// damaged files, read with GetPrivateProfileStringA and edited with
// WritePrivateProfileStringA on the file itself, must give the same values and
// the same bytes as the engine.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "projects/ini_document.h"
#include "tests/support/test_support.h"

namespace {

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool OneIn(int n) { return Below(n) == 0; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
  }

  std::string Space() {
    static const std::vector<std::string> spaces = {"", "", "", " ", "  ", "\t", " \t", "\x1a", "\v", "\f"};
    return Pick(spaces);
  }
  std::string LineEnd() {
    static const std::vector<std::string> ends = {"\r\n", "\r\n", "\r\n", "\n", "\r", "\r\n\r\n", "\n\n\r"};
    return Pick(ends);
  }
  // Names in odd letter case, with inner blanks, quotes, "=", "?" and bytes
  // of the upper half.
  std::string Name() {
    static const std::vector<std::string> names = {
        "Alpha", "alpha",       "ALPHA",        "Beta Gamma",   "beta  gamma",  "x=y",     "a?b", "\"q\"", "'s'", "0",
        "1",     "PROJECT_NUM", "OpenNum",      "\xC9t\xE9",    "\xE9T\xC9",    "[",       "a]b", ";note", "#c",  "",
        "k k",   "Q\"",         "PROJECT_NAME", "project_name", "\" Alpha\t\"", "' alpha'"};
    return Pick(names);
  }
  std::string Value() {
    static const std::vector<std::string> values = {
        "", "1", "-1", "/D/Docs/Guide.pdf?ALLSTATE=00ff&PAGE=4", "/D/a b.pdf?", "\"quoted\"", "'single'", "\"open",
        "\"\"", "a=b=c", "x?y?z", " lead", "mid  dle", "\xE9\x81\xFF", "'mixed\"", std::string(300, 'v'), "\"", "'"};
    return Pick(values);
  }

  // A file as people and other programs leave it: comments, blank lines,
  // stray whitespace, duplicate and unclosed headers, keys without "=".
  std::string DamagedFile() {
    std::string text;
    const int lines = Below(40);
    for (int i = 0; i < lines; ++i) {
      switch (Below(14)) {
        case 0:
        case 1: text += Space() + "[" + Space() + Name() + Space() + "]" + (OneIn(5) ? "tail" : "") + Space(); break;
        case 2: text += Space() + (OneIn(2) ? ";" : "#") + " comment " + Name(); break;
        case 3: text += Space(); break;
        case 4: text += Name() + Space(); break;
        case 5: text += OneIn(2) ? "[" + Name() : "[]"; break;
        case 6: text += Space() + "=" + Space() + Value(); break;
        case 7:  // a NUL byte somewhere in a key line
          text += Space() + Name() + Space() + std::string(1, '\0') + Space() + (OneIn(2) ? "=" : "") + Name() +
                  Space() + "=" + Value() + Space();
          break;
        default: text += Space() + Name() + Space() + "=" + Space() + Value() + Space(); break;
      }
      if (i + 1 < lines || !OneIn(3)) text += LineEnd();
    }
    return text;
  }

 private:
  std::mt19937 rng_;
};

std::string PlatformRead(const std::string& path, const std::string& section, const std::string& key,
                         std::size_t size) {
  std::vector<char> buffer(size + 1, '#');
  const DWORD n =
      GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), static_cast<DWORD>(size), path.c_str());
  return std::string(buffer.data(), n);
}

constexpr int kCases = 300;

}  // namespace

// For each seed, a damaged file read with generated names and buffer sizes,
// and a damaged (or empty) file edited with generated calls.
TEST(IniDifferential, EveryValueReadsAndEveryEditWritesAsThePlatformDoes) {
  const support::TempFolder folder;
  const std::string file = folder.Path("differential.ini");
  for (unsigned seed = 1; seed <= kCases; ++seed) {
    Generator gen(seed);
    std::string text = gen.DamagedFile();
    support::WriteFile(file, text);
    const IniDocument read = IniDocument::Parse(text);
    for (int i = 0; i < 40; ++i) {
      const std::string section = gen.Space() + gen.Name() + gen.Space();
      const std::string key = gen.Space() + gen.Name() + gen.Space();
      static const std::vector<std::size_t> sizes = {1, 2, 3, 5, 8, 10, 256, 1024};
      const std::size_t size = gen.Pick(sizes);
      ASSERT_EQ(read.ReadString(section, key, size), PlatformRead(file, section, key, size))
          << "seed " << seed << " [" << testing::PrintToString(section) << "] " << testing::PrintToString(key)
          << " size " << size << "\nfile: " << testing::PrintToString(text);
    }

    Generator edits(seed * 7919);
    text = edits.OneIn(5) ? std::string() : edits.DamagedFile();
    support::WriteFile(file, text);
    IniDocument doc = IniDocument::Parse(text);
    std::string calls;
    bool changed = false;
    const int count = 1 + edits.Below(12);
    for (int i = 0; i < count; ++i) {
      const std::string section = edits.Space() + edits.Name() + (edits.OneIn(4) ? edits.Space() : "");
      const std::string key = edits.Space() + edits.Name() + (edits.OneIn(4) ? edits.Space() : "");
      // One call in ten deletes the section, one the key; the others write.
      const int kind = edits.Below(10);
      const std::string value = kind < 2 ? "" : edits.Space() + edits.Value() + (edits.OneIn(4) ? edits.Space() : "");
      const char* const keyGiven = kind == 0 ? nullptr : key.c_str();
      const char* const valueGiven = kind < 2 ? nullptr : value.c_str();
      calls += (kind < 2 ? "delete [" : "write [") + section + "]" + (keyGiven ? " " + key : "") +
               (valueGiven ? "=" + value : "") + "; ";
      changed |= kind == 0   ? doc.DeleteSection(section)
                 : kind == 1 ? doc.DeleteKey(section, key)
                             : doc.WriteString(section, key, value);
      WritePrivateProfileStringA(section.c_str(), keyGiven, valueGiven, file.c_str());
    }
    // The platform leaves a file that no call changed as it was.
    const std::string platform = support::ReadFile(file);
    const std::string engine = changed ? doc.Serialize() : text;
    ASSERT_EQ(engine, platform) << "seed " << seed << "\nfile: " << testing::PrintToString(text)
                                << "\ncalls: " << testing::PrintToString(calls);
  }
}
