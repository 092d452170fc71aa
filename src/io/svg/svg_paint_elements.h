// One recorded paint as SVG elements: its figures (a path, a rect, an
// ellipse, texts or a picture) with the paint's colour and style.
#pragma once

#include <QTransform>
#include <string>

#include "io/svg/svg_recording_surface.h"

namespace tavisk {

// The elements of paint, ending in a newline, placed by deviceToDocument
// (device pixels to the document's coordinates). Texts are written as
// outlines when textAsPaths is set. "" when the paint shows nothing.
std::string SvgPaintElements(const SvgPaint& paint, const QTransform& deviceToDocument,
                             bool textAsPaths);

}  // namespace tavisk
