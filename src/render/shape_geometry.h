// Geometry shared by the shape paint, the effects and the selection
// outlines: where a shape's points sit and the figures its points make.
#pragma once

#include <cstdint>
#include <vector>

#include "document/complex_chain.h"
#include "document/editor_context.h"
#include "document/scene.h"
#include "render/surface.h"

namespace tavisk {

// The figures of a complex shape's chain (document/complex_chain.h), offset
// by (ox, oy); no CloseFigure, a closed figure ends back on its first point.
void AddComplexChain(Surface& surface, const std::vector<sPoint>& points, double ox, double oy);

// A polyline through every point, closed when close is set.
void AddLineChain(Surface& surface, const std::vector<sPoint>& points, double ox, double oy,
                  bool close);

// The first point, then cubic triples (control, control, end), closed by a
// straight line when close is set.
void AddCurveChain(Surface& surface, const std::vector<sPoint>& points, double ox, double oy,
                   bool close);

// Sets the text shape's font at size; a handle that names no loaded font
// gives the default face.
void UseShapeFont(const EditorContext& ctx, Surface& surface, const sShape& shape, double size);

// Paints the current path in a shape style (0 filled .. 4 custom); style 4
// and unknown styles leave the path for the next paint.
void PaintInStyle(Surface& surface, int64_t color, int64_t style, double width, double length,
                  double distance);

inline constexpr const char* kDefaultFontFace = "Times New roman";

}  // namespace tavisk
