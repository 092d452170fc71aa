// tavisk-cli import-svg: an SVG picture into a document of one object.
#pragma once

#include <iosfwd>

#include "cli_arguments.h"

namespace tavisk::cli {

int ImportSvg(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace tavisk::cli
