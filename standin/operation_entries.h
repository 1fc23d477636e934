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

namespace standin {

// The three parts of the AcroView table.
void AddApplicationEntries(std::vector<HFTEntry>& entries);  // notifications, quit, documents, tool bar
void AddDocumentEntries(std::vector<HFTEntry>& entries);     // documents and page views
void AddMenuEntries(std::vector<HFTEntry>& entries);

}  // namespace standin
