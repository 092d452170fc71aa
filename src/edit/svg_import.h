// Bringing an SVG picture into the drawing as a layer of its own.
#pragma once

#include <string>

#include "document/editor_context.h"
#include "io/svg/svg_reader.h"

namespace tavisk {

inline constexpr const char* kSvgImportTitle = "Import SVG";

// Adds the layer read as a new object named name, on top and current, and
// tells the user in one message what the picture held that was dropped.
// Call it within one edit of the history (each menu command is one), so the
// import is one undo step. When nothing was read the scene is left as it
// is, the user is told why, and the answer is false.
bool ImportSvgLayer(EditorContext& ctx, const SvgReadResult& read, const std::string& name);

// The file name without its folder and extension.
std::string SvgLayerName(const std::string& path);

// The menu command: asks for the file when file is empty, reads it (a
// special file or one larger than an import may be is refused with a
// message) and imports it at the given scale, named after the file.
bool ImportSvgFile(EditorContext& ctx, const std::string& file, double scale = 1.0);

}  // namespace tavisk
