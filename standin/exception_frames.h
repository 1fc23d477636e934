// The host's stack of exception frames. A raise writes the error code into
// the top frame and calls its restore procedure, which never returns; the
// frame's owner pops the frame itself.
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

  void Push(ASExceptionFrame* frame, ASRestoreProc restore);
  void Pop();
  ASExceptionFrame* Top() const { return stack_.empty() ? nullptr : stack_.back(); }
  std::size_t Depth() const { return stack_.size(); }
  // Drops frames above `depth` (recovery after a plug-in left its stack unbalanced).
  void TruncateTo(std::size_t depth);
  ASErrorCode LastError() const { return lastError_; }

  // Hands `code` to the top frame's restore procedure. Never returns: with no
  // frame, or a restore procedure that returns, the process ends with a
  // message (the error would otherwise be lost silently).
  [[noreturn]] void Raise(ASErrorCode code);

 private:
  std::vector<ASExceptionFrame*> stack_;
  ASErrorCode lastError_ = 0;
  std::function<void(const std::string&)> violation_;
};

}  // namespace standin
