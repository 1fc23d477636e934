#include "standin/story/cycle_demo.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "standin/interface/reader_commands.h"
#include "standin/pdf/sample_pdf.h"
#include "standin/reader/reader_process.h"
#include "standin/story/host_story.h"
#include "tests/support/test_support.h"

namespace standin {
namespace {

struct DemoDocument {
  const char* name;
  int pages;
  ViewSettings view;  // what the user does with it during the first session
};

// page, zoom type, zoom (raw), left, top, layout mode, page mode, splitter
const DemoDocument kDocuments[] = {
    {"Annual report.pdf", 12, {7, 0, 98304, -12, 0, 2, 2, 150}},
    {"Service manual.pdf", 40, {23, 1, 65536, 0, -300, 1, 3, 90}},
    {"Letter.pdf", 2, {1, 2, 131072, 40, 15, 3, 1, 0}},
};
constexpr int kFrontDocument = 1;  // the one the user was reading when quitting

void PrintView(std::FILE* out, const char* label, const ViewSettings& view) {
  std::fprintf(out, "      %-9s page %d, zoom type %d value %d, spot (%d, %d), layout %d, page mode %d, splitter %d\n",
               label, view.page + 1, view.zoomType, view.zoom, view.left, view.top, view.layoutMode, view.pageMode,
               view.splitter);
}

std::string Indented(const std::string& text) {
  std::string indented;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    indented += "    " + text.substr(at, end - at) + "\n";
    at = end + 1;
  }
  return indented;
}

bool Started(std::FILE* out, HostStory& story, const std::string& dllPath) {
  const LoadReport report = story.Start(dllPath);
  if (report.initialized.value_or(false)) return true;
  std::fprintf(out, "The plug-in did not load: %s\n", report.stoppedBecause.c_str());
  return false;
}

}  // namespace

int RunCycleDemo(std::FILE* out, const std::string& dllPath) {
  const std::string projectFile = support::ProjectFile();
  support::RemoveProjectFile();
  // The documents stay after the story: the reader window that the demo
  // opens next reopens them from the project file.
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "Vellora demo";
  std::filesystem::create_directories(folder);

  std::fprintf(out, "First session. The reader starts with the plug-in; there is no %s yet.\n", projectFile.c_str());
  std::vector<std::string> paths;
  {
    HostStory story;
    if (!Started(out, story, dllPath)) return 1;
    std::fprintf(out,
                 "  The user opens %zu documents and reads in each (pages counted from 1 here; the file\n"
                 "  stores them from 0; zoom values are the host's raw numbers):\n",
                 std::size(kDocuments));
    std::vector<AVDoc> docs;
    for (const DemoDocument& document : kDocuments) {
      paths.push_back((folder / document.name).string());
      WriteSamplePdf(paths.back(), document.pages);
      const AVDoc doc = story.OpenFile(paths.back());
      if (doc == nullptr) {
        std::fprintf(out, "  The host could not open %s\n", paths.back().c_str());
        return 1;
      }
      story.SetView(doc, document.view);
      docs.push_back(doc);
      std::fprintf(out, "    %s (%d pages)\n", document.name, document.pages);
      PrintView(out, "view:", document.view);
    }
    story.BringToFront(docs[kFrontDocument]);
    std::fprintf(out, "  %s is in front. The user quits the reader.\n", kDocuments[kFrontDocument].name);
    const bool mayQuit = story.AskToQuit();
    std::fprintf(out, "  The plug-in captured the open documents and saved; the reader %s.\n",
                 mayQuit ? "may quit" : "may NOT quit");
    story.Unload();
  }

  std::fprintf(out, "\nThe project file the plug-in wrote (%s):\n", projectFile.c_str());
  const std::string text = support::ReadFile(projectFile);
  std::fprintf(out, "%s\n", text.empty() ? "  (no file!)" : text.c_str());

  std::fprintf(out, "Second session. The reader starts again with the plug-in.\n");
  HostStory story;
  if (!Started(out, story, dllPath)) return 1;
  const std::vector<AVDoc> restored = story.OpenDocuments();
  std::fprintf(out, "  After start-up %zu documents are open (in the \"Window\" menu's order):\n", restored.size());
  bool allBack = restored.size() == std::size(kDocuments);
  for (std::size_t i = 0; i < restored.size(); ++i) {
    const DocumentState state = story.State(restored[i]);
    const ViewSettings* before = nullptr;
    for (std::size_t k = 0; k < paths.size(); ++k)
      if (paths[k] == state.path) before = &kDocuments[k].view;
    const bool front = support::FrontPosition(story) == static_cast<int>(i);
    std::fprintf(out, "    %s%s\n", state.path.c_str(), front ? "   <- in front" : "");
    if (before != nullptr) PrintView(out, "had:", *before);
    PrintView(out, "restored:", state.view);
    const bool same = before != nullptr && *before == state.view;
    std::fprintf(out, "      %s\n", same ? "same view as before the quit" : "VIEW DIFFERS");
    allBack = allBack && same && state.path == paths[i] && front == (static_cast<int>(i) == kFrontDocument);
  }
  std::fprintf(out, "  %s\n", allBack ? "Every document came back as it was, the same one in front."
                                       : "Something did not come back as it was.");
  story.Unload();
  return allBack ? 0 : 1;
}

int RunKillDemo(std::FILE* out, const std::string& dllPath) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "Vellora demo";
  const std::string before = (folder / "before the kill.txt").string(), after = (folder / "after.txt").string();
  const auto written = [](const std::string& path) {
    std::string text;
    WaitUntil([&] { return !(text = support::ReadFile(path)).empty(); });
    return text;
  };
  std::fprintf(out,
               "Third session. The reader program starts in a process of its own; the plug-in reopens the\n"
               "documents. The user reads on:\n");
  std::string state;
  {
    DeleteFileA(before.c_str());
    ReaderProcess reader(program, dllPath, "--state-file \"" + before + "\"");
    written(before);
    const struct {
      int command;
      const char* what;
    } work[] = {{kCommandWindowItem + 4, "brings the first document to the front (its \"Window\" menu item)"},
                {kCommandNextPage, "turns a page"},
                {kCommandZoomIn, "zooms in"},
                {kCommandWindowItem + 6, "brings the third document to the front"},
                {kCommandScrollDown, "scrolls down"},
                {kCommandNextLayout, "changes its page layout"}};
    for (const auto& step : work) {
      std::fprintf(out, "  - %s\n", step.what);
      reader.Command(step.command);
    }
    std::fprintf(out,
                 "  and pauses for 6 s. The reader's loop, idle, calls the plug-in's idle procedure, which\n"
                 "  saves the open documents (no document is brought to the front, no view changes).\n");
    Sleep(6000);
    DeleteFileA(before.c_str());
    reader.Command(kCommandWriteState);
    state = written(before);
    reader.Kill();
  }
  std::fprintf(out, "  Then the reader's process is killed from outside (TerminateProcess): no quit.\n");
  std::fprintf(out, "  What was open at the kill:\n%s\n", Indented(state).c_str());
  std::fprintf(out, "The next start. The reader starts again; the plug-in reopens what it saved:\n");
  DeleteFileA(after.c_str());
  ReaderProcess again(program, dllPath, "--state-file \"" + after + "\" --quit");
  const std::string restored = written(after);
  again.WaitForEnd();
  std::fprintf(out, "%s\n", Indented(restored).c_str());
  const bool same = !state.empty() && restored == state;
  std::fprintf(out, "  %s\n",
               same ? "Everything came back as it was at the kill, the same document in front."
                    : "Something did not come back as it was.");
  return same ? 0 : 1;
}

}  // namespace standin
