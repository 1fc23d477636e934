// The host's six function tables, each with its name and the version the host
// offers, and the entries plug-ins have replaced.
//
// Every table, "Core" included, is handed out by name for any version up to
// 5.1 (0x00050001): the newest before 6.0, whose AcroView table would have to
// serve the new view slots (394, 402, 406, 485) that this host does not.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/host_interface.h"

namespace standin {

struct HostTableRecord {
  std::string name;
  ASUns32 version;
  std::vector<HFTEntry> entries;  // slot 0 and the slots not served: traps
  HFT Pointer() { return entries.data(); }
};

class HostTables {
 public:
  HostTables();

  HFT Core() { return Find(kCoreName)->Pointer(); }
  HostTableRecord* Find(const std::string& name);
  HostTableRecord* FindByPointer(HFT table);
  const std::vector<HostTableRecord>& All() const { return tables_; }

  // Puts `replacement` in place of the entry; false for an entry that is not
  // replaceable (of those served, only AVAppCanQuit and AVDocClose are).
  bool Replace(HFT table, Selector selector, HFTEntry replacement);
  // The entry that `replacement` took the place of, if it did.
  std::optional<HFTEntry> Replaced(HFT table, Selector selector, HFTEntry replacement) const;

  static constexpr const char* kCoreName = kCoreHFTName;
  static constexpr ASVersion kVersion = 0x00050001;

 private:
  struct Replacement {
    HFT table;
    Selector selector;
    HFTEntry previous;
    HFTEntry replacement;
  };
  std::vector<HostTableRecord> tables_;
  std::vector<Replacement> replacements_;
};

}  // namespace standin
