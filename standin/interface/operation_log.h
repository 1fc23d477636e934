// The log of everything that crossed between the stand-in host and the
// plug-in: each host operation the plug-in called and each call the host made
// into the plug-in, in order, with arguments and answer.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace standin {

struct LogEntry {
  enum class Kind { kHostOperation, kPlugInCall };
  Kind kind = Kind::kHostOperation;
  std::string name;
  std::vector<std::string> args;
  std::string result;  // "raised 0x...", a value, or empty for no answer
  int depth = 0;       // nesting: 0 for the host's own calls into the plug-in

  // "Name(arg, arg) -> result"
  std::string Text() const;
};

class OperationLog {
 public:
  std::size_t Begin(LogEntry::Kind kind, const char* name, std::vector<std::string> args);
  void End(std::size_t index, std::string result);

  const std::vector<LogEntry>& Entries() const { return entries_; }
  // Entries of one operation or plug-in call, in order.
  std::vector<LogEntry> Find(const std::string& name) const;
  std::size_t Count(const std::string& name) const;
  // True when some entry's text contains `text`.
  bool Contains(const std::string& text) const;
  void Clear() { entries_.clear(); }
  int Depth() const { return depth_; }

 private:
  std::vector<LogEntry> entries_;
  int depth_ = 0;
};

}  // namespace standin
