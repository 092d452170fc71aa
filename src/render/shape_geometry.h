// Geometry shared by the shape paint, the effects and the selection
// outlines: where a shape's points sit and the figures its points make.
#pragma once

#include <cstdint>
#include <vector>

#include "document/editor_context.h"
#include "document/scene.h"
#include "render/surface.h"

namespace tavisk {

// Indices of the points of a complex-shape segment starting at point i; an
// index past last wraps to 0.
struct ChainSegment {
  int64_t a, b, c;
};
ChainSegment ComplexSegment(int64_t i, int64_t last);

// The closed cubic chain of a complex shape through every point, offset by
// (ox, oy); no CloseFigure, the chain ends back on its first point.
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
