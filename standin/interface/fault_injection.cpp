#include "standin/interface/fault_injection.h"

#include <algorithm>
#include <stdexcept>

namespace standin {

const std::vector<std::string>& OperationNames() {
#define VELLORA_NAME(selector, result, name, parameters, arguments) #name,
  static const std::vector<std::string> names = {
      VELLORA_CORE_OPERATIONS(VELLORA_NAME, VELLORA_NAME) VELLORA_ACROSUPPORT_OPERATIONS(VELLORA_NAME)
          VELLORA_PDMODEL_OPERATIONS(VELLORA_NAME) VELLORA_ACROVIEW_OPERATIONS(VELLORA_NAME)};
#undef VELLORA_NAME
  return names;
}

bool IsFrameOperation(const std::string& name) {
  return name == "ASPushExceptionFrame" || name == "ASPopExceptionFrame" || name == "ASGetExceptionErrorCode";
}

void FaultInjection::RaiseOnCall(const std::string& name, int n, ASErrorCode code) {
  const auto& names = OperationNames();
  if (std::find(names.begin(), names.end(), name) == names.end())
    throw std::invalid_argument("no host operation named " + name);
  if (IsFrameOperation(name)) throw std::invalid_argument(name + " is the frame mechanism and cannot raise");
  if (n < 1) throw std::invalid_argument("call numbers start at 1");
  if (code == 0) throw std::invalid_argument("a raise needs a non-zero error code");
  faults_.push_back({name, Calls(name) + n, code});
}

void FaultInjection::HideTable(const std::string& name) { hidden_.push_back(name); }

void FaultInjection::OfferTableBelow(const std::string& name, ASUns32 version) { offeredBelow_[name] = version; }

ASErrorCode FaultInjection::CountCall(const std::string& name) {
  const int call = ++calls_[name];
  for (auto it = faults_.begin(); it != faults_.end(); ++it) {
    if (it->name == name && it->call == call) {
      const ASErrorCode code = it->code;
      faults_.erase(it);
      return code;
    }
  }
  return 0;
}

int FaultInjection::Calls(const std::string& name) const {
  const auto it = calls_.find(name);
  return it == calls_.end() ? 0 : it->second;
}

bool FaultInjection::TableHidden(const std::string& name) const {
  return std::find(hidden_.begin(), hidden_.end(), name) != hidden_.end();
}

ASUns32 FaultInjection::OfferedVersion(const std::string& name, ASUns32 hostVersion) const {
  const auto it = offeredBelow_.find(name);
  if (it == offeredBelow_.end()) return hostVersion;
  return std::min(hostVersion, it->second - 1);
}

}  // namespace standin
