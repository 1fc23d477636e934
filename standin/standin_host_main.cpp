// The stand-in PDF reader as a program:
//   standin_host.exe --reader <plug-in> [--screenshot <png>] [--state-file <txt>] [--quit]
//                    [--open-delay <ms>] [file.pdf ...]
// the reader's window with the plug-in loaded: its start-up restore reopens
// the documents of the last quit, the files given are opened, and File > Quit
// lets the plug-in capture the open documents. Once started it can write a
// picture of its window (--screenshot), the open documents as text
// (--state-file; again whenever a program that drives it posts
// kCommandWriteState), and quit by itself (--quit). --open-delay makes
// each document take that long to open, as from a slow drive: a test
// catches the start-up restore under way with it.
//   standin_host.exe --demo <plug-in>
// prints the loading conversation and the tables the plug-in acquired, then
// runs two printed sessions of the reader: documents read and quit, then
// restored at the next start; then the reader program, worked in and killed,
// and started again. A path starting with "/" is a Linux path and
// is reached through Wine's Z: drive.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "standin/interface/standin_host.h"
#include "standin/reader/reader_window.h"
#include "standin/reader/wine_path.h"
#include "standin/story/conversation_printer.h"
#include "standin/story/cycle_demo.h"

namespace {

int Demo(const std::string& dllPath) {
  using namespace standin;
  StandinHost host;
  std::printf("Stand-in PDF reader: loading the plug-in %s\n", dllPath.c_str());
  std::printf("The host's main window is %p (%s).\n\n", static_cast<void*>(host.MainWindowHandle()),
              host.MainWindowHandle() != nullptr ? "a hidden top-level window" : "could not be created");

  std::printf(
      "The loading conversation (host calls into the plug-in; indented below each, the host\n"
      "operations the plug-in called during it; exception-frame pushes and pops not shown):\n");
  const LoadReport report = host.Start(dllPath);
  PrintConversation(stdout, host.Log());

  std::printf("\nTables the plug-in asked for:\n");
  PrintTableRequests(stdout, host.TableRequests());
  std::printf("\nLoading, step by step:\n");
  PrintLoadReport(stdout, report);

  std::printf("\nUnloading the plug-in:\n");
  const std::size_t mark = host.Log().Entries().size();
  host.Unload();
  PrintConversation(stdout, host.Log(), mark);

  std::printf("\nException frames left on the host's stack: %d\n", static_cast<int>(host.Frames().Depth()));
  if (host.Violations().empty()) {
    std::printf("Problems found by the host: none\n");
  } else {
    std::printf("Problems found by the host:\n");
    for (const std::string& text : host.Violations()) std::printf("  %s\n", text.c_str());
  }
  const bool ok = report.handshake.value_or(false) && host.Violations().empty();
  return ok ? 0 : 1;
}

int Reader(int argc, char** argv) {
  using standin::WinePathFromLinux;
  standin::ReaderOptions options;
  options.plugInPath = WinePathFromLinux(argv[2]);
  for (int i = 3; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--quit") {
      options.quitWhenDone = true;
    } else if (argument == "--open-delay" && i + 1 < argc) {
      options.openDelay = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
    } else if ((argument == "--screenshot" || argument == "--state-file") && i + 1 < argc) {
      (argument == "--screenshot" ? options.screenshotPath : options.stateFilePath) = WinePathFromLinux(argv[++i]);
    } else {
      options.files.push_back(WinePathFromLinux(argument));
    }
  }
  standin::StandinHost host;
  standin::ReaderWindow reader(host, options);
  return reader.Run();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--reader") == 0) return Reader(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--demo") == 0) {
    const std::string dllPath = standin::WinePathFromLinux(argv[2]);
    if (Demo(dllPath) != 0) return 1;
    std::printf("\n==== The plug-in's job: remember the open documents at quit, restore them at start ====\n\n");
    if (standin::RunCycleDemo(stdout, dllPath) != 0) return 1;
    std::printf("\n==== And when the reader does not quit: the open documents are kept current ====\n\n");
    return standin::RunKillDemo(stdout, dllPath);
  }
  std::fprintf(stderr,
               "usage: standin_host --reader <path of Vellora.api> [--screenshot <png>] [--state-file <txt>] [--quit] "
               "[--open-delay <ms>] [file.pdf ...]\n"
               "       standin_host --demo <path of Vellora.api>\n");
  return 2;
}
