// Faults a test arms in the stand-in host: an operation that raises a chosen
// error code on its n-th call, a table that is missing, a table offered only
// below some version.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/host_interface.h"

namespace standin {

class FaultInjection {
 public:
  // The operation `name` (the host interface's name) raises `code` on its
  // n-th call from now (n = 1: the next call). Throws std::invalid_argument for
  // a name the host does not have or one of the frame operations, which are
  // the raising mechanism itself.
  void RaiseOnCall(const std::string& name, int n, ASErrorCode code);
  void HideTable(const std::string& name);
  // The table is offered at `version` - 1 at most.
  void OfferTableBelow(const std::string& name, ASUns32 version);

  // Counts one call of `name`; the code to raise, or 0.
  ASErrorCode CountCall(const std::string& name);
  int Calls(const std::string& name) const;
  bool TableHidden(const std::string& name) const;
  // The highest version offered for a table, given the host's own.
  ASUns32 OfferedVersion(const std::string& name, ASUns32 hostVersion) const;
  // Faults armed but not reached yet.
  std::size_t Pending() const { return faults_.size(); }

 private:
  struct Fault {
    std::string name;
    int call;  // absolute call number of `name`
    ASErrorCode code;
  };
  std::vector<Fault> faults_;
  std::map<std::string, int> calls_;
  std::vector<std::string> hidden_;
  std::map<std::string, ASUns32> offeredBelow_;
};

// Every operation name of the host's tables, in table and selector order.
const std::vector<std::string>& OperationNames();
// The operations that are the exception-frame mechanism (never faulted).
bool IsFrameOperation(const std::string& name);

}  // namespace standin
