// The keys of the view-state string, and how a parsed key is recognised.
#pragma once

#include <string_view>

inline constexpr std::string_view kAllStateKey = "ALLSTATE";
inline constexpr std::string_view kPageModeKey = "PAGEMODE";
inline constexpr std::string_view kLayoutModeKey = "LAYOUTMODE";
inline constexpr std::string_view kSplitterPositionKey = "SPLITTERPOSTION";
inline constexpr std::string_view kPageKey = "PAGE";
inline constexpr std::string_view kZoomKey = "ZOOM_TYPE-VALUE";
inline constexpr std::string_view kTopSpotKey = "TOPSPOT_LEFT-TOP";
inline constexpr std::string_view kActiveKey = "ACTIVE";
inline constexpr std::string_view kActiveValue = "TRUE";

enum class StateKey { kAllState, kPageMode, kLayoutMode, kSplitterPosition, kPage, kZoom, kTopSpot, kActive, kOther };

// Exact, case-sensitive comparison: "page" is not PAGE, and PAGE does not
// match a prefix of PAGEMODE.
StateKey ClassifyStateKey(std::string_view key);
