// The host's stack of exception frames: its own record of each frame pushed,
// the plug-in's jump buffer and restore procedure, never written into. A
// raise remembers the code and calls the top frame's restore procedure,
// which never returns; the frame's owner pops the frame itself and then asks
// the code.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "host/host_interface.h"

namespace standin {

class ExceptionFrames {
 public:
  // Called for a misuse that a test must see (a pop with no frame).
  explicit ExceptionFrames(std::function<void(const std::string&)> violation) : violation_(std::move(violation)) {}

  void Push(void* env, ASRestoreProc restore);
  void Pop();
  // The jump buffer of the top frame, or none.
  void* Top() const { return stack_.empty() ? nullptr : stack_.back().env; }
  std::size_t Depth() const { return stack_.size(); }
  // Drops frames above `depth` (recovery after a plug-in left its stack unbalanced).
  void TruncateTo(std::size_t depth);
  // The code of the most recent raise.
  ASErrorCode LastError() const { return lastError_; }

  // Remembers `code` and calls the top frame's restore procedure with its
  // jump buffer; the frame stays pushed. Never returns: with no frame, or a
  // restore procedure that returns, the process ends with a message (the
  // error would otherwise be lost silently).
  [[noreturn]] void Raise(ASErrorCode code);

 private:
  struct Frame {
    void* env;
    ASRestoreProc restore;
  };
  std::vector<Frame> stack_;
  ASErrorCode lastError_ = 0;
  std::function<void(const std::string&)> violation_;
};

}  // namespace standin
