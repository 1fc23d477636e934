// The AcroView table: application, documents, page views, menus, tool bar.
#include "standin/operation_entries.h"

namespace standin {

std::vector<HFTEntry> AcroViewEntries() { return std::vector<HFTEntry>(AcroViewNUMSELECTORSplusOne); }

}  // namespace standin
