// The host's tool bar shown as a tool bar control: its buttons in their
// order, a button with a picture drawn from the bitmap its maker gave (the
// plug-in's), one without as its name, the help text as tool tip. A click
// sends kCommandToolButton + the button's place on the bar.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/scoped_handle.h"
#include "standin/interface/tool_bar.h"

namespace standin {

class ReaderToolBar {
 public:
  void Create(HWND parent);
  // Rebuilds the control when the bar's buttons are not the ones shown.
  void Show(const ToolBar& bar);
  HWND Handle() const { return window_.get(); }
  // The button at `place` as last shown, or nullptr.
  const ToolButtonRecord* ButtonAt(std::size_t place) const;

 private:
  // What a button looks like and does: a change to any of it redraws the bar.
  struct Shown {
    const ToolButtonRecord* button;
    void* icon;
    bool works;
    std::string text;  // the control reads its texts from here
    bool operator==(const Shown&) const = default;
  };

  WindowHandle window_;
  ImageList images_;
  std::vector<Shown> shown_;
};

// Whether the reader does something for a click on `button`: its own Open,
// or a maker's execute procedure.
bool ButtonWorks(const ToolButtonRecord& button);

}  // namespace standin
