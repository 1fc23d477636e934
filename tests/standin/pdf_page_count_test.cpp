// Page counts read from PDF bytes, and files the host will not open.
#include "standin/pdf_page_count.h"

#include <gtest/gtest.h>

#include "standin/sample_pdf.h"

namespace {

using standin::PdfPageCount;

TEST(PdfPageCount, GeneratedFilesGiveTheirPageCount) {
  for (const int pages : {0, 1, 2, 10, 250}) {
    EXPECT_EQ(PdfPageCount(standin::SamplePdf(pages)), pages) << pages;
  }
  EXPECT_LT(standin::SamplePdf(3).size(), 1000u);
}

TEST(PdfPageCount, TheCatalogsPageTreeCountsNotAnyOtherCount) {
  // Object 12 also has a /Count and is found first by a careless search for
  // "2 0 obj"; the catalog names object 2.
  const std::string pdf =
      "%PDF-1.4\n12 0 obj\n<< /Type /Pages /Count 99 >>\nendobj\n"
      "1 0 obj\n<< /PagesX 12 0 R /Type /Catalog /Pages 2 0 R >>\nendobj\n"
      "2 0 obj\n<< /Type /Pages /Kids [] /Count 4 >>\nendobj\n"
      "trailer\n<< /Size 3 /Root 1 0 R >>\n%%EOF\n";
  EXPECT_EQ(PdfPageCount(pdf), 4);
  // The last trailer wins (an updated file).
  EXPECT_EQ(PdfPageCount(pdf + "13 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\ntrailer\n<< /Root 13 0 R >>\n"),
            4);
}

TEST(PdfPageCount, JunkIsNotAPdf) {
  const std::string good = standin::SamplePdf(2);
  std::string lateHeader(2000, ' ');
  lateHeader += good;
  std::string noEnd = good;
  noEnd.erase(noEnd.find("endobj", noEnd.find("2 0 obj")));
  const std::string cases[] = {
      "",
      "hello, world",
      "%PDF-",
      "%PDF-1.4\ntrailer << /Root 1 0 R >>",
      "%PDF-1.4\n1 0 obj << /Pages 2 0 R >> endobj\ntrailer << /Root 1 0 R >>",
      "%PDF-1.4\n1 0 obj << /Pages 2 0 R >> endobj\n2 0 obj << /Count -3 >> endobj\ntrailer << /Root 1 0 R >>",
      "%PDF-1.4\n1 0 obj << /Pages 2 0 R >> endobj\n2 0 obj << /Count 99999999999 >> endobj\ntrailer << /Root 1 0 "
      "R >>",
      "%PDF-1.4\n1 0 obj << /Pages 2 0 R >> endobj\n2 0 obj << /Kids [] >> endobj\ntrailer << /Root 1 0 R >>",
      "%PDF-1.4\ntrailer << /Root 1 0 >>",
      lateHeader,
      noEnd,
      good.substr(0, good.size() / 2),
  };
  for (const std::string& bytes : cases) EXPECT_FALSE(PdfPageCount(bytes).has_value()) << bytes.substr(0, 80);
}

}  // namespace
