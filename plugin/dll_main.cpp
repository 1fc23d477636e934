// The library's own entry for process and thread attach and detach: nothing
// beyond the construction and destruction of static objects, which the
// runtime does around it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
