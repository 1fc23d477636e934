// Small valid PDF files made on the spot for tests and the demo: a catalog,
// a page tree with /Count N and N empty pages, with a correct cross-reference
// table.
#pragma once

#include <string>

namespace standin {

std::string SamplePdf(int pages);
// Writes SamplePdf(pages) to a Windows path; false when it cannot.
bool WriteSamplePdf(const std::string& path, int pages);

}  // namespace standin
