// The stand-in host's entry of every host operation of the lists in
// host/host_interface.h: <name>Entry, defined in the *_entries.cpp files,
// and the tables made of them.
#pragma once

#include <vector>

#include "host/host_interface.h"

namespace standin {

extern "C" {
#define VELLORA_ENTRY(result, name, parameters, arguments) result HOSTCALL name##Entry parameters;
VELLORA_CORE_OPERATIONS(VELLORA_ENTRY, VELLORA_ENTRY)
VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_ENTRY)
VELLORA_PDMODEL_OPERATIONS(VELLORA_ENTRY)
VELLORA_ACROVIEW_OPERATIONS(VELLORA_ENTRY)
#undef VELLORA_ENTRY
}  // extern "C"

// The entries of each table, indexed by selector (entry 0 unused).
std::vector<HFTEntry> CoreEntries();
std::vector<HFTEntry> AcroSupportEntries();
std::vector<HFTEntry> PDModelEntries();
std::vector<HFTEntry> AcroViewEntries();

}  // namespace standin
