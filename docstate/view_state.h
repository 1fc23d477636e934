// One document's view state and its text form, the view-state string.
//
// The string is one line of "&"-joined items, each a key, "=" and a value, in
// a fixed order:
//   ALLSTATE=<152 hex digits>&PAGEMODE=<n>&LAYOUTMODE=<n>&SPLITTERPOSTION=<n>
//   &PAGE=<n>&ZOOM_TYPE-VALUE=<n>:<n>.000000&TOPSPOT_LEFT-TOP=<n>:<n>[&ACTIVE=TRUE]
// It never holds "?", a blank or a line break, so the project file can store
// it after a path and a "?".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Size of the host's view-definition record, which is carried as opaque bytes.
inline constexpr std::size_t kViewDefinitionByteCount = 76;

// Every string the builder makes fits this buffer with its terminating NUL
// (the longest, with every number at its most negative, is 325 characters).
inline constexpr std::size_t kViewStateBufferSize = 512;

// Buffer for the hexadecimal text of the view definition.
inline constexpr std::size_t kViewDefinitionHexBufferSize = 1024;

struct ViewState {
  std::array<unsigned char, kViewDefinitionByteCount> viewDefinition{};
  std::int16_t pageMode = 0;
  std::int16_t layoutMode = 0;
  std::int16_t splitterPosition = 0;
  std::int32_t page = 0;  // 0-based
  std::int32_t zoomType = 0;
  std::int32_t zoom = 0;  // raw value as the host carries it
  std::int16_t spotLeft = 0;
  std::int16_t spotTop = 0;
  bool active = false;  // the host's active document at capture
};

// The view-state string of `state`. Every item is written whatever its value;
// ACTIVE=TRUE only for the active document.
std::string BuildViewStateString(const ViewState& state);
