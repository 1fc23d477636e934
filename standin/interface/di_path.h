// The host's device-independent path text and Windows paths:
//   /C/Docs/a.pdf        <-> C:\Docs\a.pdf
//   /server/share/a.pdf  <-> \\server\share\a.pdf
#pragma once

#include <optional>
#include <string>

namespace standin {

// The Windows path of well-formed path text: "/" then at least a drive and a
// name (or a server, a share and a name), components separated by single "/",
// none empty, "." or "..", and no character Windows forbids in a name.
std::optional<std::string> WindowsPathFromDIPath(const std::string& text);
// The path text of a Windows drive or network path ("\" or "/" separators).
std::string DIPathFromWindowsPath(const std::string& path);

}  // namespace standin
