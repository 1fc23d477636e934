// Typed wrappers of every host operation the plug-in uses, one for each OP of
// the lists in host/host_interface.h, under the operation's own name.
// Nothing else in the plug-in touches a host table. Each wrapper makes the
// table call inside its own exception frame; a raise comes out as HostError
// with the host's code.
#pragma once

#include "host/host_interface.h"

namespace host {

#define VELLORA_WRAPPER(selector, result, name, parameters, arguments) result name parameters;
#define VELLORA_NO_WRAPPER(selector, result, name, parameters, arguments)
VELLORA_CORE_OPERATIONS(VELLORA_WRAPPER, VELLORA_NO_WRAPPER)
VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_WRAPPER)
VELLORA_PDMODEL_OPERATIONS(VELLORA_WRAPPER)
VELLORA_ACROVIEW_OPERATIONS(VELLORA_WRAPPER)
#undef VELLORA_WRAPPER
#undef VELLORA_NO_WRAPPER

}  // namespace host
