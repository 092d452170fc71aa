// The work of each tavisk-cli command on a fresh editor context.
#pragma once

#include <iosfwd>

#include "cli_arguments.h"

namespace tavisk::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitUnreadable = 3;
inline constexpr int kExitNotWritten = 4;
inline constexpr int kExitNothingToExport = 5;

// Runs a parsed command; the path written goes to out, problems to err.
int RunCommand(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace tavisk::cli
