// The two forms of a file's path: the host's path text, kept in projects and
// the project file (/D/dir/a.pdf, /server/share/a.pdf), and the Windows path
// the user sees and picks (D:\dir\a.pdf, \\server\share\a.pdf). Pure text.
#pragma once

#include <string>
#include <string_view>

// /D/dir/a.pdf gives D:\dir\a.pdf; a text whose third character is not "/"
// is a network path: /server/share/a.pdf gives \\server\share\a.pdf.
std::string HostPathToWindows(std::string_view hostPath);

// D:\dir\a.pdf gives /D/dir/a.pdf; a text whose second character is "\" is a
// network path: \\server\share\a.pdf gives /server/share/a.pdf. Empty stays empty.
std::string WindowsPathToHost(std::string_view windowsPath);
