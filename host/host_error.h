// A failing host operation, as an ordinary C++ exception inside the plug-in.
#pragma once

#include <exception>

#include "host/host_interface.h"

class HostError : public std::exception {
 public:
  explicit HostError(ASErrorCode code) : code_(code) {}
  ASErrorCode code() const noexcept { return code_; }
  const char* what() const noexcept override { return "host operation raised an error"; }

 private:
  ASErrorCode code_;
};
