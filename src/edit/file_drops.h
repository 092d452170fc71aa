// Files dropped on the canvas, each taken as the command for its kind takes
// a chosen file.
#pragma once

#include <QPointF>
#include <optional>
#include <string>
#include <vector>

#include "edit/editor.h"

namespace tavisk {

enum class DroppedFileKind { Document, Svg, Picture };

// By the file name's extension, in any case: ".txt" is a document, ".svg"
// an SVG drawing, anything else is offered to the picture loader.
DroppedFileKind KindOfDroppedFile(const std::string& path);

// Each file in turn: a document is merged as Merge merges it, an SVG added
// as a new layer as Import SVG adds it, a picture placed as an image shape
// at the drop point (canvas pixels) as the image tool places one. Files
// that cannot be read are reported as those commands report them.
void DropFiles(Editor& ctx, const std::vector<std::string>& paths, QPointF canvasPointer);

}  // namespace tavisk
