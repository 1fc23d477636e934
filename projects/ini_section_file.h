#pragma once
// One section of an INI file, read without reading the rest of the file.
#include <string>
#include <string_view>

#include "projects/ini_document.h"

// A document holding the first section named `section` of the file at path
// (nothing else): reading its keys gives what GetPrivateProfileStringA gives
// for them. The file is read from its start only as far as the end of that
// section. An absent file, one locked by a handle that shares no reading, or
// one that cannot be read gives an empty document.
IniDocument ReadFirstIniSection(const std::string& path, std::string_view section);
