// Start-up restore against a full-size project file.
//
// The project file holds 256 projects of 256 entries of realistic length
// (about 20 MB). The plug-in's own cost of restoring the 256-entry default
// section (everything except the host's opening of the documents) is printed
// beside the cost of reading the same 256 values with one
// GetPrivateProfileStringA call each.
//
// Run under Wine: cmake/wine-run.sh build/win64/bench/bench_restore.exe [rounds]
// The project file in the system folder is replaced for the run and put back.
#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/host_operation_time.h"
#include "docstate/restore_open_files.h"
#include "docstate/view_state.h"
#include "host/host_entry.h"
#include "plugin/plugin_entry.h"
#include "projects/project_file_path.h"
#include "standin/interface/di_path.h"
#include "standin/pdf/sample_pdf.h"
#include "standin/story/host_story.h"

namespace {

constexpr int kProjects = 256;
constexpr int kEntriesPerProject = 256;
constexpr char kDefaultProject[] = "CURRENT OPENED FILES";

// A view-state string such as capture writes for a document being read.
std::string RealisticState(std::mt19937& random, bool active) {
  ViewState state;
  for (auto& byte : state.viewDefinition) byte = static_cast<unsigned char>(random() % 4 == 0 ? random() : 0);
  state.pageMode = static_cast<std::int16_t>(random() % 4);
  state.layoutMode = static_cast<std::int16_t>(random() % 5);
  state.splitterPosition = static_cast<std::int16_t>(100 + random() % 200);
  state.page = static_cast<std::int32_t>(random() % 3);
  state.zoomType = static_cast<std::int32_t>(random() % 6);
  state.zoom = static_cast<std::int32_t>(32768 + random() % 200000);
  state.spotLeft = static_cast<std::int16_t>(-static_cast<int>(random() % 50));
  state.spotTop = static_cast<std::int16_t>(random() % 30);
  state.active = active;
  return BuildViewStateString(state);
}

// Writes the project file: [PROJECT_NAME], then [CURRENT OPENED FILES] whose
// entries are `defaultPaths`, then projects 1 to 255 with made-up paths.
std::size_t WriteProjectFile(const std::string& file, const std::vector<std::string>& defaultPaths) {
  std::mt19937 random(4242);
  std::string text;
  text.reserve(24u << 20);
  text += "[PROJECT_NAME]\r\nPROJECT_NUM=" + std::to_string(kProjects) + "\r\n0=" + kDefaultProject + "\r\n";
  std::vector<std::string> names{kDefaultProject};
  for (int p = 1; p < kProjects; ++p) {
    names.push_back("12/4/2026 Project" + std::to_string(p));
    text += std::to_string(p) + "=" + names.back() + "\r\n";
  }
  for (int p = 0; p < kProjects; ++p) {
    text += "[" + names[p] + "]\r\nActiveArticleIndex=" + std::to_string(p % 7) +
            "\r\nOpenNum=" + std::to_string(kEntriesPerProject) + "\r\n";
    for (int e = 0; e < kEntriesPerProject; ++e) {
      const std::string path = p == 0 ? defaultPaths[e]
                                      : "/D/Archive/Customer " + std::to_string(p) + "/Correspondence/Letter " +
                                            std::to_string(e) + " of project " + std::to_string(p) + ".pdf";
      text += std::to_string(e) + "=" + path + "?" + RealisticState(random, e == p % 7) + "\r\n";
    }
  }
  std::ofstream(file, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
  return text.size();
}

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// Time spent inside the host, taken off the restore's time: its opening of
// documents, and (shown apart) its other operations. Each entry the restore
// uses is wrapped.
Ticks hostOpenTime = 0;
Ticks hostOtherTime = 0;
Ticks hostFrameTime = 0;  // the exception frames, a part of the other operations

void TimeHostOperations(standin::HostTables& tables) {
  standin::HostTableRecord& core = *tables.Find(standin::HostTables::kCoreName);
  standin::HostTableRecord& support = *tables.Find(kAcroSupportHFTName);
  standin::HostTableRecord& model = *tables.Find(kPDModelHFTName);
  standin::HostTableRecord& view = *tables.Find(kAcroViewHFTName);
  Timed<AVDocOpenFromFileSEL, AVDocOpenFromFileSELPROTO>::Install(view, hostOpenTime);
  // Every wrapper of the plug-in brackets its call with the host's frame
  // operations; in the stand-in they are logged like any other operation.
  Timed<ASPushExceptionFrameSEL, ASPushExceptionFrameSELPROTO>::Install(core, hostFrameTime);
  Timed<ASPopExceptionFrameSEL, ASPopExceptionFrameSELPROTO>::Install(core, hostFrameTime);
  Timed<ASGetDefaultFileSysSEL, ASGetDefaultFileSysSELPROTO>::Install(support, hostOtherTime);
  Timed<ASFileSysPathFromDIPathSEL, ASFileSysPathFromDIPathSELPROTO>::Install(support, hostOtherTime);
  Timed<ASFileSysReleasePathSEL, ASFileSysReleasePathSELPROTO>::Install(support, hostOtherTime);
  Timed<PDDocGetNumPagesSEL, PDDocGetNumPagesSELPROTO>::Install(model, hostOtherTime);
  Timed<AVDocGetPDDocSEL, AVDocGetPDDocSELPROTO>::Install(view, hostOtherTime);
  Timed<AVDocGetPageViewSEL, AVDocGetPageViewSELPROTO>::Install(view, hostOtherTime);
  Timed<AVDocSetViewModeSEL, AVDocSetViewModeSELPROTO>::Install(view, hostOtherTime);
  Timed<AVDocSetSplitterPositionSEL, AVDocSetSplitterPositionSELPROTO>::Install(view, hostOtherTime);
  Timed<AVPageViewSetLayoutModeSEL, AVPageViewSetLayoutModeSELPROTO>::Install(view, hostOtherTime);
  Timed<AVPageViewGoToSEL, AVPageViewGoToSELPROTO>::Install(view, hostOtherTime);
  Timed<AVPageViewZoomToSEL, AVPageViewZoomToSELPROTO>::Install(view, hostOtherTime);
  Timed<AVPageViewScrollToSEL, AVPageViewScrollToSELPROTO>::Install(view, hostOtherTime);
  Timed<AVPageViewBeginOperationSEL, AVPageViewBeginOperationSELPROTO>::Install(view, hostOtherTime);
  Timed<AVPageViewEndOperationSEL, AVPageViewEndOperationSELPROTO>::Install(view, hostOtherTime);
  Timed<AVAppGetMenubarSEL, AVAppGetMenubarSELPROTO>::Install(view, hostOtherTime);
  Timed<AVMenubarAcquireMenuByNameSEL, AVMenubarAcquireMenuByNameSELPROTO>::Install(view, hostOtherTime);
  Timed<AVMenubarAcquireMenuItemByNameSEL, AVMenubarAcquireMenuItemByNameSELPROTO>::Install(view, hostOtherTime);
  Timed<AVMenuGetMenuItemIndexSEL, AVMenuGetMenuItemIndexSELPROTO>::Install(view, hostOtherTime);
  Timed<AVMenuAcquireMenuItemByIndexSEL, AVMenuAcquireMenuItemByIndexSELPROTO>::Install(view, hostOtherTime);
  Timed<AVMenuItemExecuteSEL, AVMenuItemExecuteSELPROTO>::Install(view, hostOtherTime);
  Timed<AVMenuReleaseSEL, AVMenuReleaseSELPROTO>::Install(view, hostOtherTime);
  Timed<AVMenuItemReleaseSEL, AVMenuItemReleaseSELPROTO>::Install(view, hostOtherTime);
}

// The baseline: the 256 values of the default section, one call each.
double ReadValuesOneByOne(const std::string& file) {
  std::array<char, 1024> buffer{};
  std::size_t total = 0;
  const auto start = Clock::now();
  for (int e = 0; e < kEntriesPerProject; ++e) {
    total += GetPrivateProfileStringA(kDefaultProject, std::to_string(e).c_str(), "", buffer.data(),
                                      static_cast<DWORD>(buffer.size()), file.c_str());
  }
  const double seconds = Seconds(Clock::now() - start).count();
  if (total == 0) std::printf("warning: the default section read empty\n");
  return seconds;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const std::string file = ProjectFilePath();
  const std::string backup = file + ".bench-backup";
  const bool hadFile = MoveFileExA(file.c_str(), backup.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;

  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vellora_bench_restore\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  std::vector<std::string> paths;
  for (int e = 0; e < kEntriesPerProject; ++e) {
    const std::string path = folder + "Chapter " + std::to_string(e) + " of the annual report.pdf";
    standin::WriteSamplePdf(path, 5);
    paths.push_back(standin::DIPathFromWindowsPath(path));
  }
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());  // drop any cached copy
  const std::size_t bytes = WriteProjectFile(file, paths);
  std::printf("project file: %s, %.1f MB, %d projects of %d entries\n", file.c_str(), bytes / 1048576.0, kProjects,
              kEntriesPerProject);

  standin::HostStory story;
  standin::StartOptions options;
  options.announceStarted = false;
  story.StartLinked(&PlugInMain, options);
  TimeHostOperations(story.Host().Tables());

  // Cold: the profile functions cache a file once read; at start-up the
  // first read of the project file loads it whole. Each cold run starts with
  // that cache dropped. The restore keeps no copy of its own and reads the
  // file afresh each time, so its cold and warm runs differ only in what the
  // run before left in memory (the system's own file cache is warm in both:
  // the file was just written).
  auto dropCache = [&file] { WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str()); };
  auto closeAll = [&story] {
    for (AVDoc doc : story.OpenDocuments()) story.Close(doc);
    story.Log().Clear();
  };
  // The plug-in's own time of one restore: the total without host operations.
  const double ticksPerSecond = TicksPerSecond();
  double frames = 0;
  auto restore = [&story, ticksPerSecond, &frames](double& hostOpening, double& hostOther) {
    hostOpenTime = hostOtherTime = hostFrameTime = 0;
    const auto start = Clock::now();
    const auto answer = story.Host().CallPlugIn("RestoreOpenFiles", {}, &HostEntry<RestoreOpenFiles>::Call);
    const double total = Seconds(Clock::now() - start).count();
    if (answer.raised) std::printf("warning: the restore raised %x\n", static_cast<unsigned>(answer.code));
    hostOpening = static_cast<double>(hostOpenTime) / ticksPerSecond;
    frames = static_cast<double>(hostFrameTime) / ticksPerSecond;
    hostOther = static_cast<double>(hostOtherTime) / ticksPerSecond + frames;
    return total - hostOpening - hostOther;
  };

  std::vector<double> coldBaseline, coldPlugIn, baseline, plugIn, hostOpening, hostOther, hostFrames, coldHostOther;
  double opening = 0, other = 0;
  for (int round = 0; round < std::max(1, rounds / 2); ++round) {
    closeAll();
    dropCache();
    coldBaseline.push_back(ReadValuesOneByOne(file));
    dropCache();
    coldPlugIn.push_back(restore(opening, other));
    coldHostOther.push_back(other);
  }
  std::size_t opened = 0;
  for (int round = 0; round < rounds; ++round) {
    closeAll();
    baseline.push_back(ReadValuesOneByOne(file));
    plugIn.push_back(restore(opening, other));
    hostOpening.push_back(opening);
    hostOther.push_back(other);
    hostFrames.push_back(frames);
    opened = story.OpenDocuments().size();
  }
  closeAll();
  story.Unload();

  const double coldBase = Median(coldBaseline), coldOwn = Median(coldPlugIn);
  const double base = Median(baseline), own = Median(plugIn), ownWithHost = own + Median(hostOther);
  std::printf("documents opened per restore: %zu\n", opened);
  std::printf("cold (profile cache dropped), median of %zu rounds:\n", coldPlugIn.size());
  std::printf("  baseline, 256 GetPrivateProfileStringA calls: %.4f s\n", coldBase);
  std::printf("  restore, the plug-in's own cost:              %.4f s (ratio %.3f)\n", coldOwn, coldOwn / coldBase);
  std::printf("  ... with the host's other operations:        %.4f s (ratio %.3f)\n", coldOwn + Median(coldHostOther),
              (coldOwn + Median(coldHostOther)) / coldBase);
  std::printf("warm (file cached), median of %d rounds:\n", rounds);
  std::printf("  baseline, 256 GetPrivateProfileStringA calls: %.4f s\n", base);
  std::printf("  restore, the plug-in's own cost:              %.4f s (ratio %.3f)\n", own, own / base);
  std::printf("  ... with the host's other operations:        %.4f s (ratio %.3f)\n", ownWithHost, ownWithHost / base);
  std::printf("      of which the host's exception frames:  %.4f s\n", Median(hostFrames));
  std::printf("  the host opening the documents:               %.4f s (not counted)\n", Median(hostOpening));
  const bool met = coldOwn <= coldBase && own <= base && std::max(coldOwn, own) < 0.3;
  std::printf("goal, cold and warm: ratio <= 1 and under 0.3 s: %s\n", met ? "met" : "NOT met");

  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
  DeleteFileA(file.c_str());
  if (hadFile) MoveFileExA(backup.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING);
  return 0;
}
