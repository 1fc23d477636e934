// The tables of the stand-in host's entries, made from the lists of
// operations in host/host_interface.h.
#include "standin/operation_entries.h"

namespace standin {

#define VELLORA_PUT(result, name, parameters, arguments) entries[name##SEL] = reinterpret_cast<HFTEntry>(&name##Entry);

std::vector<HFTEntry> CoreEntries() {
  std::vector<HFTEntry> entries(CoreNUMSELECTORSplusOne);
  VELLORA_CORE_OPERATIONS(VELLORA_PUT, VELLORA_PUT)
  return entries;
}

std::vector<HFTEntry> AcroSupportEntries() {
  std::vector<HFTEntry> entries(AcroSupportNUMSELECTORSplusOne);
  VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_PUT)
  return entries;
}

std::vector<HFTEntry> PDModelEntries() {
  std::vector<HFTEntry> entries(PDModelNUMSELECTORSplusOne);
  VELLORA_PDMODEL_OPERATIONS(VELLORA_PUT)
  return entries;
}

std::vector<HFTEntry> AcroViewEntries() {
  std::vector<HFTEntry> entries(AcroViewNUMSELECTORSplusOne);
  VELLORA_ACROVIEW_OPERATIONS(VELLORA_PUT)
  return entries;
}

}  // namespace standin
