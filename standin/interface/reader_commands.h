// The commands of the reader program's menus, keys and tool bar. A program
// that drives the reader from outside (a test) posts them as WM_COMMAND to
// its main window (class kMainWindowClass).
#pragma once

namespace standin {

enum ReaderCommand : int {
  kCommandOpen = 100,  // File > Open...: the Open dialog
  kCommandCloseDocument,
  kCommandQuit,        // File > Quit: asks the plug-in's AVAppCanQuit, closes the documents, ends
  kCommandWriteState,  // no menu: writes the open documents to the --state-file now

  // View: changes to the document in front.
  kCommandNextPage = 200,
  kCommandPreviousPage,
  kCommandFirstPage,
  kCommandLastPage,
  kCommandZoomIn,
  kCommandZoomOut,
  kCommandActualSize,
  kCommandFitPage,
  kCommandFitWidth,
  kCommandScrollUp,
  kCommandScrollDown,
  kCommandScrollLeft,
  kCommandScrollRight,
  kCommandNextLayout,
  kCommandNextPageMode,
  kCommandWiderPane,
  kCommandNarrowerPane,
  kCommandLastViewCommand = kCommandNarrowerPane,

  kCommandWindowItem = 1000,  // + the item's place in the host's "Window" menu
  kCommandToolButton = 2000,  // + the button's place on the host's tool bar
};

}  // namespace standin
