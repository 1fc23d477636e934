// Speed of the project file: a full store (256 projects of 256 files, about
// 20 MB) saved and loaded by the plug-in, beside the plain-file floor (the
// same bytes written and read with one file call each) measured in the same
// run, each the median of five rounds; and, on a smaller store where it finishes, the key-by-key sequence of
// profile-function calls beside the plug-in's save and load of that store.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "host/scoped_handle.h"
#include "projects/project_file.h"
#include "projects/project_limits.h"
#include "projects/project_store.h"

namespace {

double Seconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename F>
double Time(F f) {
  const double start = Seconds();
  f();
  return Seconds() - start;
}

// The median of five rounds: one round of a 20 MB write can take three times
// as long as the next, as the system's cache happens to flush.
double MedianOf(std::vector<double> rounds) {
  std::sort(rounds.begin(), rounds.end());
  return rounds[rounds.size() / 2];
}

template <typename F>
double Median(F f) {
  std::vector<double> rounds;
  for (int i = 0; i < 5; ++i) rounds.push_back(Time(f));
  return MedianOf(rounds);
}

// A view-state string of realistic length (the builder makes 270 to 325
// characters).
std::string State(int page) {
  std::string hex;
  for (int i = 0; i < 152; ++i) hex += "0123456789abcdef"[(i * 7 + page) % 16];
  return "ALLSTATE=" + hex + "&PAGEMODE=2&LAYOUTMODE=1&SPLITTERPOSTION=150&PAGE=" + std::to_string(page) +
         "&ZOOM_TYPE-VALUE=0:98304.000000&TOPSPOT_LEFT-TOP=-12:0";
}

void Fill(ProjectStore& store, int projects, int files) {
  store.ClearAll();
  store.AddProject(kDefaultProjectName);
  for (int p = 1; p < projects; ++p) store.AddProject("Project " + std::to_string(p) + " of the benchmark");
  for (int p = 0; p < projects; ++p) {
    for (int f = 0; f < files; ++f) {
      store.AddFile(
          "/D/Documents/Customer " + std::to_string(p) + "/Reports/Annual report part " + std::to_string(f) + ".pdf",
          State(f), p);
    }
    store.SetActiveIndex(store.Name(p), 0);
  }
}

void LoadFresh(ProjectStore& store, const std::string& path) {
  store.ClearAll();
  store.AddProject(kDefaultProjectName);
  LoadProjectFile(store, path);
}

// The save as one profile-function call per key.
void ProfileSave(const ProjectStore& store, const std::string& path) {
  const char* file = path.c_str();
  WritePrivateProfileStringA("PROJECT_NAME", nullptr, nullptr, file);
  WritePrivateProfileStringA("PROJECT_NAME", "PROJECT_NUM", std::to_string(store.ProjectCount()).c_str(), file);
  for (int i = 0; i < store.ProjectCount(); ++i) {
    WritePrivateProfileStringA("PROJECT_NAME", std::to_string(i).c_str(), store.Name(i).c_str(), file);
  }
  for (int i = 0; i < store.ProjectCount(); ++i) {
    const char* name = store.Name(i).c_str();
    const FileList& files = store.Files(i);
    WritePrivateProfileStringA(name, nullptr, nullptr, file);
    WritePrivateProfileStringA(name, "ActiveArticleIndex", std::to_string(files.ActiveIndex()).c_str(), file);
    WritePrivateProfileStringA(name, "OpenNum", std::to_string(files.Count()).c_str(), file);
    for (int j = 0; j < files.Count(); ++j) {
      const std::string value = files.Entry(j).path + "?" + files.Entry(j).state;
      WritePrivateProfileStringA(name, std::to_string(j).c_str(), value.c_str(), file);
    }
  }
}

// The load as one profile-function call per key.
std::size_t ProfileLoad(const std::string& path) {
  const char* file = path.c_str();
  char buffer[1024];
  std::size_t bytes = 0;
  GetPrivateProfileStringA("PROJECT_NAME", "PROJECT_NUM", "", buffer, 10, file);
  const int count = std::atoi(buffer);
  for (int i = 1; i < count; ++i) {
    char name[256];
    GetPrivateProfileStringA("PROJECT_NAME", std::to_string(i).c_str(), "", name, sizeof name, file);
    GetPrivateProfileStringA(name, "ActiveArticleIndex", "", buffer, 8, file);
    GetPrivateProfileStringA(name, "OpenNum", "", buffer, 8, file);
    const int files = std::atoi(buffer);
    for (int j = 0; j < files; ++j) {
      bytes += GetPrivateProfileStringA(name, std::to_string(j).c_str(), "", buffer, sizeof buffer, file);
    }
  }
  return bytes;
}

std::string TempPath(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

void Remove(const std::string& path) {
  DeleteFileA(path.c_str());
  DeleteFileA((path + ".tmp").c_str());
}

}  // namespace

int main() {
  const std::string path = TempPath("bench_vellora.ini");
  const std::string floor_path = TempPath("bench_vellora_floor.bin");
  Remove(path);

  ProjectStore full;
  Fill(full, kMaxProjects, kMaxFiles);
  const double first_save = Time([&] { SaveProjectFile(full, path); });
  std::string bytes;
  {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size;
    GetFileSizeEx(file.get(), &size);
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD done = 0;
    ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
  }
  // The floor of a save: the old file read (a save keeps what the file holds
  // besides the projects), the same bytes written to a new file, flushed and
  // put in place of the old one. Its rounds alternate with the save's, so
  // that both meet the disk in the same state.
  const std::string floor_new = floor_path + ".new";
  const auto floorRead = [&] {
    FileHandle file(CreateFileA(floor_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    std::string old(bytes.size(), '\0');
    DWORD done = 0;
    ReadFile(file.get(), old.data(), static_cast<DWORD>(old.size()), &done, nullptr);
  };
  const auto floorWrite = [&] {
    {
      FileHandle file(CreateFileA(floor_new.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
      DWORD done = 0;
      WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
      FlushFileBuffers(file.get());
    }
    MoveFileExA(floor_new.c_str(), floor_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  };
  floorWrite();
  std::vector<double> saves, floors, writes;
  for (int i = 0; i < 5; ++i) {
    saves.push_back(Time([&] { SaveProjectFile(full, path); }));  // over a full file, as at every later save
    floors.push_back(Time([&] { floorRead(), floorWrite(); }));
    writes.push_back(Time(floorWrite));
  }
  const double save = MedianOf(saves), floor_save = MedianOf(floors), floor_write = MedianOf(writes);
  ProjectStore loaded;
  const double load = Median([&] { LoadFresh(loaded, path); });
  const double floor_read = Median(floorRead);
  DeleteFileA(floor_path.c_str());
  Remove(path);

  std::printf("Full store: %d projects of %d files, %.1f MB\n", loaded.ProjectCount(), loaded.Files(1).Count(),
              static_cast<double>(bytes.size()) / 1e6);
  std::printf("  save (new file)       %8.3f s\n", first_save);
  std::printf("  save (over full file) %8.3f s   floor (read, write, flush, replace) %8.3f s   ratio %5.1f\n", save,
              floor_save, save / floor_save);
  std::printf("                                   of which the write, flush, replace   %8.3f s\n", floor_write);
  std::printf("  load                  %8.3f s   floor (read)                        %8.3f s   ratio %5.1f\n", load, floor_read,
              load / floor_read);

  ProjectStore small;
  Fill(small, 16, 64);
  SaveProjectFile(small, path);
  const double engine_small_save = Time([&] { SaveProjectFile(small, path); });
  const double engine_small_load = Time([&] { LoadFresh(loaded, path); });
  const double profile_small_save = Time([&] { ProfileSave(small, path); });
  const double profile_small_load = Time([&] { ProfileLoad(path); });
  Remove(path);
  std::printf("Small store: 16 projects of 64 files, key by key through the profile functions\n");
  std::printf("  save: profile functions %8.3f s   plug-in %8.4f s   ratio %7.0f\n", profile_small_save,
              engine_small_save, profile_small_save / engine_small_save);
  std::printf("  load: profile functions %8.3f s   plug-in %8.4f s   ratio %7.0f\n", profile_small_load,
              engine_small_load, profile_small_load / engine_small_load);
  return 0;
}
