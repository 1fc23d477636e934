#include "standin/pdf/pdf_page_count.h"

#include <limits>

#include "standin/pdf/pdf_file.h"

namespace standin {

PdfPageCount ReadPdfPageCount(std::string_view bytes) {
  using pdf::Object;
  pdf::File file;
  PdfPageCount result;
  const auto fail = [&](std::string problem) {
    result.problem = file.Problem().empty() ? std::move(problem) : file.Problem();
    return result;
  };
  if (!file.Open(bytes)) return fail("");
  const auto catalog = file.Resolve(*file.Root());
  if (!catalog || !catalog->Is(Object::Kind::kDictionary)) return fail("its document catalog cannot be read");
  const Object* pagesEntry = catalog->Find("Pages");
  const auto pages = pagesEntry != nullptr ? file.Resolve(*pagesEntry) : std::nullopt;
  if (!pages || !pages->Is(Object::Kind::kDictionary)) return fail("its page tree cannot be read");
  const Object* countEntry = pages->Find("Count");
  const auto count = countEntry != nullptr ? file.Resolve(*countEntry) : std::nullopt;
  if (!count || !count->Is(Object::Kind::kInteger)) return fail("its page tree gives no page count");
  if (count->integer < 0 || count->integer > std::numeric_limits<std::int32_t>::max())
    return fail("its page tree gives " + std::to_string(count->integer) + " pages");
  result.pages = static_cast<std::int32_t>(count->integer);
  return result;
}

}  // namespace standin
