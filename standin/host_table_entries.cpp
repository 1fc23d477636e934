// The AcroView table, assembled from its parts.
#include "standin/operation_entries.h"

namespace standin {

std::vector<HFTEntry> AcroViewEntries() {
  std::vector<HFTEntry> entries(AcroViewNUMSELECTORSplusOne);
  AddApplicationEntries(entries);
  AddDocumentEntries(entries);
  AddMenuEntries(entries);
  return entries;
}

}  // namespace standin
