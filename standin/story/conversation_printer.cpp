#include "standin/story/conversation_printer.h"

#include <string>

namespace standin {

void PrintConversation(std::FILE* out, const OperationLog& log, std::size_t first) {
  const auto& entries = log.Entries();
  for (std::size_t i = first; i < entries.size(); ++i) {
    const LogEntry& entry = entries[i];
    if (entry.name == "ASPushExceptionFrame" || entry.name == "ASPopExceptionFrame") continue;
    const std::string indent(static_cast<std::size_t>(entry.depth) * 4 + 2, ' ');
    const char* direction = entry.kind == LogEntry::Kind::kPlugInCall ? "host -> plug-in:" : "plug-in -> host:";
    std::fprintf(out, "%s%s %s\n", indent.c_str(), direction, entry.Text().c_str());
  }
}

void PrintTableRequests(std::FILE* out, const std::vector<TableRequest>& requests) {
  std::fprintf(out, "  %-14s %-15s %s\n", "table", "version asked", "answer");
  for (const TableRequest& request : requests)
    std::fprintf(out, "  %-14s %-15s %s\n", request.name.c_str(), HexText(request.version).c_str(),
                 request.given ? "given" : "none (not offered at that version)");
  if (requests.empty()) std::fprintf(out, "  (none asked for)\n");
}

namespace {
const char* StepText(const std::optional<bool>& step) {
  if (!step) return "not reached";
  return *step ? "true" : "false";
}
}  // namespace

void PrintLoadReport(std::FILE* out, const LoadReport& report) {
  std::fprintf(out, "  library loaded: %s, PlugInMain found: %s\n", report.libraryLoaded ? "yes" : "no",
               report.entryFound ? "yes" : "no");
  std::fprintf(out, "  PlugInMain: %s (plug-in's handshake version %s)\n", StepText(report.mainAnswer),
               HexText(report.plugInHandshakeVersion).c_str());
  std::fprintf(out, "  set-up: %s, handshake: %s\n", StepText(report.setup), StepText(report.handshake));
  std::fprintf(out, "  extension name: \"%s\", callbacks handed over: %d of 3 (register, init, unload)\n",
               report.extensionName.c_str(), report.callbacksHandedOver);
  std::fprintf(out, "  register: %s, init: %s, start-up notification sent: %s\n", StepText(report.registered),
               StepText(report.initialized), report.started ? "yes" : "no");
  if (!report.stoppedBecause.empty()) std::fprintf(out, "  loading stopped: %s\n", report.stoppedBecause.c_str());
}

}  // namespace standin
