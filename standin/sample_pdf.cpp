#include "standin/sample_pdf.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace standin {

std::string SamplePdf(int pages) {
  if (pages < 0) pages = 0;
  std::vector<std::string> objects;
  objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (int i = 0; i < pages; ++i) kids += (i > 0 ? " " : "") + std::to_string(3 + i) + " 0 R";
  objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
  for (int i = 0; i < pages; ++i) objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>");

  std::string pdf = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (const std::size_t offset : offsets) {
    char line[24];
    std::snprintf(line, sizeof line, "%010llu 00000 n \n", static_cast<unsigned long long>(offset));
    pdf += line;
  }
  pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

bool WriteSamplePdf(const std::string& path, int pages) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string pdf = SamplePdf(pages);
  out.write(pdf.data(), static_cast<std::streamsize>(pdf.size()));
  return static_cast<bool>(out);
}

}  // namespace standin
