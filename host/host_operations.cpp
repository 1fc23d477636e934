#include "host/host_operations.h"

#include "host/host_call.h"

namespace host {

// Each wrapper: its table's entry of its selector, called with its arguments.
#define VELLORA_WRAPPER_IN(table, result, name, parameters, arguments) \
  result name parameters { return TableCall<name##SELPROTO>{Host().table, name##SEL} arguments; }
#define VELLORA_CORE(selector, result, name, parameters, arguments) VELLORA_WRAPPER_IN(core, result, name, parameters, arguments)
#define VELLORA_ACROSUPPORT(selector, result, name, parameters, arguments) \
  VELLORA_WRAPPER_IN(acroSupport, result, name, parameters, arguments)
#define VELLORA_PDMODEL(selector, result, name, parameters, arguments) \
  VELLORA_WRAPPER_IN(pdModel, result, name, parameters, arguments)
#define VELLORA_ACROVIEW(selector, result, name, parameters, arguments) \
  VELLORA_WRAPPER_IN(acroView, result, name, parameters, arguments)
#define VELLORA_NO_WRAPPER(selector, result, name, parameters, arguments)

VELLORA_CORE_OPERATIONS(VELLORA_CORE, VELLORA_NO_WRAPPER)
VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_ACROSUPPORT)
VELLORA_PDMODEL_OPERATIONS(VELLORA_PDMODEL)
VELLORA_ACROVIEW_OPERATIONS(VELLORA_ACROVIEW)

}  // namespace host
