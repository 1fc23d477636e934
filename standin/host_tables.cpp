#include "standin/host_tables.h"

#include "standin/operation_entries.h"

namespace standin {

HostTables::HostTables() {
  tables_.reserve(6);  // table pointers handed out must not move
  tables_.push_back({kCoreName, kCoreHFTVersion, CoreEntries()});
  tables_.push_back({kAcroSupportHFTName, kHFTVersion4, AcroSupportEntries()});
  tables_.push_back({kCosHFTName, kHFTVersion4, std::vector<HFTEntry>(CosNUMSELECTORSplusOne)});
  tables_.push_back({kPDModelHFTName, kHFTVersion4, PDModelEntries()});
  tables_.push_back({kAcroViewHFTName, kHFTVersion4, AcroViewEntries()});
  tables_.push_back({kWinHFTName, kHFTVersion4, std::vector<HFTEntry>(WinNUMSELECTORSplusOne)});
}

HostTableRecord* HostTables::Find(const std::string& name) {
  for (HostTableRecord& table : tables_)
    if (table.name == name) return &table;
  return nullptr;
}

HostTableRecord* HostTables::FindByPointer(HFT pointer) {
  for (HostTableRecord& table : tables_)
    if (table.Pointer() == pointer) return &table;
  return nullptr;
}

bool HostTables::Replace(HFT pointer, int selector, HFTEntry replacement) {
  HostTableRecord* table = FindByPointer(pointer);
  if (table == nullptr || selector < 1 || selector >= static_cast<int>(table->entries.size())) return false;
  replacements_.push_back({pointer, selector, table->entries[selector], replacement});
  table->entries[selector] = replacement;
  return true;
}

std::optional<HFTEntry> HostTables::Replaced(HFT table, int selector, HFTEntry replacement) const {
  for (auto it = replacements_.rbegin(); it != replacements_.rend(); ++it)
    if (it->table == table && it->selector == selector && it->replacement == replacement) return it->previous;
  return std::nullopt;
}

}  // namespace standin
