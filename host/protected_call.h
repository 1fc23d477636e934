// ProtectedCall: a region of plug-in code in which host errors are handled
// rather than passed back to the host. It pushes its own exception frame for
// the region (the host's convention) and catches HostError, nothing else.
#pragma once

#include <functional>

#include "host/host_interface.h"

struct ProtectedResult {
  bool failed = false;
  ASErrorCode code = 0;  // the host's error code when failed
};

ProtectedResult ProtectedCall(const std::function<void()>& body);
