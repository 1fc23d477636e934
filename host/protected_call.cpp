#include "host/protected_call.h"

#include "host/host_call.h"

namespace {
// The region body runs here, outside the function that holds the jump mark,
// so the mark's function keeps no C++ objects a longjmp could skip.
ProtectedResult RunBody(const std::function<void()>& body) {
  try {
    body();
  } catch (const HostError& error) {
    return {true, error.code()};
  }
  return {};
}
}  // namespace

__attribute__((noinline)) ProtectedResult ProtectedCall(const std::function<void()>& body) {
  PlugInFrame frame{};
  if (setjmp(frame.mark) == 0) {
    PushHostFrame(&frame);
    const ProtectedResult result = RunBody(body);
    PopHostFrame();
    return result;
  }
  // A raise reached the region's own frame (one not turned into a HostError
  // by a wrapper's frame).
  return {true, LandedErrorCode()};
}
