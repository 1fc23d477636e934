#include "host/system_error_text.h"

#include "host/scoped_handle.h"

std::string SystemErrorText(DWORD code) {
  for (const DWORD language : {DWORD{MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)}, DWORD{0}}) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   code, language, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    const LocalMemory owned(text);
    if (text != nullptr) return text;
  }
  return "System error " + std::to_string(code);
}
