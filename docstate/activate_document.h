// Bringing an open document to the front through the host's "Window" menu.
#pragma once

#include <cstdint>

// Executes the "Window" menu's entry for the document at position `n`
// (0-based, in the menu's order: the documents follow the item
// "WindowMenuSeparator"). Nothing happens for a negative `n` or when the menu,
// the separator or the entry is not there. Every menu and item acquired is
// released once. Host errors propagate as HostError.
void ActivateNthDocument(std::int32_t n);
