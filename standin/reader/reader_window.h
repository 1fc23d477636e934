// The stand-in reader as a program people use: the host's main window with
// a menu bar (File, View, and the host's "Window" menu with its documents),
// the host's tool bar (the plug-in's button among its buttons), one child
// window per open document and a status bar. Everything shown is read from
// the stand-in host's own records, the ones the plug-in reads and sets
// through the host operations: after each operation the window catches up.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "host/scoped_handle.h"
#include "standin/interface/standin_host.h"
#include "standin/reader/reader_tool_bar.h"

namespace standin {

struct ReaderOptions {
  std::string plugInPath;          // the plug-in DLL, a Windows path
  std::vector<std::string> files;  // PDF files to open once started
  std::string screenshotPath;      // a PNG of the window once started
  std::string stateFilePath;       // the open documents as text once started (and on kCommandWriteState)
  DWORD openDelay = 0;             // milliseconds each document takes to open, as from a slow drive
  bool quitWhenDone = false;       // then File > Quit; messages go to the status bar and stderr
};

class ReaderWindow final : public HostObserver {
 public:
  ReaderWindow(StandinHost& host, ReaderOptions options);
  ~ReaderWindow();
  ReaderWindow(const ReaderWindow&) = delete;
  ReaderWindow& operator=(const ReaderWindow&) = delete;

  // Shows the window, loads the plug-in (whose start-up restore reopens the
  // documents of the last quit), opens the given files, and runs until the
  // user quits and the plug-in lets the reader go; while no message waits,
  // the plug-in's idle procedures are called when due. 0 when the plug-in
  // loaded and the host saw no misuse.
  int Run();

  void HostChanged() override;
  void OpenRefused(const std::string& path, const std::string& problem) override;

 private:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void BuildMenus();
  void Layout();
  void Command(int command);
  void Sync();
  void FillWindowMenu();
  void OpenWithDialog();
  void Open(const std::string& path);
  void Quit();
  void StartUpDone();
  void WriteState();
  std::string StateText();
  void Status(const std::string& text);
  // A message box, or the status bar and stderr when no one is watching.
  void Tell(const std::string& text);

  StandinHost& host_;
  ReaderOptions options_;
  HWND frame_;
  WindowHandle mdiClient_;
  WindowHandle statusBar_;
  ReaderToolBar toolBar_;
  MenuHandle menuBar_;  // attached to the frame while the reader lives
  HMENU viewMenu_ = nullptr;
  HMENU windowMenu_ = nullptr;
  AcceleratorTable keys_;
  std::map<Document*, HWND> windows_;  // the MDI client owns the windows
  bool syncing_ = false;
  bool quitting_ = false;  // from File > Quit on, for good once the reader has quit
  int exitCode_ = 0;
};

}  // namespace standin
