#include "standin/reader/screenshot.h"

#include <algorithm>
#include <vector>

#include "host/scoped_handle.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_UTF8
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace standin {

bool SaveScreenshot(HWND window, const std::string& pngPath, std::string& problem) {
  RECT rect;
  if (!IsWindowVisible(window) || !GetWindowRect(window, &rect)) {
    problem = "the window is not shown";
    return false;
  }
  // Only the part on the screen.
  rect.left = std::max(rect.left, 0L);
  rect.top = std::max(rect.top, 0L);
  rect.right = std::min<LONG>(rect.right, GetSystemMetrics(SM_CXSCREEN));
  rect.bottom = std::min<LONG>(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    problem = "the window is off the screen";
    return false;
  }
  const WindowDc screen = GetWindowDc(nullptr);
  const MemoryDc dc(CreateCompatibleDC(screen.get().dc));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const GdiObject bitmap(CreateDIBSection(screen.get().dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!screen || !dc || !bitmap || bits == nullptr) {
    problem = "no memory for the picture";
    return false;
  }
  {
    const Selection in = Select(dc.get(), bitmap.get());
    if (!BitBlt(dc.get(), 0, 0, width, height, screen.get().dc, rect.left, rect.top, SRCCOPY | CAPTUREBLT)) {
      problem = "the screen could not be read";
      return false;
    }
    GdiFlush();
  }
  // Blue, green, red, unused -> red, green, blue.
  const auto* pixels = static_cast<const unsigned char*>(bits);
  std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
  for (std::size_t i = 0, n = static_cast<std::size_t>(width) * height; i < n; ++i) {
    rgb[i * 3] = pixels[i * 4 + 2];
    rgb[i * 3 + 1] = pixels[i * 4 + 1];
    rgb[i * 3 + 2] = pixels[i * 4];
  }
  if (!stbi_write_png(pngPath.c_str(), width, height, 3, rgb.data(), width * 3)) {
    problem = "the file " + pngPath + " could not be written";
    return false;
  }
  return true;
}

}  // namespace standin
