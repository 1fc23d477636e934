// What the user's view commands (keys, the View menu) do to a document: the
// same fields the host operations read and set for a plug-in.
#pragma once

#include <string>

#include "standin/interface/documents.h"

namespace standin {

void ApplyViewCommand(Document& document, int command);

// Names of the host's codes, for people.
std::string ZoomTypeName(ASInt32 zoomType);
std::string LayoutModeName(ASInt16 layoutMode);
std::string PageModeName(ASInt16 pageMode);

}  // namespace standin
