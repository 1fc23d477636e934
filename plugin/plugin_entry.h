// The loading conversation: PlugInMain (the DLL's one export, exported by its
// plain name on both builds, __stdcall on x86), then the set-up and handshake
// callbacks that it hands to the host.
#pragma once

#include "host/host_interface.h"

extern "C" ASBool PLUGINMAIN_CALL PlugInMain(ASUns32 appHandshakeVersion, ASUns32* handshakeVersion,
                                             PISetupSDKProcType* setupProc, void* windowsData);

ASBool PlugInSetup(ASUns32 handshakeVersion, void* sdkData);
ASBool PlugInHandshake(ASUns32 handshakeVersion, void* handshakeData);

constexpr const char kExtensionName[] = "Vellora1.0";
