// The host's main frame window: a real top-level window, created hidden. The
// plug-in gets it as the owner of its own windows. The reader program builds
// its frame on it (menu, tool bar, document windows) and handles its
// messages from then on.
#pragma once

#include <windows.h>

#include <functional>

namespace standin {

constexpr char kMainWindowClass[] = "VelloraStandinHostMain";

// Registers a window class of this program once; later calls do nothing.
void RegisterWindowClass(const char* name, WNDPROC procedure, LPCSTR icon, HBRUSH background);

class MainWindow {
 public:
  using MessageHandler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

  MainWindow();
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  HWND Handle() const { return window_; }
  // Who handles the window's messages; none gives them back to the default.
  void SetMessageHandler(MessageHandler handler) { handler_ = std::move(handler); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  MessageHandler handler_;
};

}  // namespace standin
