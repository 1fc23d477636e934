#include "tests/projectfile/scratch_file.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

ScratchFile::ScratchFile() {
  char folder[MAX_PATH];
  char name[MAX_PATH];
  if (GetTempPathA(MAX_PATH, folder) == 0 || GetTempFileNameA(folder, "vli", 0, name) == 0) {
    throw std::runtime_error("no temporary file");
  }
  path_ = name;
}

ScratchFile::~ScratchFile() { DeleteFileA(path_.c_str()); }

void ScratchFile::Write(const std::string& bytes) const {
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ScratchFile::Read() const {
  std::ifstream in(path_, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
