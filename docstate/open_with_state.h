// Opening one document and applying its view-state string to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "docstate/state_items.h"
#include "host/host_interface.h"

// Opens the document at `path` (the host's device-independent path text, such
// as /C/Docs/a.pdf) and, when a state is given (an empty one included),
// applies its items in string order inside one batch of page-view changes.
// Gives true when the host opened the document. The state text is only read.
// Host errors propagate as HostError.
bool OpenWithState(std::string_view path, std::optional<std::string_view> state);

// Applies one item to an open document. Items with an unknown key, a two-part
// value without ":", or a number that does not fit the host's field are left
// alone; ALLSTATE and ACTIVE are never applied.
void ApplyStateItem(AVDoc doc, const StateItem& item);

// Shows `page` (0-based) when it is a page of the document; a negative number
// or one at or beyond the page count leaves the page as it is.
void GoToPageInRange(AVDoc doc, std::int32_t page);
