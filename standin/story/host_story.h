// The stand-in host as a test tells a user's story: start the reader with
// the plug-in, open files, change a document's view, click a tool button,
// pause, ask to quit, quit, unload. Everything the host keeps stays
// reachable through Host() for the checks.
#pragma once

#include <string>
#include <vector>

#include "standin/interface/standin_host.h"

namespace standin {

struct DocumentState {
  std::string path;    // Windows path
  std::string diPath;  // the host's path text
  ASInt32 pageCount = 0;
  ViewSettings view;
  AVRect16 rect{};
  bool front = false;
  int menuPosition = -1;  // among the documents of the "Window" menu
  int batchDepth = 0;
  int batchesCompleted = 0;
};

class HostStory {
 public:
  // Loads the DLL: loading conversation, register, init, start-up notification.
  LoadReport Start(const std::string& dllPath, const StartOptions& options = {});
  // The same with the plug-in's code linked into the test program.
  LoadReport StartLinked(PlugInMainProcType main, const StartOptions& options = {});
  void Unload() { host_.Unload(); }

  // The user opens a file (a Windows path); none when the host cannot open it.
  AVDoc OpenFile(const std::string& path);
  // The user closes a document; false when they keep it open.
  bool Close(AVDoc doc);
  void SetView(AVDoc doc, const ViewSettings& view);
  // A command of the reader's View menu (standin/interface/reader_commands.h).
  void ViewCommand(AVDoc doc, int command) { host_.ViewCommand(DocumentOf(doc), command); }
  // Through the document's item of the "Window" menu, as the user does.
  void BringToFront(AVDoc doc);
  AVDoc ActiveDocument();
  std::vector<AVDoc> OpenDocuments();  // in "Window" menu order
  DocumentState State(AVDoc doc);
  // The user answers "keep it open" when asked about unsaved changes.
  void KeepOpenWhenAsked(AVDoc doc, bool keep = true);
  // The document behaves as a new one never saved: the host gives no path text.
  void MakeUntitled(AVDoc doc) { DocumentOf(doc).untitled = true; }
  // The host reports the document's file under another spelling (its path
  // text follows), as when it was opened under that name.
  void Respell(AVDoc doc, const std::string& path) { DocumentOf(doc).path = path; }
  // No document in front, although some are open.
  void ClearFront() { host_.Docs().BringToFront(nullptr); }
  bool ClickToolButton(const std::string& name) { return host_.ClickToolButton(name); }
  bool AskToQuit() { return host_.AskToQuit(); }
  // Asks, closes every document, unloads (StandinHost::Quit).
  bool Quit() { return host_.Quit(); }
  // The host's loop has nothing else to do: the idle procedures due now are
  // called; how many.
  int RunIdleProcs() { return host_.RunDueIdleProcs(); }
  // The user does nothing for `milliseconds`: the host's loop dispatches
  // messages and calls idle procedures when due, sleeping in between.
  void IdleFor(DWORD milliseconds) { host_.IdleFor(milliseconds); }
  void SetHostCanQuit(bool canQuit) { host_.SetHostCanQuit(canQuit); }

  // Accounting and checks.
  std::size_t OutstandingHostMemory() const;
  std::size_t OutstandingPaths() { return host_.Paths().Outstanding(); }
  int OutstandingMenus() { return host_.Menus().OutstandingMenus(); }
  int OutstandingMenuItems() { return host_.Menus().OutstandingItems(); }
  std::size_t FrameDepth() { return host_.Frames().Depth(); }
  const std::optional<FailedCall>& LastFailedCall() const { return host_.LastFailedCall(); }
  const std::vector<std::string>& Violations() const { return host_.Violations(); }
  OperationLog& Log() { return host_.Log(); }
  FaultInjection& Faults() { return host_.Faults(); }
  StandinHost& Host() { return host_; }

 private:
  Document& DocumentOf(AVDoc doc);
  StandinHost host_;
};

}  // namespace standin
