// The plug-in's three hooks into the host: the start-up notification (restore
// the documents of last time), the quit question (capture and save, once) and
// the tool bar button (the manager window); and the notifications and idle
// procedure that keep the remembered documents current in between
// (docstate/autosave.h).
#pragma once

#include "host/host_interface.h"

ASBool PlugInRegister();  // notifications, quit hook, idle procedure installed; false on a host error
ASBool PlugInInit();      // tool bar button made; false on a host error
ASBool PlugInUnload();    // button destroyed, notifications and idle procedure unregistered

ASBool CanQuitHook();
void OnManagerButton(void* clientData);

// A bitmap resource of the plug-in at its own size and colours, or none.
HBITMAP LoadModuleBitmap(ASUns16 resourceId);
