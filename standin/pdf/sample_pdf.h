// PDF files made on the spot for tests and the demo. SamplePdf gives a small
// file of N empty pages; PdfWriter lays out any objects in the forms that
// writers use: a classic cross-reference table, a cross-reference stream,
// objects packed into an object stream, a file with both (/XRefStm), and
// incremental updates appended to a file.
#pragma once

#include <map>
#include <string>

namespace standin {

std::string SamplePdf(int pages);
// Writes SamplePdf(pages) to a Windows path; false when it cannot.
bool WriteSamplePdf(const std::string& path, int pages);

// "<< /Type /Pages /Kids [...] /Count N >>" for the page tree object
// `tree`, with its N pages as objects tree + 1 to tree + N.
std::string PageTree(int tree, int pages);
std::string PageObject(int tree);

enum class CrossReference { kTable, kStream, kTableAndStream };

class PdfWriter {
 public:
  // A new file, or an update appended to `file` whose last cross-reference
  // section starts at byte `lastSection`.
  PdfWriter() = default;
  PdfWriter(std::string file, std::size_t lastSection) : bytes_(std::move(file)), lastSection_(lastSection) {}

  // An object of the next section, written as it is or packed into the
  // section's object stream.
  void Add(int number, std::string body) { plain_[number] = std::move(body); }
  void AddPacked(int number, std::string body) { packed_[number] = std::move(body); }
  // Writes the section's objects and its cross-reference, with a trailer of
  // /Size, /Root `root` (an object number), /Prev for an update.
  void EndSection(CrossReference form, int root);
  const std::string& Bytes() const { return bytes_; }
  std::size_t LastSection() const { return lastSection_; }

 private:
  std::string XrefStream(int number, const std::map<int, std::string>& rows, const std::string& trailer);

  std::string bytes_ = "%PDF-1.5\n%\xe2\xe3\xcf\xd3\n";
  std::size_t lastSection_ = 0;  // 0: none yet
  int size_ = 1;                 // one past the highest object number
  std::map<int, std::string> plain_, packed_;
};

}  // namespace standin
