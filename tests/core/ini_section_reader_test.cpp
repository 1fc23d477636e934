// FirstSectionText against the INI engine reading the whole text: for
// generated damaged texts, the section's text read alone gives every value the
// whole text gives, and a start of the text gives the same section once the
// section ends inside it.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "projects/ini_document.h"

namespace {

const std::vector<std::string> kSectionNames = {
    "CURRENT OPENED FILES", "current opened files", " Current Opened Files ", "PROJECT_NAME", "Other", "",
    "CURRENT OPENED FILES]"};
const std::vector<std::string> kKeys = {"OpenNum", "openNUM", "0", "1", "2", "ActiveArticleIndex", "", ";c", "x"};

// Lines of damaged project files: headers of the names above in other forms
// (blanks, text after "]", no "]", a NUL), keys of other case, quotes, lines
// without "=", empty keys.
std::string RandomText(std::mt19937& random) {
  const std::vector<std::string> lines = {
      "[CURRENT OPENED FILES]",
      " [ current opened files ]\t",
      "[CURRENT OPENED FILES]x]tail",
      "[CURRENT OPENED FILES",
      "[Current Opened Files]]",
      std::string("[CURRENT OPENED FILES\0x]", 24),
      "[PROJECT_NAME]",
      "[Other]",
      "[]",
      "\t[ ]",
      "OpenNum=3",
      "openNUM = 7 ",
      "0=/C/a.pdf?PAGE=1",
      "0=\"/C/quoted.pdf?\"",
      "1='single'",
      "1 = \"open",
      "2",
      "=empty",
      "=second",
      ";c=1",
      "ActiveArticleIndex=1",
      "x=" + std::string(40, 'v'),
      "  ",
      "[",
      "ActiveArticleIndex = '2'",
      std::string("x=a\0b", 5),
  };
  const std::vector<std::string> ends = {"\r\n", "\r\n", "\n", "\r", "\r\n\r\n"};
  std::string text = random() % 8 == 0 ? "\xEF\xBB\xBF" : "";
  const int count = static_cast<int>(random() % 30);
  for (int i = 0; i < count; ++i) {
    text += lines[random() % lines.size()];
    if (i + 1 < count || random() % 3 != 0) text += ends[random() % ends.size()];
  }
  return text;
}

}  // namespace

TEST(FirstSectionText, ReadsEveryKeyAsTheWholeTextDoes) {
  for (unsigned seed = 1; seed <= 2000; ++seed) {
    std::mt19937 random(seed);
    const std::string text = RandomText(random);
    const IniDocument whole = IniDocument::Parse(text);
    for (const std::string& name : kSectionNames) {
      const auto part = FirstSectionText(text, name);
      const IniDocument alone = part ? IniDocument::Parse(*part) : IniDocument();
      for (const std::string& key : kKeys) {
        for (const std::size_t size : {std::size_t{3}, std::size_t{10}, std::size_t{1024}}) {
          ASSERT_EQ(alone.ReadString(name, key, size), whole.ReadString(name, key, size))
              << "seed " << seed << " [" << name << "] " << key << " size " << size;
        }
      }
    }
  }
}

TEST(FirstSectionText, AStartOfTheTextGivesTheSameSectionOnceItEndsThere) {
  for (unsigned seed = 1; seed <= 500; ++seed) {
    std::mt19937 random(seed);
    const std::string text = RandomText(random);
    for (const std::string& name : kSectionNames) {
      const auto whole = FirstSectionText(text, name);
      for (std::size_t cut = 0; cut < text.size(); ++cut) {
        if (text[cut] != '\r' && text[cut] != '\n') continue;
        const std::string_view start = std::string_view(text).substr(0, cut + 1);
        const auto part = FirstSectionText(start, name);
        if (!part || part->data() + part->size() == start.data() + start.size()) continue;
        ASSERT_TRUE(whole) << "seed " << seed << " cut " << cut;
        EXPECT_EQ(part->data(), whole->data()) << "seed " << seed << " cut " << cut;
        EXPECT_EQ(part->size(), whole->size()) << "seed " << seed << " cut " << cut;
      }
    }
  }
}
