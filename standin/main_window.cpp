#include "standin/main_window.h"

namespace standin {
namespace {
constexpr char kClassName[] = "VelloraStandinHostMain";
constexpr char kTitle[] = "Stand-in PDF reader";

ATOM RegisterMainClass() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassA(&windowClass);
}
}  // namespace

MainWindow::MainWindow() {
  static const ATOM registered = RegisterMainClass();
  (void)registered;
  window_ = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 800, 600, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
}

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

}  // namespace standin
