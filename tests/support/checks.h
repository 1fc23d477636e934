// The checks every host story ends with, and the one check of an INI file's
// content, each reporting the line it was called from.
#pragma once

#include <gtest/gtest.h>

#include <source_location>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace support {

using Where = std::source_location;

// Everything the host must find in order after a run: no frame left, no
// misuse reported (a C++ exception that reached it is one), no host text,
// path object, menu or menu item still held, no batch of view changes open.
// `refusedRelease` names a release the host made fail: the one thing it
// refused to take back may stay with the plug-in.
inline void ExpectHostClean(standin::HostStory& story, const std::string& refusedRelease = {},
                            Where where = Where::current()) {
  const testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()), "host clean");
  EXPECT_EQ(story.FrameDepth(), 0u);
  const bool batchMayStayOpen = refusedRelease == "AVPageViewEndOperation";
  for (const std::string& violation : story.Violations()) {
    if (!batchMayStayOpen || violation.find("batch left open") == std::string::npos) ADD_FAILURE() << violation;
  }
  EXPECT_EQ(story.OutstandingHostMemory(), refusedRelease == "ASfree" ? 1u : 0u) << "path text not given back";
  EXPECT_EQ(story.OutstandingPaths(), refusedRelease == "ASFileSysReleasePath" ? 1u : 0u) << "path objects kept";
  EXPECT_EQ(story.OutstandingMenus(), refusedRelease == "AVMenuRelease" ? 1 : 0);
  EXPECT_EQ(story.OutstandingMenuItems(), refusedRelease == "AVMenuItemRelease" ? 1 : 0);
  for (AVDoc doc : story.OpenDocuments()) EXPECT_LE(story.State(doc).batchDepth, batchMayStayOpen ? 1 : 0);
}

// One value of an INI file: [section] key, and what the platform reads for
// it (kMissing for no such key).
struct ProfileValue {
  std::string section, key, value;
};

// Each value as the platform's profile reader reads it from the file.
inline void ExpectProfile(const std::vector<ProfileValue>& values, const std::string& file = ProjectFile(),
                          Where where = Where::current()) {
  const testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()), file);
  for (const ProfileValue& v : values) {
    EXPECT_EQ(Profile(v.section, v.key, file), v.value) << "[" << v.section << "] " << v.key;
  }
}

}  // namespace support
