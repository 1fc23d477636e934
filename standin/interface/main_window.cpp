#include "standin/interface/main_window.h"

namespace standin {
namespace {
constexpr char kTitle[] = "Stand-in PDF reader";
}  // namespace

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && self->handler_) return self->handler_(window, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterWindowClass(const char* name, WNDPROC procedure, LPCSTR icon, HBRUSH background) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hIcon = LoadIconA(nullptr, icon);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

MainWindow::MainWindow() {
  RegisterWindowClass(kMainWindowClass, Procedure, reinterpret_cast<LPCSTR>(IDI_APPLICATION),
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  window_ = CreateWindowExA(0, kMainWindowClass, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                            CW_USEDEFAULT, 800, 600, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window_ != nullptr) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MainWindow::~MainWindow() {
  if (window_ == nullptr) return;
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

}  // namespace standin
