#include "standin/interface/operation_entry.h"

#include "standin/interface/standin_host.h"

namespace standin {

std::string FormatArg(const char* text) {
  if (text == nullptr) return "null";
  return std::string("\"") + text + "\"";
}

std::string FormatArg(const void* pointer) { return FormatPointer(pointer); }

std::string FormatArg(HFT table) {
  if (const HostTableRecord* record = CurrentHost().Tables().FindByPointer(table)) return record->name + " table";
  return FormatPointer(table);
}

std::string FormatArg(ASExtension extension) {
  if (extension == CurrentHost().ExtensionId()) return "extension id";
  return FormatPointer(extension);
}

std::string FormatArg(AtomArg atom) {
  const char* text = CurrentHost().Atoms().GetString(atom.atom);
  return std::to_string(atom.atom) + (text != nullptr ? std::string(" \"") + text + "\"" : std::string(" (no atom)"));
}

std::string FormatArg(HexArg value) { return HexText(value.value); }

std::string RaisedText(ASErrorCode code) { return "raised " + HexText(static_cast<ASUns32>(code)); }

std::size_t BeginOperation(const char* name, std::vector<std::string> args, ASErrorCode& fault) {
  StandinHost& host = CurrentHost();
  fault = host.Faults().CountCall(name);
  return host.Log().Begin(LogEntry::Kind::kHostOperation, name, std::move(args));
}

void EndOperation(std::size_t entry, std::string result) {
  StandinHost& host = CurrentHost();
  host.Log().End(entry, std::move(result));
  host.Changed();
}

void RaiseToPlugIn(ASErrorCode code) { CurrentHost().Frames().Raise(code); }

}  // namespace standin
