#include "standin/reader/document_window.h"

#include <algorithm>

#include "host/scoped_handle.h"
#include "standin/interface/main_window.h"
#include "standin/interface/view_commands.h"

namespace standin {
namespace {

constexpr double kPointsWide = 612, kPointsHigh = 792;  // the pages drawn: US Letter
constexpr double kActualSizeScale = 0.5;                // pixels per point at 100 %
constexpr int kMargin = 16;
constexpr int kSplitterBar = 4;
constexpr int kLineHeight = 18;

const COLORREF kBackdrop = RGB(96, 104, 112);
const COLORREF kPaneColour = RGB(236, 238, 242);
const COLORREF kInfoColour = RGB(255, 250, 220);

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void Text(HDC dc, int x, int y, const std::string& text) {
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

double Scale(const PageViewRecord& view, const RECT& area) {
  const double wide = (area.right - area.left - 2 * kMargin) / kPointsWide;
  const double high = (area.bottom - area.top - 2 * kMargin) / kPointsHigh;
  switch (view.zoomType) {
    case 1: return std::max(0.05, std::min(wide, high));  // fit page
    case 2: case 4: return std::max(0.05, wide);          // fit width, fit visible width
    case 3: return std::max(0.05, high);                  // fit height
    default: return std::clamp(view.zoom / 65536.0 * kActualSizeScale, 0.02, 8.0);
  }
}

void DrawPage(HDC dc, const RECT& page, int number, int count, HFONT big) {
  const RECT shadow{page.left + 5, page.top + 5, page.right + 5, page.bottom + 5};
  Fill(dc, shadow, RGB(40, 44, 48));
  Fill(dc, page, RGB(255, 255, 255));
  const int height = page.bottom - page.top;
  // A few grey "text lines", so the page reads as a page.
  for (int line = 0; line < 12; ++line) {
    const int y = page.top + height / 4 + line * height / 24;
    const RECT bar{page.left + (page.right - page.left) / 8, y, page.right - (page.right - page.left) / (line % 3 + 6),
                   y + std::max(1, height / 120)};
    if (line % 4 != 3) Fill(dc, bar, RGB(208, 212, 218));
  }
  SetTextColor(dc, RGB(70, 90, 140));
  const Selection font = Select(dc, big);
  RECT label = page;
  label.bottom = page.top + height / 4;
  const std::string text = std::to_string(number + 1) + " / " + std::to_string(count);
  DrawTextA(dc, text.c_str(), -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawPane(HDC dc, const RECT& pane, const Document& document) {
  Fill(dc, pane, kPaneColour);
  const RECT bar{pane.right, pane.top, pane.right + kSplitterBar, pane.bottom};
  Fill(dc, bar, RGB(150, 156, 164));
  SetTextColor(dc, RGB(30, 30, 30));
  SetBkMode(dc, TRANSPARENT);
  Text(dc, pane.left + 6, pane.top + 6, document.pageMode == 3 ? "Bookmarks" : "Pages");
  for (int i = 0; i < document.pageCount && pane.top + 30 + i * kLineHeight < pane.bottom; ++i) {
    const int y = pane.top + 30 + i * kLineHeight;
    if (i == document.view.page) Fill(dc, RECT{pane.left, y - 1, pane.right, y + kLineHeight - 1}, RGB(190, 210, 240));
    Text(dc, pane.left + 12, y, "Page " + std::to_string(i + 1));
  }
}

void Paint(HWND window, HDC target) {
  RECT client;
  GetClientRect(window, &client);
  const Document* document = DocumentOfWindow(window);
  const MemoryDc dc(CreateCompatibleDC(target));
  const GdiObject bitmap(CreateCompatibleBitmap(target, std::max(1L, client.right), std::max(1L, client.bottom)));
  if (!dc || !bitmap) return;
  const Selection bitmapIn = Select(dc.get(), bitmap.get());
  const Selection fontIn = Select(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
  Fill(dc.get(), client, kBackdrop);
  if (document != nullptr) {
    const PageViewRecord& view = document->view;
    const int pane = std::clamp<int>(document->splitter, 0, client.right / 2);
    RECT area = client;
    if (pane > 0) {
      DrawPane(dc.get(), RECT{0, 0, pane, client.bottom}, *document);
      area.left = pane + kSplitterBar;
    }
    // The page, moved by the scroll spot (the top-left of the view's
    // rectangle, in device units); a one-column layout shows the next page
    // below it, a two-column one beside it.
    const double scale = Scale(view, area);
    const int wide = static_cast<int>(kPointsWide * scale), high = static_cast<int>(kPointsHigh * scale);
    const int left = area.left + kMargin - view.rect.left, top = area.top + kMargin - view.rect.top;
    const GdiObject big(CreateFontA(std::max(12, high / 10), 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0,
                                    CLEARTYPE_QUALITY, 0, "Arial"));
    const int saved = SaveDC(dc.get());
    IntersectClipRect(dc.get(), area.left, area.top, area.right, area.bottom);
    SetBkMode(dc.get(), TRANSPARENT);
    for (int k = 0; k < 2 && view.page + k < document->pageCount; ++k) {
      if (k == 1 && view.layoutMode != 2 && view.layoutMode != 3 && view.layoutMode != 4) break;
      const int dx = k == 1 && view.layoutMode != 2 ? wide + kMargin : 0;
      const int dy = k == 1 && view.layoutMode == 2 ? high + kMargin : 0;
      DrawPage(dc.get(), RECT{left + dx, top + dy, left + dx + wide, top + dy + high}, view.page + k,
               document->pageCount, static_cast<HFONT>(big.get()));
    }
    RestoreDC(dc.get(), saved);
    SetBkMode(dc.get(), TRANSPARENT);
    // What the window knows, in a box at its top right.
    const std::vector<std::string> lines = DescribeDocument(*document);
    int textWidth = 0;
    for (const std::string& line : lines) {
      SIZE size{};
      GetTextExtentPoint32A(dc.get(), line.c_str(), static_cast<int>(line.size()), &size);
      textWidth = std::max<int>(textWidth, size.cx);
    }
    // Over the pane when the page area is too narrow for it.
    const int boxLeft = std::max<int>(4, area.right - textWidth - 24);
    const RECT box{boxLeft, area.top + 8, boxLeft + textWidth + 16,
                   area.top + 16 + kLineHeight * static_cast<int>(lines.size())};
    Fill(dc.get(), box, kInfoColour);
    FrameRect(dc.get(), &box, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SetTextColor(dc.get(), RGB(0, 0, 0));
    for (std::size_t i = 0; i < lines.size(); ++i)
      Text(dc.get(), box.left + 8, box.top + 4 + kLineHeight * static_cast<int>(i), lines[i]);
  }
  BitBlt(target, 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK DocumentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND frame = GetParent(GetParent(window));
  switch (message) {
    case WM_CREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      const auto* mdi = static_cast<const MDICREATESTRUCTA*>(create->lpCreateParams);
      SetWindowLongPtrA(window, GWLP_USERDATA, mdi->lParam);
      break;
    }
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      Paint(window, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SIZE:
      InvalidateRect(window, nullptr, FALSE);
      break;
    case WM_MDIACTIVATE:
      if (reinterpret_cast<HWND>(lParam) == window)
        SendMessageA(frame, kDocumentActivated, 0, reinterpret_cast<LPARAM>(window));
      break;
    case WM_CLOSE:
      SendMessageA(frame, kDocumentCloseAsked, 0, reinterpret_cast<LPARAM>(window));
      return 0;
    default:
      break;
  }
  return DefMDIChildProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreateDocumentWindow(HWND mdiClient, Document& document) {
  RegisterWindowClass(kDocumentWindowClass, DocumentProcedure, reinterpret_cast<LPCSTR>(IDI_WINLOGO), nullptr);
  const std::string title = FileName(document.path);
  MDICREATESTRUCTA create{};
  create.szClass = kDocumentWindowClass;
  create.szTitle = title.c_str();
  create.hOwner = GetModuleHandleA(nullptr);
  create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
  create.lParam = reinterpret_cast<LPARAM>(&document);
  return reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

Document* DocumentOfWindow(HWND window) {
  return reinterpret_cast<Document*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::vector<std::string> DescribeDocument(const Document& document) {
  const PageViewRecord& view = document.view;
  const auto number = [](long long value) { return std::to_string(value); };
  return {
      FileName(document.path) + ", " + number(document.pageCount) + (document.pageCount == 1 ? " page" : " pages"),
      "Page " + number(view.page + 1LL) + " of " + number(document.pageCount),
      "Zoom: " + ZoomTypeName(view.zoomType) + " (type " + number(view.zoomType) + "), value " + number(view.zoom) +
          " (" + number(view.zoom * 100LL / 65536) + " %)",
      "Scroll spot: left " + number(view.rect.left) + ", top " + number(view.rect.top),
      "Layout mode: " + number(view.layoutMode) + " (" + LayoutModeName(view.layoutMode) + ")",
      "Page mode: " + number(document.pageMode) + " (" + PageModeName(document.pageMode) + ")",
      "Splitter: " + number(document.splitter),
  };
}

}  // namespace standin
