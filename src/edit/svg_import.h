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
// message) and imports it named after the file. A picture under 64 units
// on its larger side (an icon) would lose its detail to our whole-unit
// points: the user is asked for a scale, a whole one that makes it 128 units
// or more offered, and an empty answer cancels.
bool ImportSvgFile(EditorContext& ctx, const std::string& file);

}  // namespace tavisk
