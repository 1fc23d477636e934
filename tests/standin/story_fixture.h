// Shared by the tests that drive the stand-in host with the plug-in's code
// linked in: a started host, a folder of generated files, and the checks
// every such test ends with.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "host/host_error.h"
#include "plugin/plugin_entry.h"
#include "standin/host_story.h"
#include "standin/sample_pdf.h"

// A fresh folder under the Windows temp folder, removed with what it holds.
class TempFolder {
 public:
  TempFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    dir_ =
        std::string(temp) + "vellora-standin-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    CreateDirectoryA(dir_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA(dir_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name) const { return dir_ + "\\" + name; }
  std::string Pdf(const std::string& name, int pages) {
    const std::string path = Track(name);
    EXPECT_TRUE(standin::WriteSamplePdf(path, pages)) << path;
    return path;
  }
  std::string File(const std::string& name, const std::string& bytes) {
    const std::string path = Track(name);
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
  }

 private:
  std::string Track(const std::string& name) {
    files_.push_back(Path(name));
    return files_.back();
  }
  std::string dir_;
  std::vector<std::string> files_;
};

class StoryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(story_.StartLinked(&PlugInMain).handshake, true); }
  void TearDown() override {
    EXPECT_EQ(story_.FrameDepth(), 0u);
    EXPECT_EQ(story_.Violations().size(), expectedViolations_) << "the host reported misuse (see above)";
  }
  // The test provokes `count` more misuses the host must report.
  void ExpectViolations(std::size_t count) { expectedViolations_ += count; }

  standin::HostStory story_;
  TempFolder files_;
  std::size_t expectedViolations_ = 0;
};
