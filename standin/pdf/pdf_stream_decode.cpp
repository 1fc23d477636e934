#include "standin/pdf/pdf_stream_decode.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace standin::pdf {
namespace {

// Larger than any cross-reference or object stream of a real file; a
// "zip bomb" stops here.
constexpr std::size_t kMaxDecodedSize = std::size_t{64} << 20;

std::optional<std::string> Inflate(std::string_view raw, std::string& problem) {
  z_stream zip{};
  if (inflateInit(&zip) != Z_OK) {
    problem = "the decompressor could not start";
    return std::nullopt;
  }
  std::string out;
  std::array<unsigned char, 16384> chunk;
  zip.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.data()));
  zip.avail_in = static_cast<uInt>(raw.size());
  int status = Z_OK;
  while (status == Z_OK) {
    zip.next_out = chunk.data();
    zip.avail_out = static_cast<uInt>(chunk.size());
    status = inflate(&zip, Z_NO_FLUSH);
    out.append(reinterpret_cast<const char*>(chunk.data()), chunk.size() - zip.avail_out);
    if (out.size() > kMaxDecodedSize) {
      status = Z_MEM_ERROR;
      break;
    }
  }
  inflateEnd(&zip);
  // Data that simply stops (the end marker cut off) still gives what it holds.
  if (status == Z_STREAM_END || (status == Z_BUF_ERROR && zip.avail_in == 0)) return out;
  problem = status == Z_MEM_ERROR ? "a compressed stream is too large" : "a compressed stream is damaged";
  return std::nullopt;
}

int Parameter(const Object* parameters, std::string_view key, int fallback) {
  if (parameters == nullptr) return fallback;
  const auto value = parameters->IntegerAt(key);
  return value && *value > 0 && *value < 1 << 16 ? static_cast<int>(*value) : fallback;
}

int Paeth(int left, int up, int upLeft) {
  const int p = left + up - upLeft;
  const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upLeft);
  if (pa <= pb && pa <= pc) return left;
  return pb <= pc ? up : upLeft;
}

// Undoes a predictor: 2 (TIFF, 8 bits per component) or 10 to 15 (PNG, each
// row led by its filter type).
std::optional<std::string> Unpredict(std::string data, const Object* parameters, std::string& problem) {
  const int predictor = Parameter(parameters, "Predictor", 1);
  if (predictor == 1) return data;
  const int colors = Parameter(parameters, "Colors", 1);
  const int bits = Parameter(parameters, "BitsPerComponent", 8);
  const int columns = Parameter(parameters, "Columns", 1);
  const std::size_t pixel = std::max(1, colors * bits / 8);
  const std::size_t row = (static_cast<std::size_t>(colors) * bits * columns + 7) / 8;
  if (predictor == 2 && bits == 8) {
    for (std::size_t start = 0; start < data.size(); start += row)
      for (std::size_t i = start + pixel; i < std::min(start + row, data.size()); ++i)
        data[i] = static_cast<char>(data[i] + data[i - pixel]);
    return data;
  }
  if (predictor < 10 || predictor > 15) {
    problem = "a stream uses predictor " + std::to_string(predictor) + ", which this reader cannot undo";
    return std::nullopt;
  }
  std::string out;
  std::vector<unsigned char> previous(row, 0), current(row, 0);
  for (std::size_t at = 0; at + 1 + row <= data.size(); at += 1 + row) {
    const int type = static_cast<unsigned char>(data[at]);
    for (std::size_t i = 0; i < row; ++i) {
      const int raw = static_cast<unsigned char>(data[at + 1 + i]);
      const int left = i >= pixel ? current[i - pixel] : 0;
      const int upLeft = i >= pixel ? previous[i - pixel] : 0;
      const int up = previous[i];
      int value = raw;
      switch (type) {
        case 0: break;
        case 1: value += left; break;
        case 2: value += up; break;
        case 3: value += (left + up) / 2; break;
        case 4: value += Paeth(left, up, upLeft); break;
        default:
          problem = "a stream has a damaged row";
          return std::nullopt;
      }
      current[i] = static_cast<unsigned char>(value);
    }
    out.append(reinterpret_cast<const char*>(current.data()), row);
    previous.swap(current);
  }
  return out;
}

}  // namespace

std::optional<std::string> DecodeStream(const Object& dictionary, std::string_view raw, std::string& problem) {
  // /Filter and /DecodeParms: one each, or arrays of the same length.
  std::vector<const Object*> filters, parameters;
  if (const Object* filter = dictionary.Find("Filter")) {
    if (filter->Is(Object::Kind::kArray)) {
      for (const Object& item : filter->items) filters.push_back(&item);
    } else {
      filters.push_back(filter);
    }
  }
  if (const Object* given = dictionary.Find("DecodeParms")) {
    if (given->Is(Object::Kind::kArray)) {
      for (const Object& item : given->items) parameters.push_back(&item);
    } else {
      parameters.push_back(given);
    }
  }
  std::string data(raw);
  for (std::size_t i = 0; i < filters.size(); ++i) {
    const Object* filter = filters[i];
    const Object* parameter = i < parameters.size() && parameters[i]->Is(Object::Kind::kDictionary) ? parameters[i]
                                                                                                   : nullptr;
    if (!filter->Is(Object::Kind::kName) || (filter->text != "FlateDecode" && filter->text != "Fl")) {
      problem = "a stream is compressed with " + (filter->Is(Object::Kind::kName) ? filter->text : "an unnamed filter") +
                ", which this reader cannot decode";
      return std::nullopt;
    }
    auto inflated = Inflate(data, problem);
    if (!inflated) return std::nullopt;
    auto plain = Unpredict(std::move(*inflated), parameter, problem);
    if (!plain) return std::nullopt;
    data = std::move(*plain);
  }
  return data;
}

}  // namespace standin::pdf
