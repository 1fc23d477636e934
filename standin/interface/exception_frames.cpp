#include "standin/interface/exception_frames.h"

#include <cstdio>
#include <cstdlib>

namespace standin {

void ExceptionFrames::Push(void* env, ASRestoreProc restore) { stack_.push_back({env, restore}); }

void ExceptionFrames::Pop() {
  if (stack_.empty()) {
    violation_("ASPopExceptionFrame with no frame pushed");
    return;
  }
  stack_.pop_back();
}

void ExceptionFrames::TruncateTo(std::size_t depth) {
  if (stack_.size() > depth) stack_.resize(depth);
}

void ExceptionFrames::Raise(ASErrorCode code) {
  lastError_ = code;
  if (stack_.empty() || stack_.back().restore == nullptr) {
    std::fprintf(stderr, "stand-in host: FATAL: error 0x%08lX raised with no exception frame to take it\n",
                 static_cast<unsigned long>(code));
    std::fflush(stderr);
    std::abort();
  }
  const Frame top = stack_.back();
  top.restore(top.env);
  std::fprintf(stderr, "stand-in host: FATAL: the restore procedure of a frame returned (error 0x%08lX)\n",
               static_cast<unsigned long>(code));
  std::fflush(stderr);
  std::abort();
}

}  // namespace standin
