#include "standin/pdf/sample_pdf.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace standin {
namespace {

std::string Deflate(const std::string& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
            static_cast<uLong>(data.size()), Z_BEST_COMPRESSION);
  out.resize(size);
  return out;
}

// A cross-reference stream row: type (1 byte), offset or stream (4), generation or index (2).
std::string Row(int type, std::size_t second, int third) {
  const unsigned char bytes[7] = {static_cast<unsigned char>(type),       static_cast<unsigned char>(second >> 24),
                                  static_cast<unsigned char>(second >> 16), static_cast<unsigned char>(second >> 8),
                                  static_cast<unsigned char>(second),       static_cast<unsigned char>(third >> 8),
                                  static_cast<unsigned char>(third)};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

std::string Stream(int number, const std::string& dictionary, const std::string& data) {
  return std::to_string(number) + " 0 obj\n<< " + dictionary + " /Length " + std::to_string(data.size()) +
         " /Filter /FlateDecode >>\nstream\n" + data + "\nendstream\nendobj\n";
}

}  // namespace

std::string PageTree(int tree, int pages) {
  std::string kids;
  for (int i = 1; i <= pages; ++i) kids += (i > 1 ? " " : "") + std::to_string(tree + i) + " 0 R";
  return "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>";
}

std::string PageObject(int tree) {
  return "<< /Type /Page /Parent " + std::to_string(tree) + " 0 R /MediaBox [0 0 612 792] >>";
}

std::string SamplePdf(int pages) {
  pages = std::max(pages, 0);
  PdfWriter writer;
  writer.Add(1, "<< /Type /Catalog /Pages 2 0 R >>");
  writer.Add(2, PageTree(2, pages));
  for (int i = 1; i <= pages; ++i) writer.Add(2 + i, PageObject(2));
  writer.EndSection(CrossReference::kTable, 1);
  return writer.Bytes();
}

bool WriteSamplePdf(const std::string& path, int pages) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string pdf = SamplePdf(pages);
  out.write(pdf.data(), static_cast<std::streamsize>(pdf.size()));
  return static_cast<bool>(out);
}

void PdfWriter::EndSection(CrossReference form, int root) {
  for (const auto& objects : {plain_, packed_})
    if (!objects.empty()) size_ = std::max(size_, objects.rbegin()->first + 1);
  // Where each object went: offsets for a table, rows for a stream. A table
  // cannot list packed objects, so they always go to a stream.
  std::map<int, std::size_t> tableOffsets;
  std::map<int, std::string> streamRows;
  const auto place = [&](int number) {
    if (form == CrossReference::kStream) {
      streamRows[number] = Row(1, bytes_.size(), 0);
    } else {
      tableOffsets[number] = bytes_.size();
    }
  };
  if (!packed_.empty()) {
    const int holder = size_++;
    std::string header, body;
    int index = 0;
    for (const auto& [number, text] : packed_) {
      header += std::to_string(number) + " " + std::to_string(body.size()) + " ";
      body += text + "\n";
      streamRows[number] = Row(2, static_cast<std::size_t>(holder), index++);
    }
    place(holder);
    bytes_ += Stream(holder, "/Type /ObjStm /N " + std::to_string(packed_.size()) + " /First " +
                                 std::to_string(header.size()),
                     Deflate(header + body));
  }
  for (const auto& [number, text] : plain_) {
    place(number);
    bytes_ += std::to_string(number) + " 0 obj\n" + text + "\nendobj\n";
  }
  std::string trailer = "/Root " + std::to_string(root) + " 0 R";
  if (lastSection_ != 0) trailer += " /Prev " + std::to_string(lastSection_);
  if (form == CrossReference::kTableAndStream) {
    const std::size_t at = bytes_.size();
    bytes_ += XrefStream(size_++, streamRows, "");
    trailer += " /XRefStm " + std::to_string(at);
  }
  lastSection_ = bytes_.size();
  if (form == CrossReference::kStream) {
    bytes_ += XrefStream(size_++, streamRows, trailer);
  } else {
    bytes_ += "xref\n0 1\n0000000000 65535 f \n";
    for (const auto& [number, offset] : tableOffsets) {
      char line[48];
      std::snprintf(line, sizeof line, "%d 1\n%010llu 00000 n \n", number, static_cast<unsigned long long>(offset));
      bytes_ += line;
    }
    bytes_ += "trailer\n<< /Size " + std::to_string(size_) + " " + trailer + " >>\n";
  }
  bytes_ += "startxref\n" + std::to_string(lastSection_) + "\n%%EOF\n";
  plain_.clear();
  packed_.clear();
}

std::string PdfWriter::XrefStream(int number, const std::map<int, std::string>& rows, const std::string& trailer) {
  // The rows with the PNG "up" predictor, as writers compress them.
  std::map<int, std::string> all = rows;
  all[number] = Row(1, bytes_.size(), 0);
  std::string index, data, previous(7, '\0');
  for (const auto& [objectNumber, row] : all) {
    index += std::to_string(objectNumber) + " 1 ";
    data += '\x02';
    for (std::size_t i = 0; i < row.size(); ++i) data += static_cast<char>(row[i] - previous[i]);
    previous = row;
  }
  const std::string dictionary = "/Type /XRef /Size " + std::to_string(std::max(size_, number + 1)) + " /W [1 4 2] /Index [" +
                                 index + "] /DecodeParms << /Columns 7 /Predictor 12 >> " + trailer;
  return Stream(number, dictionary, Deflate(data));
}

}  // namespace standin
