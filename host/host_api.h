// HostApi: what the host handed over while loading the plug-in. Written only
// by the loading conversation (plugin_entry.cpp), read by everything else.
#pragma once

#include "host/host_interface.h"

struct HostTable {
  HFT table = nullptr;
  ASUns32 version = 0;
};

struct HostApi {
  HWND hostMainWindow = nullptr;
  HINSTANCE moduleInstance = nullptr;
  ASExtension extensionId = nullptr;
  HostTable core;
  HostTable acroSupport;
  HostTable cos;
  HostTable pdModel;
  HostTable acroView;
  HostTable win;
};

// Read-only view for the plug-in's code.
const HostApi& Host();

// Writable record, for the loading conversation only.
HostApi& HostApiForLoading();
