// Page counts read from PDF files in the forms writers make them, and
// damaged files refused with a reason rather than a guessed count.
#include "standin/pdf/pdf_page_count.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "standin/pdf/sample_pdf.h"

namespace {

using standin::CrossReference;
using standin::PdfWriter;

// Catalog 1 and page tree 2 of `pages` pages, packed into an object stream or not.
PdfWriter Pdf(int pages, CrossReference form, bool packed = false) {
  PdfWriter writer;
  auto add = [&](int number, std::string body) {
    packed ? writer.AddPacked(number, std::move(body)) : writer.Add(number, std::move(body));
  };
  add(1, "<< /Type /Catalog /Pages 2 0 R >>");
  add(2, standin::PageTree(2, pages));
  for (int i = 1; i <= pages; ++i) writer.Add(2 + i, standin::PageObject(2));
  writer.EndSection(form, 1);
  return writer;
}

// An update appended to `base` that gives page tree `tree` `pages` pages and,
// when `root` is not 1, a new catalog `root` naming that tree.
std::string Update(const PdfWriter& base, CrossReference form, int tree, int pages, int root = 1) {
  PdfWriter update(base.Bytes(), base.LastSection());
  if (root != 1) update.AddPacked(root, "<< /Type /Catalog /Pages " + std::to_string(tree) + " 0 R >>");
  update.Add(tree, standin::PageTree(tree, pages));
  for (int i = 1; i <= pages; ++i) update.Add(tree + i, standin::PageObject(tree));
  update.EndSection(form, root);
  return update.Bytes();
}

// Objects 1, 2, ... in a file with a classic table.
std::string Objects(const std::vector<std::string>& bodies) {
  PdfWriter writer;
  for (std::size_t i = 0; i < bodies.size(); ++i) writer.Add(static_cast<int>(i) + 1, bodies[i]);
  writer.EndSection(CrossReference::kTable, 1);
  return writer.Bytes();
}

// `bytes` with the first `from` after byte `after` replaced by `to`.
std::string Replace(std::string bytes, const std::string& from, const std::string& to, std::size_t after = 0) {
  const std::size_t at = bytes.find(from, bytes.find(after == 0 ? from : "stream", after));
  return at == std::string::npos ? "(not found: " + from + ")" : bytes.replace(at, from.size(), to);
}

TEST(PdfPageCount, FilesAsWritersMakeThemAndDamagedOnes) {
  const PdfWriter table = Pdf(3, CrossReference::kTable), stream = Pdf(4, CrossReference::kStream);
  const PdfWriter packed = Pdf(5, CrossReference::kStream, true);
  const std::string objectStream = packed.Bytes().substr(0, packed.Bytes().find("/ObjStm"));
  const struct {
    std::string bytes;
    std::optional<int> pages;
    const char* problem;
  } rows[] = {
      /* 1*/ {table.Bytes(), 3, ""},
      /* 2*/ {stream.Bytes(), 4, ""},
      /* 3*/ {packed.Bytes(), 5, ""},
      /* 4*/ {Pdf(6, CrossReference::kTableAndStream, true).Bytes(), 6, ""},
      /* 5*/ {Pdf(0, CrossReference::kTable).Bytes(), 0, ""},
      /* 6*/ {standin::SamplePdf(250), 250, ""},
      // Incremental updates: the last definition of an object wins.
      /* 7*/ {Update(table, CrossReference::kTable, 2, 7), 7, ""},
      /* 8*/ {Update(table, CrossReference::kStream, 2, 8), 8, ""},
      /* 9*/ {Update(packed, CrossReference::kTableAndStream, 20, 9, 30), 9, ""},
      // Names, strings, numbers, comments and nesting as writers put them,
      // and a page count given as a reference.
      /*10*/ {Objects({"<< /Type /Catalog /Pages 2 0 R /Names (a\\) (b) c) /ID <af 09> >> % a comment",
                       "<</Type/Pages/Kids[3 0 R]/Count 4 0 R/X<</Y[1 -2.5 .5 true null]>>>>",
                       standin::PageObject(2), "1"}),
              1, ""},
      /*11*/ {Replace(table.Bytes(), "/Root", "/Prev " + std::to_string(table.LastSection()) + " /Root"), 3, ""},
      // Refused, with the reason.
      /*12*/ {"hello, world", std::nullopt, "not a PDF file"},
      /*13*/ {table.Bytes().substr(0, table.Bytes().size() / 2), std::nullopt, "cut short"},
      /*14*/ {Replace(table.Bytes(), "startxref\n" + std::to_string(table.LastSection()), "startxref\n5"), std::nullopt,
              "cross-reference section at byte 5 is damaged"},
      /*15*/ {Replace(table.Bytes(), "2 0 obj", "2 0 obx"), std::nullopt, "object 2 cannot be read at byte"},
      /*16*/ {Replace(stream.Bytes(), "x", "y", stream.LastSection()), std::nullopt, "compressed stream is damaged"},
      /*17*/ {Replace(packed.Bytes(), "x", "y", objectStream.size()), std::nullopt, "object stream 8 cannot be read"},
      /*18*/ {Replace(packed.Bytes(), "/Root", "/Encrypt 99 0 R /Root"), std::nullopt, "encrypted"},
      /*19*/ {Replace(table.Bytes(), "/Count 3 >>", "/Count -3>>"), std::nullopt, "gives -3 pages"},
      /*20*/ {Replace(table.Bytes(), "/Count 3", "/Count()"), std::nullopt, "no page count"},
      /*21*/ {Replace(table.Bytes(), "/Pages 2", "/Pages 9"), std::nullopt, "page tree cannot be read"},
      /*22*/ {Replace(table.Bytes(), "/Root", "/Rot"), std::nullopt, "no document catalog"},
      /*23*/ {Objects({"<< /Pages 2 0 R >>", "<< /Count 1 /Kids " + std::string(70, '[') + std::string(70, ']') + " >>"}),
              std::nullopt, "object 2 cannot be read at"},
  };
  int row = 0;
  for (const auto& r : rows) {
    ++row;
    const standin::PdfPageCount count = standin::ReadPdfPageCount(r.bytes);
    EXPECT_EQ(count.pages, r.pages) << "row " << row << ": " << count.problem;
    EXPECT_NE(count.problem.find(r.problem), std::string::npos) << "row " << row << ": " << count.problem;
    EXPECT_EQ(count.pages.has_value(), count.problem.empty()) << "row " << row;
  }
}

}  // namespace
