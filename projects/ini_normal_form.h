#pragma once
// The lines of an INI file in the normal form the profile functions write:
// every line ends with CR LF, a section header is "[name]", a key line
// "key=value", or "key" alone for a key without a value. Shared by the
// document's own writing and by writers that compose such text directly.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

inline constexpr std::string_view kIniLineEnd = "\r\n";

inline std::size_t IniHeaderSize(std::string_view name) { return name.size() + 2 + kIniLineEnd.size(); }

inline std::size_t IniKeySize(std::string_view key, std::string_view value) {
  return key.size() + 1 + value.size() + kIniLineEnd.size();
}

inline void AppendIniHeader(std::string& text, std::string_view name) {
  text += '[';
  text += name;
  text += ']';
  text += kIniLineEnd;
}

inline void AppendIniKey(std::string& text, std::string_view key, std::string_view value) {
  text += key;
  text += '=';
  text += value;
  text += kIniLineEnd;
}

// A key whose value is given in parts, written one after the other.
inline void AppendIniKey(std::string& text, std::string_view key, std::initializer_list<std::string_view> value_parts) {
  text += key;
  text += '=';
  for (std::string_view part : value_parts) text += part;
  text += kIniLineEnd;
}

inline void AppendIniKeyWithoutValue(std::string& text, std::string_view key) {
  text += key;
  text += kIniLineEnd;
}
