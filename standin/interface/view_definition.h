// The host's part of the old view-definition record (AVDocGetViewDef): the
// parts whose use... flag the caller set, from the same view the host's
// getters report.
//   page view: layout mode, page number, zoom type and zoom, the top-left
//              point of the aperture;
//   overview:  the page mode and the splitter position;
//   window:    the document window's frame, here the page view's rectangle.
// Nothing else of the record is written.
#pragma once

#include "host/host_interface.h"
#include "standin/interface/documents.h"

namespace standin {

void FillViewDefinition(const Document& document, AVDocViewDef& def);

}  // namespace standin
