// The host's six function tables, each with its name and the version the host
// offers, and the entries plug-ins have replaced.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/host_interface.h"

namespace standin {

struct HostTableRecord {
  std::string name;
  ASUns32 version;
  std::vector<HFTEntry> entries;  // entry 0 unused
  HFT Pointer() { return entries.data(); }
};

class HostTables {
 public:
  HostTables();

  HFT Core() { return Find(kCoreName)->Pointer(); }
  HostTableRecord* Find(const std::string& name);
  HostTableRecord* FindByPointer(HFT table);
  const std::vector<HostTableRecord>& All() const { return tables_; }

  // Puts `replacement` in place of the entry; false for a table or selector
  // the host does not have.
  bool Replace(HFT table, int selector, HFTEntry replacement);
  // The entry that `replacement` took the place of, if it did.
  std::optional<HFTEntry> Replaced(HFT table, int selector, HFTEntry replacement) const;

  static constexpr const char kCoreName[] = "Core";

 private:
  struct Replacement {
    HFT table;
    int selector;
    HFTEntry previous;
    HFTEntry replacement;
  };
  std::vector<HostTableRecord> tables_;
  std::vector<Replacement> replacements_;
};

}  // namespace standin
