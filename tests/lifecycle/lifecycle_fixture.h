// Shared by the lifecycle tests: the real plug-in DLL in the stand-in host,
// the real project file, generated PDFs, and the checks every run ends with.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "plugin/plugin_dll.h"
#include "standin/di_path.h"
#include "standin/host_story.h"
#include "standin/sample_pdf.h"

namespace lifecycle {

constexpr char kManagerButton[] = "Vellora:FavoritePDFConfig";
constexpr char kDefaultSection[] = "CURRENT OPENED FILES";

// Vellora.ini in the system folder, as the plug-in finds it.
inline std::string ProjectFile() {
  std::array<char, MAX_PATH> directory{};
  GetSystemDirectoryA(directory.data(), MAX_PATH);
  return std::string(directory.data()) + "\\Vellora.ini";
}

// The profile functions keep a file cached: flush them so reads and writes
// by other means see the same file.
inline void FlushProfileCache() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, ProjectFile().c_str()); }

inline std::string ReadBytes(const std::string& path) {
  std::string bytes;
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  std::array<char, 65536> buffer;
  DWORD read = 0;
  while (ReadFile(file, buffer.data(), buffer.size(), &read, nullptr) && read > 0) bytes.append(buffer.data(), read);
  CloseHandle(file);
  return bytes;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  FlushProfileCache();
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

inline void RemoveProjectFile() {
  FlushProfileCache();
  DeleteFileA(ProjectFile().c_str());
}

// A value as the platform's profile reader sees it; "(missing)" for none.
inline std::string Profile(const char* section, const std::string& key) {
  FlushProfileCache();
  std::array<char, 2048> value{};
  GetPrivateProfileStringA(section, key.c_str(), "(missing)", value.data(), value.size(), ProjectFile().c_str());
  return value.data();
}

// Generated PDFs in a folder of the temp folder.
class PdfFolder {
 public:
  PdfFolder() {
    std::array<char, MAX_PATH> temp{};
    GetTempPathA(MAX_PATH, temp.data());
    dir_ = std::string(temp.data()) + "vellora-lifecycle\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
  }
  std::string Path(const std::string& name) const { return dir_ + name; }
  // The Windows path of a PDF of `pages` pages.
  std::string Pdf(const std::string& name, int pages) const {
    const std::string path = Path(name);
    EXPECT_TRUE(standin::WriteSamplePdf(path, pages)) << path;
    return path;
  }

 private:
  std::string dir_;
};

// Everything the host must find in order after a run: no frame left, no
// misuse (a C++ exception crossing into the host is one), no host text or
// menu still held, no batch open.
// `refusedRelease` names a release operation the host made fail: the one
// thing it refused to take back may stay with the plug-in (for the end of a
// batch of view changes: the batch stays open, and the host says so).
inline void ExpectHostClean(standin::HostStory& story, const std::string& refusedRelease = {}) {
  EXPECT_EQ(story.FrameDepth(), 0u);
  const bool batchMayStayOpen = refusedRelease == "AVPageViewEndOperation";
  for (const std::string& violation : story.Violations()) {
    if (batchMayStayOpen && violation.find("batch left open") != std::string::npos) continue;
    ADD_FAILURE() << "host saw: " << violation;
  }
  EXPECT_EQ(story.OutstandingHostMemory(), refusedRelease == "ASfree" ? 1u : 0u) << "path text not given back";
  EXPECT_EQ(story.OutstandingMenus(), refusedRelease == "AVMenuRelease" ? 1 : 0);
  EXPECT_EQ(story.OutstandingMenuItems(), refusedRelease == "AVMenuItemRelease" ? 1 : 0);
  for (AVDoc doc : story.OpenDocuments()) EXPECT_LE(story.State(doc).batchDepth, batchMayStayOpen ? 1 : 0);
}

inline int FrontPosition(standin::HostStory& story) {
  const std::vector<AVDoc> docs = story.OpenDocuments();
  for (std::size_t i = 0; i < docs.size(); ++i)
    if (story.State(docs[i]).front) return static_cast<int>(i);
  return -1;
}

}  // namespace lifecycle
