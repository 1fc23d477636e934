// The host's main frame window: a real top-level window, created hidden. The
// plug-in gets it as the owner of its own windows.
#pragma once

#include <windows.h>

namespace standin {

class MainWindow {
 public:
  MainWindow();
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace standin
