// The stand-in host's entries of each table, indexed by selector.
#pragma once

#include <vector>

#include "host/host_interface.h"

namespace standin {

std::vector<HFTEntry> CoreEntries();
std::vector<HFTEntry> AcroSupportEntries();
std::vector<HFTEntry> PDModelEntries();
std::vector<HFTEntry> AcroViewEntries();

}  // namespace standin
