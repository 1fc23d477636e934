// The page count of a PDF file: the /Count of the page tree that the
// document catalog's /Pages names.
#pragma once

#include <optional>
#include <string_view>

#include "host/host_interface.h"

namespace standin {

// None when the bytes are not a PDF with a readable page tree count.
std::optional<ASInt32> PdfPageCount(std::string_view bytes);

}  // namespace standin
