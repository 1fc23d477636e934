#include "standin/interface/operation_log.h"

namespace standin {

std::string LogEntry::Text() const {
  std::string text = name + "(";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i > 0) text += ", ";
    text += args[i];
  }
  text += ")";
  if (!result.empty()) text += " -> " + result;
  return text;
}

std::size_t OperationLog::Begin(LogEntry::Kind kind, const char* name, std::vector<std::string> args) {
  entries_.push_back({kind, name, std::move(args), {}, depth_});
  ++depth_;
  return entries_.size() - 1;
}

void OperationLog::End(std::size_t index, std::string result) {
  if (depth_ > 0) --depth_;
  if (index < entries_.size()) entries_[index].result = std::move(result);
}

std::vector<LogEntry> OperationLog::Find(const std::string& name) const {
  std::vector<LogEntry> found;
  for (const LogEntry& entry : entries_)
    if (entry.name == name) found.push_back(entry);
  return found;
}

std::size_t OperationLog::Count(const std::string& name) const {
  std::size_t count = 0;
  for (const LogEntry& entry : entries_)
    if (entry.name == name) ++count;
  return count;
}

bool OperationLog::Contains(const std::string& text) const {
  for (const LogEntry& entry : entries_)
    if (entry.Text().find(text) != std::string::npos) return true;
  return false;
}

}  // namespace standin
