// The stand-in host started with the plug-in's code linked in, a folder of
// generated files, and the checks every such test ends with.
#pragma once

#include <gtest/gtest.h>

#include "host/host_error.h"
#include "plugin/plugin_entry.h"
#include "tests/support/test_support.h"

class StoryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(story_.StartLinked(&PlugInMain, options_).handshake, true); }
  void TearDown() override {
    EXPECT_EQ(story_.FrameDepth(), 0u);
    EXPECT_EQ(story_.Violations().size(), expectedViolations_) << "the host reported misuse";
  }
  // The test provokes `count` more misuses the host must report.
  void ExpectViolations(std::size_t count) { expectedViolations_ += count; }

  standin::StartOptions options_;
  standin::HostStory story_;
  support::TempFolder files_;
  std::size_t expectedViolations_ = 0;
};
