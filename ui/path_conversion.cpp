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
