#include "standin/interface/host_tables.h"

#include "standin/interface/operation_entries.h"

namespace standin {

HostTables::HostTables() {
  tables_.reserve(6);  // table pointers handed out must not move
  tables_.push_back({kCoreHFTName, kVersion, CoreEntries()});
  tables_.push_back({kAcroSupportHFTName, kVersion, AcroSupportEntries()});
  tables_.push_back({kCosHFTName, kVersion, CosEntries()});
  tables_.push_back({kPDModelHFTName, kVersion, PDModelEntries()});
  tables_.push_back({kAcroViewHFTName, kVersion, AcroViewEntries()});
  tables_.push_back({kWinHFTName, kVersion, WinEntries()});
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

bool HostTables::Replace(HFT pointer, Selector selector, HFTEntry replacement) {
  HostTableRecord* table = FindByPointer(pointer);
  const bool replaceable =
      table != nullptr && table->name == kAcroViewHFTName && (selector == AVAppCanQuitSEL || selector == AVDocCloseSEL);
  if (!replaceable) return false;
  replacements_.push_back({pointer, selector, table->entries[selector], replacement});
  table->entries[selector] = replacement;
  return true;
}

std::optional<HFTEntry> HostTables::Replaced(HFT table, Selector selector, HFTEntry replacement) const {
  for (auto it = replacements_.rbegin(); it != replacements_.rend(); ++it)
    if (it->table == table && it->selector == selector && it->replacement == replacement) return it->previous;
  return std::nullopt;
}

}  // namespace standin
