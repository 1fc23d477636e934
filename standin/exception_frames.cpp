#include "standin/exception_frames.h"

#include <cstdio>
#include <cstdlib>

namespace standin {

void ExceptionFrames::Push(ASExceptionFrame* frame, ASRestoreProc restore) {
  frame->previous = Top();
  frame->restore = restore;
  frame->errorCode = 0;
  stack_.push_back(frame);
}

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
  ASExceptionFrame* frame = Top();
  if (frame == nullptr || frame->restore == nullptr) {
    std::fprintf(stderr, "stand-in host: FATAL: error 0x%08lX raised with no exception frame to take it\n",
                 static_cast<unsigned long>(code));
    std::fflush(stderr);
    std::abort();
  }
  frame->errorCode = code;
  frame->restore(frame);
  std::fprintf(stderr, "stand-in host: FATAL: the restore procedure of a frame returned (error 0x%08lX)\n",
               static_cast<unsigned long>(code));
  std::fflush(stderr);
  std::abort();
}

}  // namespace standin
