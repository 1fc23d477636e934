// The fixed limits of the project collection and the name of the default project.
#pragma once

#include <cstdint>

// At most this many projects, the default project included.
inline constexpr std::int32_t kMaxProjects = 256;

// At most this many files in one project.
inline constexpr std::int32_t kMaxFiles = 256;

// Project 0: the documents that were open when they were last captured.
inline constexpr char kDefaultProjectName[] = "CURRENT OPENED FILES";

// Position result for "no such project or file" and for a refused operation.
inline constexpr std::int32_t kNoIndex = -1;
