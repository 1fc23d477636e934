#include "standin/interface/plugin_call.h"

namespace standin {

void HOSTCALL RestoreHostFrame(void* env) { longjmp(static_cast<HostFrame*>(env)->mark, 1); }

}  // namespace standin
