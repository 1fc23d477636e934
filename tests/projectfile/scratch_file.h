#pragma once
// A file of its own under the temporary folder for one test, removed again
// at the end; tests that run in parallel never share one.
#include <string>

class ScratchFile {
 public:
  ScratchFile();
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }
  void Write(const std::string& bytes) const;
  std::string Read() const;  // empty when absent

 private:
  std::string path_;
};
