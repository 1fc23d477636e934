// The save while the user works, in the stand-in host with the plug-in's code
// linked in: a typical project file (10 projects of 20 files, 20 documents
// open) and a full-size one (256 projects of 256 files, 256 documents open),
// each save beside the plain write of the same bytes (written, flushed and
// put in place of the old file) in the same run, the median of five rounds;
// and the time of each notification handler, beside the 1 ms it may take.
//
// Run under Wine: cmake/wine-run.sh build/win64/bench/bench_autosave.exe
// The project file in the system folder is replaced for the run and put back.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bench/host_operation_time.h"
#include "docstate/autosave.h"
#include "host/host_entry.h"
#include "host/scoped_handle.h"
#include "plugin/plugin_entry.h"
#include "projects/project_file_path.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"
#include "projects/whole_file.h"
#include "standin/interface/di_path.h"
#include "standin/pdf/sample_pdf.h"
#include "standin/story/host_story.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string Folder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vellora_bench_autosave\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

// The project file before the save: `projects` projects of `files` files,
// the default one the documents open (in a state of its own), the others
// made up.
void WriteProjectFile(const std::string& path, int projects, int files, const std::vector<std::string>& open) {
  ProjectStore store;
  store.AddProject(kDefaultProjectName);
  for (const std::string& doc : open) store.AddFile(doc, "PAGE=1", 0);
  for (int p = 1; p < projects; ++p) {
    const std::int32_t project = store.AddProject("Project " + std::to_string(p) + " of the benchmark");
    for (int f = 0; f < files; ++f) {
      store.AddFile(
          "/D/Documents/Customer " + std::to_string(p) + "/Reports/Annual report part " + std::to_string(f) + ".pdf",
          "ALLSTATE=" + std::string(152, 'a' + f % 6) + "&PAGEMODE=2&LAYOUTMODE=1&SPLITTERPOSTION=150&PAGE=" +
              std::to_string(f) + "&ZOOM_TYPE-VALUE=0:98304.000000&TOPSPOT_LEFT-TOP=-12:0",
          project);
    }
    store.SetActiveIndex(store.Name(project), 0);
  }
  SaveProjectFile(store, path);
}

// The plain write of `bytes` over the file at path, as a save puts a file in
// place.
void PlainWrite(const std::string& path, const std::string& bytes) {
  const std::string fresh = path + ".new";
  {
    const FileHandle file(CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD done = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    FlushFileBuffers(file.get());
  }
  MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

Autosave* saving = nullptr;
bool saved = false;
void SaveNow() {
  const std::optional<SaveOutcome> outcome = saving->OnIdle();
  saved = outcome && outcome->saved;
}

// Time spent in the stand-in's host operations (see host_operation_time.h).
Ticks hostTime = 0;
double ticksPerSecond = 1;

// One idle of the plug-in, after a pause of 5 s as saves are spaced (a flush
// after a pause takes longer); its time and, apart, that of the host
// operations it called.
struct IdleTime {
  double total, host;
  double Own() const { return total - host; }
};
IdleTime Idle(standin::HostStory& story) {
  Sleep(kAutosaveSpacing);
  hostTime = 0;
  const Clock::time_point start = Clock::now();
  story.Host().CallPlugIn("IdleProc", {}, &HostEntry<SaveNow>::Call);
  return {Since(start), static_cast<double>(hostTime) / ticksPerSecond};
}

// A write of `bytes` after the same pause.
template <typename Write>
double PausedWrite(const Write& write) {
  Sleep(kAutosaveSpacing);
  const Clock::time_point start = Clock::now();
  write();
  return Since(start);
}

// The save of `files` open documents into a file of `projects` projects of
// `files` files, beside the plain write of its bytes (written, flushed and
// moved over a file beside it) and the save's own way of writing them
// (ReplaceWholeFile): the first save of a run, whose first idle reads the
// other projects from the file, then later ones, which find the file as the
// last save left it.
// Whether a later save's own time is under `goal`.
bool MeasureSave(standin::HostStory& story, const std::string& file, int projects, int files, double goal) {
  const std::string folder = Folder();
  for (AVDoc doc : story.OpenDocuments()) story.Close(doc);
  std::vector<std::string> open;
  for (int d = 0; d < files; ++d) {
    const std::string path = folder + "Chapter " + std::to_string(d) + " of the annual report.pdf";
    standin::WriteSamplePdf(path, 5);
    story.SetView(story.OpenFile(path), {d % 5, 0, 98304, -12, 0, 2, 2, 150});
    open.push_back(standin::DIPathFromWindowsPath(path));
  }
  WriteProjectFile(file, projects, files, open);
  Autosave autosave;
  saving = &autosave;
  const std::string beside = file + ".plain";
  IdleTime read{};
  std::vector<IdleTime> saves;
  std::vector<double> plain, written;
  std::string bytes;
  for (int round = 0; round < 4; ++round) {
    autosave.DocumentOpened(story.OpenDocuments()[0]);
    saved = false;
    if (round == 0) read = Idle(story);
    saves.push_back(Idle(story));
    if (!saved) std::printf("warning: the save did not save\n");
    bytes = ReadWholeFile(file).value_or("");
    plain.push_back(PausedWrite([&] { PlainWrite(beside, bytes); }));
    written.push_back(PausedWrite([&] { ReplaceWholeFile(beside, bytes); }));
  }
  DeleteFileA(beside.c_str());
  const double write = Median(plain);
  std::printf("%3d projects of %3d files, %d documents open, %.1f MB:\n", projects, files, files,
              static_cast<double>(bytes.size()) / 1e6);
  std::printf("  plain write of its bytes                  %8.4f s\n", write);
  std::printf("  the save's own write of them              %8.4f s   ratio %5.2f\n", Median(written),
              Median(written) / write);
  std::printf("  (the plug-in's own time; then the stand-in host's operations, which log every call)\n");
  const auto line = [write](const char* what, const IdleTime& idle) {
    std::printf("  %-40s  %8.4f s   ratio %5.2f   + host %8.4f s\n", what, idle.Own(), idle.Own() / write, idle.host);
  };
  line("first save of a run: the idle that reads", read);
  line("                     the idle that saves", saves[0]);
  std::vector<double> own, host;
  for (std::size_t i = 1; i < saves.size(); ++i) own.push_back(saves[i].Own()), host.push_back(saves[i].host);
  line("later saves (median)", {Median(own) + Median(host), Median(host)});
  const bool met = Median(own) < goal;
  std::printf("  goal, a later save under %.3f s: %s\n", goal, met ? "met" : "NOT met");
  return met;
}

// Each notification handler the plug-in registered, called as the host calls
// it, on average over many calls.
void MeasureHandlers(standin::HostStory& story) {
  const AVDoc doc = story.OpenDocuments()[0];
  const auto view = reinterpret_cast<AVPageView>(&story.Host().Docs().Find(doc)->view);
  constexpr int kCalls = 20000;
  const auto time = [&](const char* name, NSelector nsel, const auto& call) {
    const std::vector<standin::NotificationListener> listeners = story.Host().Listeners().ListenersOf(nsel);
    if (listeners.empty()) return;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kCalls; ++i) call(listeners[0].proc);
    const double each = Since(start) / kCalls;
    std::printf("  %-20s %8.2f us a call   ratio to 1 ms %.5f\n", name, each * 1e6, each / 1e-3);
  };
  std::printf("notification handlers:\n");
  time("AVDocDidOpen", AVDocDidOpenNSEL,
       [&](ASCallback proc) { reinterpret_cast<AVDocDidOpenProc>(proc)(doc, 0, nullptr); });
  time("AVDocWillClose", AVDocWillCloseNSEL,
       [&](ASCallback proc) { reinterpret_cast<AVDocWillCloseProc>(proc)(doc, nullptr); });
  time("AVPageViewDidChange", AVPageViewDidChangeNSEL,
       [&](ASCallback proc) { reinterpret_cast<AVPageViewDidChangeProc>(proc)(view, kViewChangedPageNumber, nullptr); });
}

}  // namespace

int main() {
  const std::string file = ProjectFilePath();
  const std::string backup = file + ".bench-backup";
  const bool hadFile = MoveFileExA(file.c_str(), backup.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  {
    standin::HostStory story;
    standin::StartOptions options;
    options.announceStarted = false;
    story.StartLinked(&PlugInMain, options);
    TimeEveryOperation(story.Host().Tables(), hostTime);
    ticksPerSecond = TicksPerSecond();
    MeasureSave(story, file, 10, 20, 0.005);
    MeasureSave(story, file, kMaxProjects, kMaxFiles, 0.15);
    MeasureHandlers(story);
    story.Unload();
  }
  DeleteFileA(file.c_str());
  if (hadFile) MoveFileExA(backup.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING);
  return 0;
}
