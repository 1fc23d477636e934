// The start-up reader of the default section against the platform's profile
// functions: for hand-damaged, generated and large files, every value that
// the restore reads ("OpenNum", "ActiveArticleIndex", "0" to "n") must be what
// GetPrivateProfileStringA gives with the same buffer size.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "projects/ini_section_file.h"
#include "tests/projectfile/scratch_file.h"

namespace {

constexpr char kSection[] = "CURRENT OPENED FILES";
constexpr std::size_t kNumberBufferSize = 10;
constexpr std::size_t kEntryBufferSize = 1024;

std::string PlatformRead(const std::string& path, const std::string& key, std::size_t size) {
  std::vector<char> buffer(size, '#');
  const DWORD n =
      GetPrivateProfileStringA(kSection, key.c_str(), "", buffer.data(), static_cast<DWORD>(size), path.c_str());
  return std::string(buffer.data(), std::min<std::size_t>(n, size - 1));
}

// Every value the restore can ask for, keys "0" to "entries" included.
void ExpectSameValues(const std::string& path, int entries, const std::string& label) {
  const IniDocument section = ReadFirstIniSection(path, kSection);
  for (const char* key : {"OpenNum", "ActiveArticleIndex"}) {
    EXPECT_EQ(section.ReadString(kSection, key, kNumberBufferSize), PlatformRead(path, key, kNumberBufferSize))
        << label << ": " << key;
  }
  for (int i = 0; i <= entries; ++i) {
    const std::string key = std::to_string(i);
    EXPECT_EQ(section.ReadString(kSection, key, kEntryBufferSize), PlatformRead(path, key, kEntryBufferSize))
        << label << ": " << key;
  }
}

void Write(const ScratchFile& file, const std::string& text) {
  file.Write(text);
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.path().c_str());  // no cached copy
}

std::string Entry(int i, std::size_t length) {
  std::string path = "/C/Docs/File " + std::to_string(i) + ".pdf?PAGE=1&ZOOM_TYPE-VALUE=0:65536.000000";
  path.resize(std::max(path.size(), length), 'x');
  return path;
}

// A project section of `entries` entries of about `length` characters.
std::string Project(const std::string& header, int entries, std::size_t length, const char* end = "\r\n") {
  std::string text = header + end + "ActiveArticleIndex=" + std::to_string(entries / 2) + end +
                     "OpenNum=" + std::to_string(entries) + end;
  for (int i = 0; i < entries; ++i) text += std::to_string(i) + "=" + Entry(i, length) + end;
  return text;
}

}  // namespace

TEST(DefaultSectionDifferential, HandDamagedFiles) {
  const std::string big(2000, 'b');
  const std::string nul(1, '\0');
  const struct {
    const char* label;
    std::string text;
  } cases[] = {
      {"plain", Project("[CURRENT OPENED FILES]", 3, 40)},
      {"empty file", ""},
      {"no line end at the end", "[CURRENT OPENED FILES]\r\nOpenNum=1\r\n0=/C/a.pdf?"},
      {"duplicate sections", Project("[CURRENT OPENED FILES]", 1, 30) + Project("[CURRENT OPENED FILES]", 4, 30) +
                                 "[CURRENT OPENED FILES]\r\n5=late\r\n"},
      {"after other sections", "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n0=CURRENT OPENED FILES\r\n1=P\r\n" +
                                   Project("[P]", 3, 50) + Project("[CURRENT OPENED FILES]", 2, 50)},
      {"other case", "[current Opened FILES]\r\nOPENNUM=2\r\nactivearticleindex=1\r\n0=/C/a.pdf?\r\n1=/C/b.pdf?\r\n"},
      {"first key wins", "[CURRENT OPENED FILES]\r\nOpenNum\r\nOpenNum=3\r\n0=first\r\n0=second\r\n1\r\n1=x\r\n"},
      {"quotes",
       "[CURRENT OPENED FILES]\r\nOpenNum=\"3\"\r\nActiveArticleIndex='1'\r\n0=\"/C/q.pdf?\"\r\n"
       "1='/C/s.pdf'\r\n2=\"open\r\n3=\"\"\r\n4='mixed\"\r\n"},
      {"blanks",
       "  \t[ CURRENT OPENED FILES ]  \r\n\r\n\r\n  OpenNum  =  3  \r\n\t0 = /C/a b.pdf? \t\r\n"
       "\x1a 1=\v/C/c.pdf\f\r\n   \r\n2=\r\n= lost\r\n"},
      {"overlong values",
       "[CURRENT OPENED FILES]\r\nOpenNum=1234567890123\r\nActiveArticleIndex=\"123456789\"\r\n"
       "0=" +
           big + "\r\n1=\"" + std::string(1022, 'q') + "\"\r\n2=\"" + std::string(1023, 'q') + "\"\r\n3=\"" +
           std::string(1024, 'q') + "\"\r\n4=" + std::string(1023, 'e') + "\r\n"},
      {"quoted numbers at the cut",
       "[CURRENT OPENED FILES]\r\nOpenNum=\"12345678\"\r\nActiveArticleIndex='1234567'\r\n"},
      {"CR line ends", Project("[X]", 2, 20, "\r") + Project("[CURRENT OPENED FILES]", 3, 20, "\r")},
      {"LF line ends", Project("[CURRENT OPENED FILES]", 3, 20, "\n") + "[Y]\n0=other\n"},
      {"text after the header", "[CURRENT OPENED FILES] written by hand\r\nOpenNum=2\r\n0=/C/a.pdf?\r\n[Z]\r\n1=z\r\n"},
      {"header naming another section",
       "[CURRENT OPENED FILES]]\r\nOpenNum=9\r\n" + Project("[CURRENT OPENED FILES]x", 2, 20)},
      {"unclosed header", "[CURRENT OPENED FILES\r\nOpenNum=2\r\n0=/C/a.pdf?\r\n"},
      {"section absent", Project("[PROJECT_NAME]", 2, 10) + Project("[CURRENT FILES]", 2, 10)},
      {"keys before any header", "OpenNum=2\r\n0=/C/a.pdf?\r\n[CURRENT OPENED FILES]\r\n1=/C/b.pdf?\r\n"},
      {"empty headers", "[]\r\nOpenNum=1\r\n[ ]\r\n" + Project("[CURRENT OPENED FILES]", 1, 10)},
      {"UTF-8 mark", "\xEF\xBB\xBF" + Project("[CURRENT OPENED FILES]", 2, 30)},
      {"NUL in the header", "[CURRENT OPENED FILES" + nul + "junk]\r\nOpenNum=1\r\n0=/C/n.pdf?\r\n"},
      {"NUL in a value", "[CURRENT OPENED FILES]\r\nOpenNum=2\r\n0=/C/a" + nul + "b.pdf\r\n1=ok\r\n"},
  };
  const ScratchFile file;
  for (const auto& c : cases) {
    Write(file, c.text);
    ExpectSameValues(file.path(), 6, c.label);
  }
}

// Files made of sections in random order, some of them the default section
// in other case or with other blanks, with lines of every ending.
TEST(DefaultSectionDifferential, GeneratedFiles) {
  const std::vector<std::string> headers = {"[CURRENT OPENED FILES]",
                                            "[current opened files]",
                                            " [ CURRENT OPENED FILES ]",
                                            "[CURRENT OPENED FILES]tail",
                                            "[PROJECT_NAME]",
                                            "[Other]",
                                            "[]",
                                            "[CURRENT"};
  const std::vector<std::string> ends = {"\r\n", "\n", "\r", "\r\n\r\n"};
  const ScratchFile file;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    std::mt19937 random(seed);
    std::string text;
    const int sections = static_cast<int>(random() % 6);
    for (int s = 0; s < sections; ++s) {
      const std::string& header = headers[random() % headers.size()];
      const int entries = static_cast<int>(random() % 12);
      text += Project(header, entries, random() % 1200, ends[random() % ends.size()].c_str());
      if (random() % 3 == 0)
        text += "0=\"quoted " + std::to_string(seed) + "\"\r\nOPENNUM=" + std::to_string(s) + "\r\n";
    }
    Write(file, text);
    ExpectSameValues(file.path(), 12, "seed " + std::to_string(seed));
  }
}

// Sections longer than a first read, and far into the file, some not ended
// before the end of the file.
TEST(DefaultSectionDifferential, LargeFiles) {
  const struct {
    const char* label;
    int projectsBefore;
    int entries;
    bool projectsAfter;
  } cases[] = {
      {"default section first, 256 long entries", 0, 256, true},
      {"default section after 40 projects", 40, 256, true},
      {"default section last", 20, 300, false},
      {"default section twice, far apart", 30, 8, true},
  };
  const ScratchFile file;
  for (const auto& c : cases) {
    std::string text;
    for (int p = 0; p < c.projectsBefore; ++p) text += Project("[Project " + std::to_string(p) + "]", 64, 200);
    text += Project("[CURRENT OPENED FILES]", c.entries, 700);
    if (c.projectsAfter) {
      for (int p = 0; p < 20; ++p) text += Project("[Later " + std::to_string(p) + "]", 64, 200);
      text += Project("[CURRENT OPENED FILES]", 300, 100);
    }
    Write(file, text);
    ExpectSameValues(file.path(), 300, c.label);
  }
}

TEST(DefaultSectionDifferential, AnAbsentOrLockedFileReadsAsNothing) {
  const ScratchFile file;
  Write(file, Project("[CURRENT OPENED FILES]", 2, 20));
  {
    HANDLE lock = CreateFileA(file.path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadFirstIniSection(file.path(), kSection).ReadString(kSection, "OpenNum", kNumberBufferSize), "");
    ExpectSameValues(file.path(), 2, "locked");
    CloseHandle(lock);
  }
  ExpectSameValues(file.path(), 2, "unlocked again");
  DeleteFileA(file.path().c_str());
  EXPECT_EQ(ReadFirstIniSection(file.path(), kSection).ReadString(kSection, "OpenNum", kNumberBufferSize), "");
  ExpectSameValues(file.path(), 2, "absent");
}
