// Text that the host allocated for the plug-in (path text). Owned here and
// given back to the host with ASfree when the owner goes away, on every path.
#pragma once

#include <cstring>
#include <utility>

#include "host/host_error.h"
#include "host/host_operations.h"

class HostText {
 public:
  HostText() = default;
  explicit HostText(char* text) : text_(text) {}
  HostText(const HostText&) = delete;
  HostText& operator=(const HostText&) = delete;
  HostText(HostText&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  HostText& operator=(HostText&& other) noexcept {
    if (this != &other) {
      Release();
      text_ = std::exchange(other.text_, nullptr);
    }
    return *this;
  }
  ~HostText() { Release(); }

  const char* get() const { return text_; }
  explicit operator bool() const { return text_ != nullptr; }
  bool Equals(const HostText& other) const {
    return text_ != nullptr && other.text_ != nullptr && std::strcmp(text_, other.text_) == 0;
  }

 private:
  void Release() noexcept {
    if (text_ == nullptr) return;
    try {
      host::ASfree(std::exchange(text_, nullptr));
    } catch (const HostError&) {
      // The host refused to take its memory back; nothing more can be done.
    }
  }
  char* text_ = nullptr;
};
