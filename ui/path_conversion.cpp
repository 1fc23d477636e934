#include "ui/path_conversion.h"

#include <algorithm>

namespace {

std::string WithSeparators(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

}  // namespace

std::string HostPathToWindows(std::string_view hostPath) {
  if (hostPath.size() >= 3 && hostPath[2] == '/') {
    std::string drive{hostPath[1], ':'};
    return drive + WithSeparators(std::string(hostPath.substr(2)), '/', '\\');
  }
  return "\\\\" + WithSeparators(std::string(hostPath.substr(std::min<std::size_t>(1, hostPath.size()))), '/', '\\');
}

std::string WindowsPathToHost(std::string_view windowsPath) {
  if (windowsPath.empty()) return {};
  std::string host = "/";
  if (windowsPath.size() < 2 || windowsPath[1] != '\\') host += windowsPath[0];
  if (windowsPath.size() > 2) host += WithSeparators(std::string(windowsPath.substr(2)), '\\', '/');
  return host;
}

std::optional<std::vector<std::string>> ChosenHostPaths(std::string_view buffer, std::size_t nameOffset) {
  // The zero-terminated text at `from`; nothing when no zero ends it.
  const auto zeroTerminated = [buffer](std::size_t from) -> std::optional<std::string_view> {
    if (from >= buffer.size()) return std::nullopt;
    const std::string_view rest = buffer.substr(from);
    const std::size_t end = rest.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    return rest.substr(0, end);
  };
  const auto first = zeroTerminated(0);
  if (!first) return std::nullopt;
  if (nameOffset == 0 || nameOffset > buffer.size() || buffer[nameOffset - 1] != '\0')
    return std::vector<std::string>{WindowsPathToHost(*first)};
  std::string folder = WindowsPathToHost(*first);
  if (folder.empty() || folder.back() != '/') folder += '/';
  std::vector<std::string> paths;
  for (std::size_t at = nameOffset;;) {
    const auto name = zeroTerminated(at);
    if (!name) return std::nullopt;
    if (name->empty()) return paths;
    paths.push_back(folder + std::string(*name));
    at += name->size() + 1;
  }
}
