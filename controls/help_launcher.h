// Help: a topic of the plug-in's compiled HTML help file, shown through the
// HTML Help control (loaded on first use and kept for the rest of the run).
// The help file lies in the folder named by the registry value "InstallPath"
// of HKEY_LOCAL_MACHINE\Software\Vellora, which the plug-in only reads.
#pragma once

#include <windows.h>

#include <array>
#include <string>

inline constexpr std::size_t kHelpPathSize = 260;  // the platform's path size, terminating zero included
inline constexpr UINT kHtmlHelpDisplayTopic = 0;   // HH_DISPLAY_TOPIC

inline constexpr char kProjectsPageTopic[] = "HTML/UsingVellora/Work.htm";
inline constexpr char kAboutPageTopic[] = "HTML/Welcome/Introduction.htm";

// The install folder, a backslash, "VELLORA.CHM", "::" and the topic. Empty
// after a failure, which the "Error" box has then reported with the system's
// text: the key or the value missing or unreadable, or a path that would not
// fit kHelpPathSize (refused rather than cut into a wrong path).
std::string BuildHelpPath(const char* topic);

// Calls the HTML Help control's HtmlHelpA (export 14) with the arguments and
// gives its answer. The control is loaded at the first call: the file
// registered for its class, else "hhctrl.ocx" by name. When it cannot be
// loaded or lacks the export, none is given now and at every later call.
HWND ShowHelpTopic(HWND owner, const char* path, UINT command, DWORD_PTR data);

// The system's text for `code` in a box titled "Error" with no owner.
void ShowSystemError(DWORD code);

// The file registered for the HTML Help control's class; false when the
// class key cannot be opened or its default value not read.
bool FindHelpControl(std::array<char, kHelpPathSize>& file);

// What a page's Help button does: BuildHelpPath for the topic, then
// ShowHelpTopic with the page as owner, whatever the path came out as.
void ShowPageHelp(HWND page, const char* topic);
