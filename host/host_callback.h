// A host callback made for a plug-in function for the length of one task (an
// enumeration), destroyed again when the task is over.
#pragma once

#include "host/host_api.h"
#include "host/host_operations.h"

class HostCallback {
 public:
  explicit HostCallback(void* proc) : callback_(host::ASCallbackCreate(Host().extensionId, proc)) {}
  HostCallback(const HostCallback&) = delete;
  HostCallback& operator=(const HostCallback&) = delete;
  ~HostCallback() {
    try {
      host::ASCallbackDestroy(callback_);
    } catch (const HostError&) {
      // Nothing more can be done about a callback the host will not take back.
    }
  }
  ASCallback get() const { return callback_; }

 private:
  ASCallback callback_;
};
