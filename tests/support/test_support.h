// What the Windows tests share, and the demo where it needs the same: a
// temporary folder with sample PDFs, whole files, the project file and its
// values as the platform reads them, the front document, the plug-in DLL.
#pragma once

#include <string>

#include "standin/story/host_story.h"

namespace support {

// A fresh folder under the temporary folder, removed with what it holds.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name) const;  // a Windows path in the folder
  // A generated PDF of `pages` pages in the folder; its Windows path.
  std::string Pdf(const std::string& name, int pages) const;

 private:
  std::string dir_;
};

// The whole content of a file; empty when it is absent or unreadable.
std::string ReadFile(const std::string& path);
// Replaces a file's content; false when it cannot be written.
bool WriteFile(const std::string& path, const std::string& bytes);

// Vellora.ini in the system directory: the project file of a user whom that
// folder does not refuse (an administrator; the tests run as root).
std::string ProjectFile();
// The user's own file, for a user whom the system folder refuses:
// Vellora\Vellora.ini in the roaming application-data folder.
std::string UserProjectFile();
// The profile functions keep a file cached; these flush the cache first.
// Removes both files (and the user's folder, or a file in its place).
void RemoveProjectFile();
std::string Profile(const std::string& section, const std::string& key, const std::string& file = ProjectFile());
inline constexpr char kMissing[] = "(missing)";  // what Profile gives for a key that is not there

// Position of the front document among the open ones ("Window" menu order);
// -1 for none.
int FrontPosition(standin::HostStory& story);

// The built plug-in DLL, as Wine reaches it; VELLORA_PLUGIN_DLL names
// another (a copy where the build folder cannot be reached).
std::string PlugInDllPath();

// A PNG of the window as the screen shows it, `name`.png in the build's
// screenshots folder (or the folder VELLORA_SCREENSHOTS names); false, with
// the reason, when it cannot be written.
bool Screenshot(HWND window, const std::string& name, std::string& problem);

}  // namespace support
