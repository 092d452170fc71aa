// tavisk-cli svg: the scene or one object as an SVG file.
#pragma once

#include <iosfwd>

#include "cli_arguments.h"
#include "document/editor_context.h"

namespace tavisk::cli {

// The area png would write with the same arguments; exit codes as for png,
// and 5 for an object the document does not have.
int ExportSvg(const EditorContext& ctx, const Arguments& args, std::ostream& out,
              std::ostream& err);

}  // namespace tavisk::cli
