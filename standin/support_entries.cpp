// The AcroSupport and PDModel tables: file system, path objects and path
// text, the document model and its pages.
#include "standin/operation_entries.h"

namespace standin {

std::vector<HFTEntry> AcroSupportEntries() { return std::vector<HFTEntry>(AcroSupportNUMSELECTORSplusOne); }
std::vector<HFTEntry> PDModelEntries() { return std::vector<HFTEntry>(PDModelNUMSELECTORSplusOne); }

}  // namespace standin
