// Prints what crossed between the stand-in host and the plug-in, for people
// who watch the demo.
#pragma once

#include <cstddef>
#include <cstdio>

#include "standin/interface/standin_host.h"

namespace standin {

// Prints the log entries from `first` on: calls into the plug-in and, indented
// under each, the host operations the plug-in called during it. Exception
// frame pushes and pops (around every host call) are left out.
void PrintConversation(std::FILE* out, const OperationLog& log, std::size_t first = 0);
// Prints the tables the plug-in asked for: name, version asked, answer.
void PrintTableRequests(std::FILE* out, const std::vector<TableRequest>& requests);
void PrintLoadReport(std::FILE* out, const LoadReport& report);

}  // namespace standin
