#include "standin/cycle_demo.h"

#include <filesystem>
#include <vector>

#include "standin/host_story.h"
#include "standin/sample_pdf.h"
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

}  // namespace standin
