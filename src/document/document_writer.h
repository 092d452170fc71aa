// The document text: a "gen" line, then per object its "obj" line and per
// shape its "shape", "shapefx" and "pt" lines; UTF-8, CR LF, "," separated
// without quoting.
#pragma once

#include <string>
#include <vector>

#include "document/scene.h"

namespace tavisk {

std::string WriteDocumentText(const std::vector<sObject>& objects);

}  // namespace tavisk
