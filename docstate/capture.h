// Capture: the documents open in the host become the default project
// "CURRENT OPENED FILES", each with its path text and view-state string, the
// project's active index on the document that was in front.
#pragma once

#include <cstdint>
#include <vector>

#include "host/host_interface.h"
#include "host/scoped_handle.h"

class ProjectStore;

// Whether a capture brings the documents to the front: the quit's and the
// window's capture bring each in turn (the state read is the front view's
// there), then the one that was in front back; a capture while the user
// works reads each document's own page view and moves nothing.
enum class CaptureActivation { kEachInTurn, kNone };

// Handed through the host's document enumeration.
struct CaptureContext {
  std::int32_t activeIndex = 0;  // position of the document found to be the active one
  std::int32_t position = 0;     // documents visited so far: the position of the one being visited
  // Index of the active document's entry in the default project. It differs
  // from activeIndex when a document before it gave no path text (and so no
  // entry): the stored index must name the entry, the re-activation the
  // position in the host's menu.
  std::int32_t activeEntry = 0;
  const HostText* activePath = nullptr;  // path text of the host's active document; none when empty
  ProjectStore* store = nullptr;         // where the default project is rebuilt
  bool activate = true;                  // CaptureActivation::kEachInTurn
  // Documents about to close, not recorded; those found open are kept in
  // stillOpen.
  const std::vector<AVDoc>* leaveOut = nullptr;
  std::vector<AVDoc> stillOpen;
};

// Empties the project store and rebuilds project 0 from the open documents.
// Documents in `leaveOut` (about to close) are not recorded; on return it
// holds only those of them that are still open.
void CaptureOpenDocuments(ProjectStore& store, CaptureActivation activation = CaptureActivation::kEachInTurn,
                          std::vector<AVDoc>* leaveOut = nullptr);

// The enumeration callback: records one document; always goes on.
ASBool CaptureDocument(AVDoc doc, void* context);

// The document's device-independent path text (host memory, released by the
// owner); empty when the host gives none.
HostText DocumentPathText(AVDoc doc);

// The 0-based number of the page the page view shows.
ASInt32 CurrentPageNumber(AVPageView view);
