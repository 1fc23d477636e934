// One child window of the reader per open document: it shows the document's
// name, page count and view state (page, zoom, scroll spot, layout mode,
// page mode, splitter) straight from the host's document record, and draws
// the navigation pane and the page to match.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "standin/interface/documents.h"

namespace standin {

constexpr char kDocumentWindowClass[] = "VelloraStandinDocument";

// Messages a document window sends to the reader's main window.
enum : UINT {
  kDocumentActivated = WM_APP + 1,  // lParam: the window the user brought to the front
  kDocumentCloseAsked,              // lParam: the window whose close box was clicked
};

// A document window in the reader's MDI client, titled with the file's name.
HWND CreateDocumentWindow(HWND mdiClient, Document& document);
Document* DocumentOfWindow(HWND window);

// The lines that describe a document, as its window shows them.
std::vector<std::string> DescribeDocument(const Document& document);

}  // namespace standin
