// The reader program (standin_host.exe --reader) started as a process of its
// own and driven from outside as its user would: commands posted to its main
// window (standin/interface/reader_commands.h), its windows found, and the process
// ended with File > Quit or killed without a word. Tests and the demo use it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace standin {

// Asks `done` every 50 ms for up to 30 s; whether it said yes.
bool WaitUntil(const std::function<bool()>& done);

class ReaderProcess {
 public:
  // `program` and `plugIn` are Windows paths; `arguments` follow --reader
  // and the plug-in on the command line. Waits for the main window.
  ReaderProcess(const std::string& program, const std::string& plugIn, const std::string& arguments);
  // A reader still running is killed.
  ~ReaderProcess();
  ReaderProcess(const ReaderProcess&) = delete;
  ReaderProcess& operator=(const ReaderProcess&) = delete;

  // The main window; none when the program did not start or show it.
  HWND Frame() const { return frame_; }
  // A shown top-level window of the program of that class, one with the
  // child `control` if given.
  HWND Window(const char* className, int control = 0) const;
  // The titles of the document windows, sorted.
  std::vector<std::string> DocumentTitles() const;
  void Command(int command) const;
  // File > Quit; the exit code, none when it did not end within a minute.
  std::optional<DWORD> Quit();
  // The same for a reader that quits by itself (--quit).
  std::optional<DWORD> WaitForEnd();
  // Ends the process on the spot, as a crash or the task manager does.
  void Kill();

 private:
  PROCESS_INFORMATION process_{};
  HWND frame_ = nullptr;
};

// A window's text.
std::string TextOf(HWND window);

}  // namespace standin
