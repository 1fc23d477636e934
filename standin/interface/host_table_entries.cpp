// The tables of the stand-in host's entries, made from the lists of
// operations in host/host_interface.h: each slot served holds its entry,
// every other slot (slot 0 too) a trap of its own that knows its table and
// selector.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "standin/interface/operation_entries.h"
#include "standin/interface/operation_entry.h"
#include "standin/interface/standin_host.h"

namespace standin {
namespace {

enum TableIndex : std::size_t { kCore, kAcroSupport, kCos, kPDModel, kAcroView, kWin };
constexpr const char* kTableNames[] = {kCoreHFTName, kAcroSupportHFTName, kCosHFTName,
                                       kPDModelHFTName, kAcroViewHFTName, kWinHFTName};

// A slot this host does not serve: whatever the caller passed, the call is
// reported and fails with the general error.
template <std::size_t Table, std::size_t Slot>
std::intptr_t HOSTCALL Trap() {
  CurrentHost().Violation(std::string("a call of ") + kTableNames[Table] + " selector " + std::to_string(Slot) +
                          ", which this host does not serve");
  RaiseToPlugIn(kErrGeneral);
}

template <std::size_t Table, std::size_t... Slot>
std::vector<HFTEntry> Traps(std::index_sequence<Slot...>) {
  return {reinterpret_cast<HFTEntry>(&Trap<Table, Slot>)...};
}

#define VELLORA_SLOT(selector, result, name, parameters, arguments) selector,
#define VELLORA_PUT(selector, result, name, parameters, arguments) \
  entries[name##SEL] = reinterpret_cast<HFTEntry>(&name##Entry);
// The length of a table: its highest selector served, plus one.
#define VELLORA_LENGTH(list) (std::max<std::size_t>({list}) + 1)

}  // namespace

std::vector<HFTEntry> CoreEntries() {
  constexpr std::size_t length = VELLORA_LENGTH(VELLORA_CORE_OPERATIONS(VELLORA_SLOT, VELLORA_SLOT));
  std::vector<HFTEntry> entries = Traps<kCore>(std::make_index_sequence<length>());
  VELLORA_CORE_OPERATIONS(VELLORA_PUT, VELLORA_PUT)
  return entries;
}

std::vector<HFTEntry> AcroSupportEntries() {
  constexpr std::size_t length = VELLORA_LENGTH(VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_SLOT));
  std::vector<HFTEntry> entries = Traps<kAcroSupport>(std::make_index_sequence<length>());
  VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_PUT)
  return entries;
}

// Acquired by the plug-in, never called: slot 0 alone.
std::vector<HFTEntry> CosEntries() { return Traps<kCos>(std::make_index_sequence<1>()); }
std::vector<HFTEntry> WinEntries() { return Traps<kWin>(std::make_index_sequence<1>()); }

std::vector<HFTEntry> PDModelEntries() {
  constexpr std::size_t length = VELLORA_LENGTH(VELLORA_PDMODEL_OPERATIONS(VELLORA_SLOT));
  std::vector<HFTEntry> entries = Traps<kPDModel>(std::make_index_sequence<length>());
  VELLORA_PDMODEL_OPERATIONS(VELLORA_PUT)
  return entries;
}

std::vector<HFTEntry> AcroViewEntries() {
  constexpr std::size_t length = VELLORA_LENGTH(VELLORA_ACROVIEW_OPERATIONS(VELLORA_SLOT));
  std::vector<HFTEntry> entries = Traps<kAcroView>(std::make_index_sequence<length>());
  VELLORA_ACROVIEW_OPERATIONS(VELLORA_PUT)
  return entries;
}

}  // namespace standin
