// The document text: a "gen" line, then per object its "obj" line and per
// shape its "shape", "shapefx" and "pt" lines; UTF-8, CR LF, "," separated
// without quoting.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/scene.h"

namespace tavisk {

std::string WriteDocumentText(const std::vector<sObject>& objects);

// The same text handed to sink in consecutive blocks, so a large document
// goes to its file without a copy of it all in memory.
using TextSink = std::function<void(std::string_view block)>;
void WriteDocument(const std::vector<sObject>& objects, const TextSink& sink);

}  // namespace tavisk
