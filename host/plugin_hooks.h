// The plug-in's three hooks into the host: register (start-up notification,
// quit hook), init (tool bar button) and unload.
#pragma once

#include "host/host_interface.h"

ASBool PlugInRegister();
ASBool PlugInInit();
ASBool PlugInUnload();
