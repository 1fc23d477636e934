// The probe plug-in (probe_plugin.c), which shares no header with the project,
// in the stand-in host: loaded like Vellora, a document opened, the host
// idle, a quit refused and then done. Each row is one thing the probe saw,
// as its report file has it; a number wrong on either side shows in a row.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "standin/interface/standin_host.h"
#include "standin/reader/wine_path.h"
#include "tests/support/test_support.h"

namespace {

std::map<std::string, std::string> ReadReport(const std::string& path) {
  std::map<std::string, std::string> seen;
  std::istringstream lines(support::ReadFile(path));
  for (std::string key, value; lines >> key && std::getline(lines >> std::ws, value);) seen[key] = value;
  return seen;
}

TEST(Probe, AnIndependentPlugInGoesThroughEveryStep) {
  support::TempFolder files;
  const std::string report = files.Path("probe report.txt");
  DeleteFileA(report.c_str());  // a folder left by a crashed run may hold an old report
  ASSERT_TRUE(SetEnvironmentVariableA("VELLORA_PROBE_REPORT", report.c_str()));
  standin::StandinHost host;
  const standin::LoadReport load = host.Start(standin::WinePathFromLinux(PROBE_PLUGIN_DLL));
  ASSERT_TRUE(load.initialized.value_or(false)) << load.stoppedBecause << "\n" << support::ReadFile(report);
  EXPECT_EQ(load.plugInHandshakeVersion, 0x20000u);
  EXPECT_EQ(load.extensionName, "VelloraProbe") << "the 16-bit atom at offset 6";
  standin::Document* document = host.OpenDocument(files.Pdf("three pages.pdf", 3));
  ASSERT_NE(document, nullptr);
  document->view.page = 2;
  document->view.zoomType = 2;
  document->view.zoom = 0x18000;
  document->view.layoutMode = 4;
  document->view.rect = {-30, 40, 582, 832};
  document->pageMode = 3;
  document->splitter = 150;
  host.IdleFor(300);
  host.SetHostCanQuit(false);
  EXPECT_FALSE(host.AskToQuit()) << "the replacement passes on the replaced entry's answer";
  host.SetHostCanQuit(true);
  EXPECT_TRUE(host.Quit());
  const struct {
    const char* key;
    const char* expected;
  } rows[] = {
      /*  0 */ {"order", "main setup handshake export register init open idle quit unload"},
      /*  1 */ {"main", "window 1 module 1"},
      /*  2 */ {"setup.version", "0x20000 0x20000"},
      /*  3 */ {"tables", "Core AcroSupport PDModel AcroView"},
      /*  4 */ {"atom", "Probe atom"},
      /*  5 */ {"handshake", "0x20000 StandinReader"},
      /*  6 */ {"replace.refused", "0x400b0006"},
      /*  7 */ {"raise", "0x40120007"},
      /*  8 */ {"frame.kept", "1"},
      /*  9 */ {"open", "error 0 data 1 pages 3"},
      /* 10 */ {"idle.data", "1"},
      /* 11 */ {"view", "layout 4 page 2 zoomType 2 zoom 98304 x -30 y 40 pageMode 3 splitter 150 past 0"},
      /* 12 */ {"aperture", "-30 40 582 832 past 0"},
      /* 13 */ {"quit.calls", "2"},
  };
  std::map<std::string, std::string> seen = ReadReport(report);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(seen[rows[i].key], rows[i].expected) << "row " << i << ": " << rows[i].key;
  }
  for (const std::string& violation : host.Violations()) ADD_FAILURE() << violation;  // an unbalanced frame, too
}

}  // namespace
