// The data of a PDF stream object after its filters: FlateDecode (zlib) with
// or without a PNG or TIFF predictor, which is what cross-reference streams
// and object streams use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "standin/pdf/pdf_syntax.h"

namespace standin::pdf {

// The decoded data of a stream whose dictionary is `dictionary`; none, with
// `problem` saying why, for a filter this reader does not know or damaged
// data.
std::optional<std::string> DecodeStream(const Object& dictionary, std::string_view raw, std::string& problem);

}  // namespace standin::pdf
