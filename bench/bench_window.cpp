// Speed of the "Quendle" window on a full project file (256 projects of 256
// files): from the click on the tool button until the sheet is shown, and
// from the choice of another project of 256 files until its list is filled
// (and, shown apart, until it is painted too). Baseline measured in the same run: the project file's load
// alone, which opening the window includes.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "projects/project_file.h"
#include "projects/project_file_path.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"
#include "res/resource_ids.h"
#include "standin/reader/wine_path.h"
#include "standin/story/host_story.h"

namespace {

constexpr int kRuns = 5;
constexpr int kRefillsPerRun = 6;
constexpr double kOpenGoal = 0.5;
constexpr double kRefillGoal = 0.05;

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Every project full, each file with a view-state string of ordinary length.
void FillFullStore(ProjectStore& store) {
  store.AddProject(kDefaultProjectName);
  for (int p = 1; p < kMaxProjects; ++p) store.AddProject("Customer file " + std::to_string(p));
  for (int p = 0; p < kMaxProjects; ++p) {
    for (int f = 0; f < kMaxFiles; ++f) {
      const std::string folder = "/E/Archive/Customer " + std::to_string(p) + "/Year " + std::to_string(f % 7);
      store.AddFile(folder + "/Statement " + std::to_string(f) + ".pdf",
                    "ALLSTATE=" + std::string(152, 'a' + f % 6) + "&PAGE=" + std::to_string(f) +
                        "&PAGEMODE=1&LAYOUTMODE=2&SPLITTERPOSTION=0&ZOOM_TYPE-VALUE=1:65536.000000",
                    p);
    }
  }
}

struct Measure {
  double clicked = 0;
  double shown = 0;
  std::vector<double> refills;
  std::vector<double> paints;
};
Measure* current = nullptr;

// Inside the sheet's modal loop. A timer's message comes after every other
// message, painting included: the first one after the click finds the sheet
// shown. Then it chooses projects one after the other and cancels the sheet.
void CALLBACK ChooseProjects(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND sheet = FindWindowA(nullptr, "Vellora v1.51");
  if (sheet == nullptr || !IsWindowVisible(sheet)) return;
  current->shown = Now();
  KillTimer(nullptr, timer);
  const HWND page = PropSheet_GetCurrentPageHwnd(sheet);
  const HWND projects = GetDlgItem(page, IDC_PROJECT_LIST);
  for (int i = 0; i < kRefillsPerRun; ++i) {
    const int project = 1 + i % 2;
    SendMessageA(projects, LB_SETCURSEL, project, 0);
    const double start = Now();
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_PROJECT_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(projects));
    const double filled = Now();
    UpdateWindow(page);
    current->refills.push_back(filled - start);
    current->paints.push_back(Now() - filled);
  }
  PropSheet_PressButton(sheet, PSBTN_CANCEL);
  PostMessageA(sheet, WM_NULL, 0, 0);
}

}  // namespace

int main() {
  const std::string file = ProjectFilePath();
  {
    ProjectStore full;
    FillFullStore(full);
    if (SaveProjectFile(full, file) != 1) {
      std::printf("cannot write %s\n", file.c_str());
      return 1;
    }
  }
  std::vector<double> loads;
  for (int run = 0; run < kRuns; ++run) {
    ProjectStore store;
    store.AddProject(kDefaultProjectName);
    const double start = Now();
    LoadProjectFile(store, file);
    loads.push_back(Now() - start);
  }

  standin::HostStory story;
  story.Start(standin::WinePathFromLinux(VELLORA_DLL_PATH));
  std::vector<double> opens;
  std::vector<double> refills;
  std::vector<double> paints;
  for (int run = 0; run < kRuns; ++run) {
    Measure measure;
    current = &measure;
    SetTimer(nullptr, 0, 1, ChooseProjects);
    measure.clicked = Now();
    story.ClickToolButton("Vellora:FavoritePDFConfig");
    opens.push_back(measure.shown - measure.clicked);
    refills.insert(refills.end(), measure.refills.begin(), measure.refills.end());
    paints.insert(paints.end(), measure.paints.begin(), measure.paints.end());
  }
  current = nullptr;
  story.Unload();
  DeleteFileA(file.c_str());

  const double load = Median(loads);
  const double open = Median(opens);
  const double refill = Median(refills);
  std::printf("Window on a full project file (%d projects of %d files), medians of %d openings\n", kMaxProjects,
              kMaxFiles, kRuns);
  std::printf("  baseline: project file load  %8.3f s\n", load);
  std::printf("  open until shown             %8.3f s   ratio %5.1f   goal < %.2f s: %s\n", open, open / load,
              kOpenGoal, open < kOpenGoal ? "met" : "MISSED");
  std::printf("  choose a project of %d files %8.4f s   ratio %5.2f   goal < %.2f s: %s\n", kMaxFiles, refill,
              refill / load, kRefillGoal, refill < kRefillGoal ? "met" : "MISSED");
  std::printf("    then painting its rows       %8.4f s\n", Median(paints));
  return 0;
}
