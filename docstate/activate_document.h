// Bringing an open document to the front through the host's "Window" menu.
#pragma once

#include <cstdint>
#include <vector>

// Executes the "Window" menu's entry for the document at position `n`
// (0-based, in the menu's order: the documents follow the item
// "WindowMenuSeparator"). Nothing happens for a negative `n` or when the menu,
// the separator or the entry is not there. Every menu and item acquired is
// released once. Host errors propagate as HostError.
void ActivateNthDocument(std::int32_t n);

// Brings entry `active` of a list to the front once the entries were opened
// in order, opened[i] telling whether entry i opened: its document's position
// counts the entries that opened before it. Nothing is activated when that
// entry did not open or there is no such entry.
void ActivateOpenedEntry(const std::vector<bool>& opened, std::int32_t active);
