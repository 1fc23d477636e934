// What start-up restore takes from the project file against the platform's
// profile functions: for hand-damaged and large files, the
// entries and the active index ReadStartupProject gives are what
// GetPrivateProfileStringA gives key by key, each value as much as the
// loader keeps of it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "projects/ascii_text.h"
#include "projects/project_file.h"
#include "projects/project_file_format.h"
#include "tests/support/test_support.h"

namespace {

constexpr char kSection[] = "CURRENT OPENED FILES";

std::string PlatformRead(const std::string& path, const std::string& key, std::size_t size) {
  std::vector<char> buffer(size, '#');
  const DWORD n =
      GetPrivateProfileStringA(kSection, key.c_str(), "", buffer.data(), static_cast<DWORD>(size), path.c_str());
  return std::string(buffer.data(), std::min<std::size_t>(n, size - 1));
}

// Every key below "OpenNum" up to maxKey, read one by one.
void ExpectAsThePlatformReads(const std::string& path, int maxKey, const std::string& label) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // no cached copy
  StartupProject platform;
  const std::string count = PlatformRead(path, "OpenNum", project_file::kStartupNumberBuffer);
  for (int i = 0; !count.empty() && i < std::min(ReadInteger(count).value_or(0), maxKey + 1); ++i) {
    const std::string whole = PlatformRead(path, std::to_string(i), 1 << 16);
    const auto value = project_file::FileValueThatFits(whole);
    if (value && !value->empty() && platform.entries.size() < 256) platform.entries.emplace_back(*value);
  }
  const std::string active = PlatformRead(path, "ActiveArticleIndex", project_file::kStartupNumberBuffer);
  if (!active.empty()) platform.activeIndex = ReadInteger(active);
  const StartupProject ours = ReadStartupProject(path);
  EXPECT_EQ(ours.entries, platform.entries) << label;
  EXPECT_EQ(ours.activeIndex, platform.activeIndex) << label;
}

std::string Entry(int i, std::size_t length) {
  std::string path = "/C/Docs/File " + std::to_string(i) + ".pdf?PAGE=1&ZOOM_TYPE-VALUE=0:65536.000000";
  while (path.size() < length) path += "&X=" + std::to_string(i);
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
  const std::string nul(1, '\0');
  const std::string rows[] = {
      /* 0 */ Project("[CURRENT OPENED FILES]", 3, 40),
      /* 1 */ Project("[CURRENT OPENED FILES]", 1, 30) + Project("[CURRENT OPENED FILES]", 4, 30),
      /* 2 */ "[PROJECT_NAME]\r\nPROJECT_NUM=2\r\n1=P\r\n" + Project("[P]", 3, 50) +
          Project("[CURRENT OPENED FILES]", 2, 50),
      /* 3 */ "[CURRENT OPENED FILES]\r\nOpenNum=1234567890123\r\nActiveArticleIndex=\"123456789\"\r\n0=" +
          std::string(2000, 'b') + "\r\n1=\"" + std::string(1022, 'q') + "\"\r\n2=/C/x.pdf?" + std::string(1023, 'e') +
          "\r\n3=" + Entry(3, 1100) + "\r\n",
      /* 4 */ "[CURRENT OPENED FILES]\r\nOpenNum=\"12345678\"\r\nActiveArticleIndex='1234567'\r\n",
      /* 5 */ "[CURRENT OPENED FILES]]\r\nOpenNum=9\r\n" + Project("[CURRENT OPENED FILES]x", 2, 20),
      /* 6 */ "OpenNum=2\r\n0=/C/a.pdf?\r\n[CURRENT OPENED FILES]\r\n1=/C/b.pdf?\r\n[]\r\nOpenNum=1\r\n",
      /* 7 */ "[CURRENT OPENED FILES" + nul + "junk]\r\nOpenNum=1\r\n0=/C/n.pdf?\r\n",
      // Keys present however sparse, read as a lookup finds them.
      /* 8 */
      "[CURRENT OPENED FILES]\r\nOpenNum=301\r\n300=/C/300.pdf?\r\n1=/C/1.pdf?\r\n256=/C/256.pdf?\r\n01=/C/01.pdf?\r\n",
      /* 9 */ "[CURRENT OPENED FILES]\r\nOpenNum=999999999\r\n5=/C/5.pdf?\r\n0=/C/0.pdf?\r\n+7=/C/7.pdf?\r\n",
      /* 10 */ Project("[ \"CURRENT OPENED FILES\" ]", 2, 20) + Project("[\tCURRENT  OPENED FILES]", 2, 20) +
          Project("[ \t CURRENT OPENED FILES\t ]", 3, 20),
  };
  const support::TempFolder folder;
  const std::string path = folder.Path("damaged.ini");
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    support::WriteFile(path, rows[i]);
    ExpectAsThePlatformReads(path, 310, "row " + std::to_string(i));
  }
}

// Sections longer than a first read, and far into the file, some not ended
// before the end of the file.
TEST(DefaultSectionDifferential, LargeFiles) {
  const struct {
    int projectsBefore;
    int entries;
    bool projectsAfter;
  } rows[] = {{0, 256, true}, {40, 256, true}, {20, 300, false}, {30, 8, true}};
  const support::TempFolder folder;
  const std::string path = folder.Path("large.ini");
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    std::string text;
    for (int p = 0; p < rows[i].projectsBefore; ++p) text += Project("[Project " + std::to_string(p) + "]", 64, 200);
    text += Project("[CURRENT OPENED FILES]", rows[i].entries, 700);
    for (int p = 0; rows[i].projectsAfter && p < 20; ++p) text += Project("[Later " + std::to_string(p) + "]", 64, 200);
    if (rows[i].projectsAfter) text += Project("[CURRENT OPENED FILES]", 300, 100);
    support::WriteFile(path, text);
    ExpectAsThePlatformReads(path, 300, "row " + std::to_string(i));
  }
}
