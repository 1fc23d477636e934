#include "host/plugin_hooks.h"

// The hooks themselves come with the start-up, quit and tool bar work; until
// then loading goes through them and they answer success.
ASBool PlugInRegister() { return kHostTrue; }
ASBool PlugInInit() { return kHostTrue; }
ASBool PlugInUnload() { return kHostTrue; }
