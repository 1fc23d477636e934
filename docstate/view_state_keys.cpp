#include "docstate/view_state_keys.h"

StateKey ClassifyStateKey(std::string_view key) {
  if (key == kAllStateKey) return StateKey::kAllState;
  if (key == kPageModeKey) return StateKey::kPageMode;
  if (key == kLayoutModeKey) return StateKey::kLayoutMode;
  if (key == kSplitterPositionKey) return StateKey::kSplitterPosition;
  if (key == kPageKey) return StateKey::kPage;
  if (key == kZoomKey) return StateKey::kZoom;
  if (key == kTopSpotKey) return StateKey::kTopSpot;
  if (key == kActiveKey) return StateKey::kActive;
  return StateKey::kOther;
}
