// Bytes as lowercase hexadecimal text.
#pragma once

#include <cstddef>

// Writes two characters per byte, high nibble first, 0-9 and a-f, then a NUL.
// `out` holds at least 2 * count + 1 bytes.
void HexEncode(const unsigned char* bytes, std::size_t count, char* out);
