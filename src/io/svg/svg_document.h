// Recorded paints laid out as an SVG 1.1 document.
#pragma once

#include <QRectF>
#include <QTransform>
#include <string>
#include <vector>

#include "io/svg/svg_recording_surface.h"

namespace tavisk {

// The document showing viewBox (document coordinates) at one pixel a unit,
// the paints placed by deviceToDocument, each run of paints of one object
// in a group of its own.
std::string SvgDocumentText(const std::vector<SvgPaint>& paints, const QRectF& viewBox,
                            const QTransform& deviceToDocument, bool textAsPaths);

}  // namespace tavisk
