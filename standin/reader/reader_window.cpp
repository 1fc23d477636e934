#include "standin/reader/reader_window.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "standin/interface/reader_commands.h"
#include "standin/reader/document_window.h"
#include "standin/reader/screenshot.h"

namespace standin {
namespace {

constexpr char kProgramName[] = "Stand-in PDF reader";
constexpr UINT_PTR kStartUpTimer = 1;
constexpr UINT kStartUpSettleMs = 600;  // for the windows to be drawn before a picture is taken
constexpr int kFirstChildId = 50000;
constexpr int kFrameWidth = 1200, kFrameHeight = 840;
constexpr std::size_t kOpenDialogBuffer = 32768;

struct MenuEntry {
  int command;  // 0: a separator
  const char* text;
};

const MenuEntry kFileMenu[] = {
    {kCommandOpen, "&Open...\tCtrl+O"}, {kCommandCloseDocument, "&Close\tCtrl+W"}, {0, nullptr},
    {kCommandQuit, "&Quit\tCtrl+Q"}};
const MenuEntry kViewMenu[] = {
    {kCommandNextPage, "&Next Page\tPage Down"},    {kCommandPreviousPage, "&Previous Page\tPage Up"},
    {kCommandFirstPage, "&First Page\tHome"},       {kCommandLastPage, "&Last Page\tEnd"},
    {0, nullptr},                                   {kCommandZoomIn, "Zoom &In\tCtrl++"},
    {kCommandZoomOut, "Zoom &Out\tCtrl+-"},         {kCommandActualSize, "&Actual Size\tCtrl+1"},
    {kCommandFitPage, "Fit &Page\tCtrl+0"},         {kCommandFitWidth, "Fit &Width\tCtrl+2"},
    {0, nullptr},                                   {kCommandScrollUp, "Scroll &Up\tUp"},
    {kCommandScrollDown, "Scroll &Down\tDown"},     {kCommandScrollLeft, "Scroll Lef&t\tLeft"},
    {kCommandScrollRight, "Scroll &Right\tRight"},  {0, nullptr},
    {kCommandNextLayout, "Next Layout &Mode\tCtrl+L"}, {kCommandNextPageMode, "Next Pa&ge Mode\tCtrl+M"},
    {kCommandWiderPane, "Wi&der Pane\tCtrl+]"},     {kCommandNarrowerPane, "Na&rrower Pane\tCtrl+["}};

const ACCEL kKeys[] = {
    {FVIRTKEY | FCONTROL, 'O', kCommandOpen},
    {FVIRTKEY | FCONTROL, 'W', kCommandCloseDocument},
    {FVIRTKEY | FCONTROL, 'Q', kCommandQuit},
    {FVIRTKEY, VK_NEXT, kCommandNextPage},
    {FVIRTKEY, VK_PRIOR, kCommandPreviousPage},
    {FVIRTKEY, VK_HOME, kCommandFirstPage},
    {FVIRTKEY, VK_END, kCommandLastPage},
    {FVIRTKEY | FCONTROL, VK_OEM_PLUS, kCommandZoomIn},
    {FVIRTKEY | FCONTROL, VK_ADD, kCommandZoomIn},
    {FVIRTKEY | FCONTROL, VK_OEM_MINUS, kCommandZoomOut},
    {FVIRTKEY | FCONTROL, VK_SUBTRACT, kCommandZoomOut},
    {FVIRTKEY | FCONTROL, '1', kCommandActualSize},
    {FVIRTKEY | FCONTROL, '0', kCommandFitPage},
    {FVIRTKEY | FCONTROL, '2', kCommandFitWidth},
    {FVIRTKEY, VK_UP, kCommandScrollUp},
    {FVIRTKEY, VK_DOWN, kCommandScrollDown},
    {FVIRTKEY, VK_LEFT, kCommandScrollLeft},
    {FVIRTKEY, VK_RIGHT, kCommandScrollRight},
    {FVIRTKEY | FCONTROL, 'L', kCommandNextLayout},
    {FVIRTKEY | FCONTROL, 'M', kCommandNextPageMode},
    {FVIRTKEY | FCONTROL, VK_OEM_6, kCommandWiderPane},
    {FVIRTKEY | FCONTROL, VK_OEM_4, kCommandNarrowerPane},
};

HMENU Popup(const MenuEntry* entries, std::size_t count) {
  const HMENU menu = CreatePopupMenu();
  for (std::size_t i = 0; i < count; ++i) {
    if (entries[i].command == 0) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entries[i].command), entries[i].text);
    }
  }
  return menu;
}

// How the host's window commands read in its menu.
std::string WindowItemText(const MenuItemRecord& item, int documentNumber) {
  if (item.document != nullptr) return "&" + std::to_string(documentNumber) + " " + FileName(item.document->path);
  if (item.name == "Cascade") return "&Cascade";
  if (item.name == "TileHorizontal") return "Tile &Horizontally";
  if (item.name == "TileVertical") return "Tile &Vertically";
  return item.name;
}

}  // namespace

ReaderWindow::ReaderWindow(StandinHost& host, ReaderOptions options)
    : host_(host), options_(std::move(options)), frame_(host.MainWindowHandle()) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  host_.Window().SetMessageHandler(
      [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return HandleMessage(window, message, wParam, lParam);
      });
  BuildMenus();
  toolBar_.Create(frame_);
  statusBar_.reset(CreateWindowExA(0, STATUSCLASSNAMEA, "Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                   frame_, nullptr, GetModuleHandleA(nullptr), nullptr));
  CLIENTCREATESTRUCT client{nullptr, kFirstChildId};  // the "Window" menu is filled from the host's
  mdiClient_.reset(CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                   WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, frame_,
                                   nullptr, GetModuleHandleA(nullptr), &client));
  keys_.reset(CreateAcceleratorTableA(const_cast<ACCEL*>(kKeys), static_cast<int>(std::size(kKeys))));
  host_.SetObserver(this);
  Sync();
}

ReaderWindow::~ReaderWindow() {
  syncing_ = true;  // the windows going away activate each other: nothing for the host
  host_.SetObserver(nullptr);
  windows_.clear();
  mdiClient_.reset();  // and the document windows in it
  SetMenu(frame_, nullptr);
  host_.Window().SetMessageHandler(nullptr);
}

void ReaderWindow::BuildMenus() {
  menuBar_.reset(CreateMenu());
  AppendMenuA(menuBar_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(Popup(kFileMenu, std::size(kFileMenu))), "&File");
  viewMenu_ = Popup(kViewMenu, std::size(kViewMenu));
  AppendMenuA(menuBar_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(viewMenu_), "&View");
  windowMenu_ = CreatePopupMenu();
  AppendMenuA(menuBar_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu_), "&Window");
  SetMenu(frame_, menuBar_.get());
}

int ReaderWindow::Run() {
  SetWindowPos(frame_, nullptr, 0, 0, kFrameWidth, kFrameHeight, SWP_NOZORDER);
  ShowWindow(frame_, SW_SHOW);
  UpdateWindow(frame_);
  Status("Loading the plug-in " + options_.plugInPath + "...");
  host_.SetOpenDelay(options_.openDelay);
  const LoadReport report = host_.Start(options_.plugInPath);
  if (report.initialized.value_or(false)) {
    Status("Ready");
  } else {
    exitCode_ = 1;
    Tell("The plug-in " + options_.plugInPath + " did not load: " + report.stoppedBecause + ".");
  }
  for (const std::string& path : options_.files) Open(path);
  Sync();
  if (windows_.size() > 1) SendMessageA(mdiClient_.get(), WM_MDITILE, MDITILE_VERTICAL, 0);
  SetTimer(frame_, kStartUpTimer, kStartUpSettleMs, nullptr);

  MSG message;
  while (host_.NextMessage(message)) {
    if (TranslateMDISysAccel(mdiClient_.get(), &message)) continue;
    if (TranslateAcceleratorA(frame_, keys_.get(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return host_.Violations().empty() ? exitCode_ : 1;
}

void ReaderWindow::StartUpDone() {
  RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  WriteState();
  if (!options_.screenshotPath.empty()) {
    std::string problem;
    if (SaveScreenshot(frame_, options_.screenshotPath, problem)) {
      Status("A picture of this window is in " + options_.screenshotPath);
    } else {
      exitCode_ = 1;
      Tell("No picture of the window: " + problem + ".");
    }
  }
  if (options_.quitWhenDone) Quit();
}

void ReaderWindow::WriteState() {
  if (options_.stateFilePath.empty()) return;
  std::ofstream out(options_.stateFilePath, std::ios::binary | std::ios::trunc);
  out << StateText();
  if (!out) Tell("The state could not be written to " + options_.stateFilePath + ".");
}

std::string ReaderWindow::StateText() {
  std::string text;
  int number = 0;
  for (const MenuItemRecord* item : host_.Menus().WindowMenu()->items) {
    if (item->document == nullptr) continue;
    text += "Document " + std::to_string(++number) + (item->document == host_.Docs().Front() ? " (in front)" : "") +
            ": " + item->document->path + "\n";
    for (const std::string& line : DescribeDocument(*item->document)) text += "  " + line + "\n";
  }
  return "Documents open: " + std::to_string(number) + "\n" + text;
}

LRESULT ReaderWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 || reinterpret_cast<HWND>(lParam) == toolBar_.Handle()) {
        Command(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_INITMENUPOPUP:
      if (reinterpret_cast<HMENU>(wParam) == windowMenu_) FillWindowMenu();
      if (reinterpret_cast<HMENU>(wParam) == viewMenu_) {
        const UINT state = host_.Docs().Front() != nullptr ? MF_ENABLED : MF_GRAYED;
        for (int command = kCommandNextPage; command <= kCommandLastViewCommand; ++command)
          EnableMenuItem(viewMenu_, static_cast<UINT>(command), MF_BYCOMMAND | state);
      }
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_CLOSE:
      Quit();
      return 0;
    case WM_TIMER:
      if (wParam == kStartUpTimer) {
        KillTimer(frame_, kStartUpTimer);
        StartUpDone();
        return 0;
      }
      break;
    case kDocumentActivated:
      // The user brought a document to the front; when the host itself moves
      // one (Sync), it already knows.
      if (!syncing_) {
        if (Document* document = host_.Docs().Find(reinterpret_cast<AVDoc>(DocumentOfWindow(
                reinterpret_cast<HWND>(lParam)))))
          host_.Docs().BringToFront(document);
      }
      return 0;
    case kDocumentCloseAsked:
      if (Document* document =
              host_.Docs().Find(reinterpret_cast<AVDoc>(DocumentOfWindow(reinterpret_cast<HWND>(lParam))))) {
        host_.CloseDocument(document, false);
        Sync();
      }
      return 0;
    default:
      break;
  }
  return DefFrameProcA(window, mdiClient_.get(), message, wParam, lParam);
}

void ReaderWindow::Layout() {
  if (!mdiClient_) return;
  SendMessageA(toolBar_.Handle(), TB_AUTOSIZE, 0, 0);
  SendMessageA(statusBar_.get(), WM_SIZE, 0, 0);
  RECT client, tools, status;
  GetClientRect(frame_, &client);
  GetWindowRect(toolBar_.Handle(), &tools);
  GetWindowRect(statusBar_.get(), &status);
  const int top = tools.bottom - tools.top;
  const int height = client.bottom - top - (status.bottom - status.top);
  MoveWindow(mdiClient_.get(), 0, top, client.right, std::max(0, height), TRUE);
}

void ReaderWindow::Command(int command) {
  Document* front = host_.Docs().Front();
  if (command == kCommandOpen) {
    OpenWithDialog();
  } else if (command == kCommandCloseDocument) {
    if (front != nullptr) host_.CloseDocument(front, false);
  } else if (command == kCommandQuit) {
    Quit();
  } else if (command == kCommandWriteState) {
    WriteState();
  } else if (command >= kCommandNextPage && command <= kCommandLastViewCommand) {
    if (front != nullptr) host_.ViewCommand(*front, command);
  } else if (command >= kCommandWindowItem && command < kCommandToolButton) {
    // The host's "Window" menu item at that place, as the plug-in executes it.
    const auto& items = host_.Menus().WindowMenu()->items;
    const std::size_t place = static_cast<std::size_t>(command - kCommandWindowItem);
    if (place >= items.size()) return;
    const MenuItemRecord& item = *items[place];
    if (item.document != nullptr) host_.Docs().BringToFront(item.document);
    if (item.name == "Cascade") SendMessageA(mdiClient_.get(), WM_MDICASCADE, 0, 0);
    if (item.name == "TileHorizontal") SendMessageA(mdiClient_.get(), WM_MDITILE, MDITILE_HORIZONTAL, 0);
    if (item.name == "TileVertical") SendMessageA(mdiClient_.get(), WM_MDITILE, MDITILE_VERTICAL, 0);
  } else if (command >= kCommandToolButton) {
    const ToolButtonRecord* button = toolBar_.ButtonAt(static_cast<std::size_t>(command - kCommandToolButton));
    if (button == nullptr) return;
    if (button->name == "Open") {
      OpenWithDialog();
    } else {
      host_.ClickToolButton(button->name);
    }
  }
  Sync();
}

void ReaderWindow::FillWindowMenu() {
  while (GetMenuItemCount(windowMenu_) > 0) DeleteMenu(windowMenu_, 0, MF_BYPOSITION);
  const auto& items = host_.Menus().WindowMenu()->items;
  int documentNumber = 0;
  for (std::size_t place = 0; place < items.size(); ++place) {
    const MenuItemRecord& item = *items[place];
    if (item.name == kWindowMenuSeparatorName) {
      AppendMenuA(windowMenu_, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    if (item.document != nullptr) ++documentNumber;
    const UINT check = item.document != nullptr && item.document == host_.Docs().Front() ? MF_CHECKED : 0;
    AppendMenuA(windowMenu_, MF_STRING | check, static_cast<UINT_PTR>(kCommandWindowItem) + place,
                WindowItemText(item, documentNumber).c_str());
  }
}

void ReaderWindow::HostChanged() {
  if (!syncing_) Sync();
}

void ReaderWindow::OpenRefused(const std::string& path, const std::string& problem) {
  // Asked by the plug-in, in the middle of its work: no box that waits.
  Status("Could not open " + path + ": " + problem + ".");
  std::fprintf(stderr, "%s: could not open %s: %s.\n", kProgramName, path.c_str(), problem.c_str());
}

void ReaderWindow::Sync() {
  syncing_ = true;
  const std::vector<Document*> open = host_.Docs().InOrder();
  for (auto it = windows_.begin(); it != windows_.end();) {
    if (std::find(open.begin(), open.end(), it->first) == open.end()) {
      SendMessageA(mdiClient_.get(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(it->second), 0);
      it = windows_.erase(it);
    } else {
      ++it;
    }
  }
  for (Document* document : open)
    if (windows_.find(document) == windows_.end()) windows_[document] = CreateDocumentWindow(mdiClient_.get(), *document);
  if (Document* front = host_.Docs().Front()) {
    const HWND window = windows_[front];
    if (reinterpret_cast<HWND>(SendMessageA(mdiClient_.get(), WM_MDIGETACTIVE, 0, 0)) != window)
      SendMessageA(mdiClient_.get(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
  }
  for (const auto& [document, window] : windows_) InvalidateRect(window, nullptr, FALSE);
  toolBar_.Show(host_.Tools());
  Layout();
  syncing_ = false;
}

void ReaderWindow::OpenWithDialog() {
  std::array<char, kOpenDialogBuffer> names{};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = frame_;
  dialog.lpstrFilter = "PDF files (*.pdf)\0*.pdf\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = names.data();
  dialog.nMaxFile = static_cast<DWORD>(names.size());
  dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&dialog)) {
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) Tell("Too many files at once: open fewer.");
    return;
  }
  // One full path, or the folder followed by the names chosen in it.
  const char* first = names.data();
  const char* next = first + std::strlen(first) + 1;
  if (*next == '\0') {
    Open(first);
    return;
  }
  for (; *next != '\0'; next += std::strlen(next) + 1) Open(std::string(first) + "\\" + next);
}

void ReaderWindow::Open(const std::string& path) {
  std::string problem;
  if (host_.OpenDocument(path, problem) == nullptr) Tell("Cannot open " + path + ": " + problem + ".");
  Sync();
}

void ReaderWindow::Quit() {
  if (quitting_) return;
  quitting_ = true;
  Status("Quitting...");
  const bool quit = host_.Quit();
  quitting_ = quit;  // once the reader has quit, a quit command waiting in the queue finds no plug-in to ask
  Sync();
  if (!quit) {
    Status("The reader was asked not to quit.");
    return;
  }
  PostQuitMessage(0);
}

void ReaderWindow::Status(const std::string& text) { SetWindowTextA(statusBar_.get(), text.c_str()); }

void ReaderWindow::Tell(const std::string& text) {
  Status(text);
  if (options_.quitWhenDone) {
    std::fprintf(stderr, "%s: %s\n", kProgramName, text.c_str());
  } else {
    MessageBoxA(frame_, text.c_str(), kProgramName, MB_OK | MB_ICONWARNING);
  }
}

}  // namespace standin
