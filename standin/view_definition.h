// The host's own 76-byte record of how a document is viewed. Little-endian:
//   0 size (16-bit, 76)   2 record version (16-bit, 1)
//   4 page (32-bit)       8 zoom type (32-bit)    12 zoom (32-bit)
//  16 left, top, right, bottom (16-bit each)
//  24 layout mode  26 page mode  28 splitter position (16-bit each)
//  30..75 zero
#pragma once

#include "host/host_interface.h"
#include "standin/documents.h"

namespace standin {

AVDocViewDef ViewDefinitionOf(const Document& document);

}  // namespace standin
