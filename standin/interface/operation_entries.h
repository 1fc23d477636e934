// The stand-in host's entry of every host operation of the lists in
// host/host_interface.h: <name>Entry, defined in the *_entries.cpp files,
// and the tables made of them.
#pragma once

#include <vector>

#include "host/host_interface.h"

namespace standin {

extern "C" {
#define VELLORA_ENTRY(selector, result, name, parameters, arguments) result HOSTCALL name##Entry parameters;
VELLORA_CORE_OPERATIONS(VELLORA_ENTRY, VELLORA_ENTRY)
VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_ENTRY)
VELLORA_PDMODEL_OPERATIONS(VELLORA_ENTRY)
VELLORA_ACROVIEW_OPERATIONS(VELLORA_ENTRY)
#undef VELLORA_ENTRY
}  // extern "C"

// The entries of each table, indexed by selector, as long as its highest
// selector served plus one. Slot 0 and every slot not served hold a trap: its
// call is a violation naming the table and the selector, and raises.
std::vector<HFTEntry> CoreEntries();
std::vector<HFTEntry> AcroSupportEntries();
std::vector<HFTEntry> CosEntries();
std::vector<HFTEntry> PDModelEntries();
std::vector<HFTEntry> AcroViewEntries();
std::vector<HFTEntry> WinEntries();

}  // namespace standin
