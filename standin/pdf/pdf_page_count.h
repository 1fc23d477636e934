// The page count of a PDF file: the /Count of the page tree that the
// document catalog's /Pages names, found through the file's
// cross-reference sections (see pdf_file.h). A file that cannot be read
// gives a reason instead of a count, never a guess.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace standin {

struct PdfPageCount {
  std::optional<std::int32_t> pages;  // none when the file cannot be read
  std::string problem;           // why not, for the user: "it is not a PDF file (...)"
};

PdfPageCount ReadPdfPageCount(std::string_view bytes);

}  // namespace standin
