// Fuzzes the reader's page counting: any bytes, and generated files of every
// cross-reference form with the input written over them at a place it
// chooses (which reaches deep into the parser at once). Nothing may crash or
// read outside its input, and every answer is a count or a reason, not both.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "standin/pdf/pdf_page_count.h"
#include "standin/pdf/sample_pdf.h"

namespace {

void Check(std::string_view bytes) {
  const standin::PdfPageCount count = standin::ReadPdfPageCount(bytes);
  if (count.pages.has_value() == !count.problem.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Check(input);
  if (size < 4) return 0;
  standin::PdfWriter writer;
  const bool packed = data[0] & 4;
  writer.Add(1, "<< /Type /Catalog /Pages 2 0 R >>");
  packed ? writer.AddPacked(2, standin::PageTree(2, data[1] % 8)) : writer.Add(2, standin::PageTree(2, data[1] % 8));
  for (int i = 1; i <= data[1] % 8; ++i) writer.Add(2 + i, standin::PageObject(2));
  writer.EndSection(static_cast<standin::CrossReference>(data[0] % 3), 1);
  std::string file = writer.Bytes();
  const std::size_t at = (data[2] << 8 | data[3]) % file.size();
  file.replace(at, std::min(size - 4, file.size() - at), input.substr(4));
  Check(file);
  return 0;
}
