#include "tests/support/test_support.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "standin/pdf/sample_pdf.h"
#include "standin/reader/screenshot.h"
#include "standin/reader/wine_path.h"

namespace support {

TempFolder::TempFolder() {
  static int serial = 0;
  dir_ = (std::filesystem::temp_directory_path() /
          ("vellora-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial)))
             .string();
  std::filesystem::create_directories(dir_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

std::string TempFolder::Path(const std::string& name) const { return dir_ + "\\" + name; }

std::string TempFolder::Pdf(const std::string& name, int pages) const {
  const std::string path = Path(name);
  standin::WriteSamplePdf(path, pages);
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string ProjectFile() {
  std::array<char, MAX_PATH> directory{};
  GetSystemDirectoryA(directory.data(), MAX_PATH);
  return std::string(directory.data()) + "\\Vellora.ini";
}

std::string UserProjectFile() {
  std::array<char, MAX_PATH> folder{};
  SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, folder.data());
  return std::string(folder.data()) + "\\Vellora\\Vellora.ini";
}

void RemoveProjectFile() {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, ProjectFile().c_str());
  DeleteFileA(ProjectFile().c_str());
  const std::string user = UserProjectFile(), folder = user.substr(0, user.rfind('\\'));
  DeleteFileA(user.c_str());
  RemoveDirectoryA(folder.c_str());
  DeleteFileA(folder.c_str());  // a file in the folder's place
}

std::string Profile(const std::string& section, const std::string& key, const std::string& file) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
  std::array<char, 2048> value{};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, value.data(), value.size(), file.c_str());
  return value.data();
}

int FrontPosition(standin::HostStory& story) {
  const std::vector<AVDoc> docs = story.OpenDocuments();
  for (std::size_t i = 0; i < docs.size(); ++i) {
    if (story.State(docs[i]).front) return static_cast<int>(i);
  }
  return -1;
}

std::string PlugInDllPath() {
  const char* copy = std::getenv("VELLORA_PLUGIN_DLL");
  return standin::WinePathFromLinux(copy != nullptr ? copy : VELLORA_DLL_PATH);
}

bool Screenshot(HWND window, const std::string& name, std::string& problem) {
  const char* elsewhere = std::getenv("VELLORA_SCREENSHOTS");
  const std::string folder = standin::WinePathFromLinux(elsewhere != nullptr ? elsewhere : VELLORA_SCREENSHOT_DIR);
  CreateDirectoryA(folder.c_str(), nullptr);
  return standin::SaveScreenshot(window, folder + "\\" + name + ".png", problem);
}

}  // namespace support
