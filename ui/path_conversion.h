// The two forms of a file's path: the host's path text, kept in projects and
// the project file (/D/dir/a.pdf, /server/share/a.pdf), and the Windows path
// the user sees and picks (D:\dir\a.pdf, \\server\share\a.pdf). Pure text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// /D/dir/a.pdf gives D:\dir\a.pdf; a text whose third character is not "/"
// is a network path: /server/share/a.pdf gives \\server\share\a.pdf.
std::string HostPathToWindows(std::string_view hostPath);

// D:\dir\a.pdf gives /D/dir/a.pdf; a text whose second character is "\" is a
// network path: \\server\share\a.pdf gives /server/share/a.pdf. Empty stays empty.
std::string WindowsPathToHost(std::string_view windowsPath);

// The path text of each file chosen in the Open dialog, from its buffer: one
// full path, or (when the character before nameOffset is a zero) the folder,
// then each name, each zero-terminated, with an empty name at the end. A
// folder that ends in a separator (a drive's root folder, D:\) is joined to
// the names without a second one: /D/a.pdf. Nothing when the buffer ends
// before the list does: a dialog may cut what does not fit (Wine's does,
// mid-name, and reports success).
std::optional<std::vector<std::string>> ChosenHostPaths(std::string_view buffer, std::size_t nameOffset);
