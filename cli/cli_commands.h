// The work of each tavisk-cli command on a fresh editor context.
#pragma once

#include <iosfwd>
#include <string>

#include "cli_arguments.h"
#include "document/options.h"

namespace tavisk::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitUnreadable = 3;
inline constexpr int kExitNotWritten = 4;
inline constexpr int kExitNothingToExport = 5;

// Runs a parsed command; the path written goes to out, problems to err.
int RunCommand(const Arguments& args, std::ostream& out, std::ostream& err);

// The exports' shared steps.
// Without a canvas, the drawing spans from the origin to the camera's far
// corner, so the camera rectangle always lies inside it.
inline int DrawingWidth(const sPzOptions& o) { return o.CameraX + o.CameraW; }
inline int DrawingHeight(const sPzOptions& o) { return o.CameraY + o.CameraH; }
// Reports an empty export; answers kExitNothingToExport.
int NothingToExport(bool cameraArea, std::ostream& err);
// Reports the outcome of a write; answers the exit code.
int Written(bool ok, const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace tavisk::cli
