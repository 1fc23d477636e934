// A stand-in for the HTML Help control: its export 14 (HtmlHelpA) records
// each call instead of showing anything; the tests read the calls through
// HelpProbeCalls.
#include "ui/help_control_probe.h"

#include <cstring>

namespace {
HelpProbeCall calls[kHelpProbeCallLimit];
int callCount = 0;
}  // namespace

extern "C" HWND WINAPI ProbeHtmlHelpA(HWND owner, const char* path, UINT command,
                                                              DWORD_PTR data) {
  if (callCount < kHelpProbeCallLimit) {
    HelpProbeCall& call = calls[callCount];
    call.owner = owner;
    std::strncpy(call.path, path != nullptr ? path : "(null)", sizeof call.path - 1);
    call.command = command;
    call.data = data;
  }
  ++callCount;
  return nullptr;
}

extern "C" int HelpProbeCalls(const HelpProbeCall** recorded) {
  *recorded = calls;
  return callCount;
}
