#include "standin/interface/di_path.h"

#include <cctype>
#include <vector>

namespace standin {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  for (const char c : text) {
    if (c == separator) {
      parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  parts.push_back(part);
  return parts;
}

bool GoodComponent(const std::string& part) {
  if (part.empty() || part == "." || part == "..") return false;
  for (const char c : part) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || std::string_view("<>:\"\\|?*").find(c) != std::string_view::npos) return false;
  }
  return true;
}

bool IsDriveLetter(const std::string& part) {
  return part.size() == 1 && std::isalpha(static_cast<unsigned char>(part[0]));
}

}  // namespace

std::optional<std::string> WindowsPathFromDIPath(const std::string& text) {
  if (text.size() < 2 || text[0] != '/') return std::nullopt;
  const std::vector<std::string> parts = Split(text.substr(1), '/');
  for (const std::string& part : parts)
    if (!GoodComponent(part)) return std::nullopt;
  std::string path;
  std::size_t first = 0;
  if (IsDriveLetter(parts[0])) {
    if (parts.size() < 2) return std::nullopt;
    path = parts[0] + ":";
    first = 1;
  } else {
    if (parts.size() < 3) return std::nullopt;
    path = "\\\\" + parts[0] + "\\" + parts[1];
    first = 2;
  }
  for (std::size_t i = first; i < parts.size(); ++i) path += "\\" + parts[i];
  return path;
}

std::string DIPathFromWindowsPath(const std::string& path) {
  std::string text(1, '/');
  std::size_t start = 0;
  if (path.size() >= 2 && path[1] == ':') {
    text.push_back(path[0]);
    start = 2;
  } else {
    while (start < path.size() && (path[start] == '\\' || path[start] == '/')) ++start;
  }
  for (std::size_t i = start; i < path.size(); ++i) {
    const char c = path[i] == '\\' ? '/' : path[i];
    if (c == '/' && !text.empty() && text.back() == '/') continue;
    text.push_back(c);
  }
  return text;
}

}  // namespace standin
