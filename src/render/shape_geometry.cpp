#include "render/shape_geometry.h"

namespace tavisk {

namespace {
double PX(const std::vector<sPoint>& points, int64_t i) {
  return static_cast<double>(points[static_cast<size_t>(i)].X);
}
double PY(const std::vector<sPoint>& points, int64_t i) {
  return static_cast<double>(points[static_cast<size_t>(i)].Y);
}
}  // namespace

void AddComplexChain(Surface& surface, const std::vector<sPoint>& points, double ox, double oy) {
  WalkComplexChain(
      points,
      [&](int64_t start) { surface.MovePathCursor(ox + PX(points, start), oy + PY(points, start)); },
      [&](const ChainSegment& s) {
        surface.AddPathCurve(ox + PX(points, s.a), oy + PY(points, s.a), ox + PX(points, s.b),
                             oy + PY(points, s.b), ox + PX(points, s.c), oy + PY(points, s.c));
      });
}

void AddLineChain(Surface& surface, const std::vector<sPoint>& points, double ox, double oy,
                  bool close) {
  for (int64_t i = 0; i <= LastIndex(points); ++i) {
    surface.AddPathSegment(ox + PX(points, i), oy + PY(points, i));
  }
  if (close) surface.CloseFigure();
}

void AddCurveChain(Surface& surface, const std::vector<sPoint>& points, double ox, double oy,
                   bool close) {
  const int64_t last = LastIndex(points);
  for (int64_t i = 1; i <= last - 1; i += 3) {
    const int64_t end = i + 2 > last ? 0 : i + 2;
    surface.AddPathCurve(ox + PX(points, i), oy + PY(points, i), ox + PX(points, i + 1),
                         oy + PY(points, i + 1), ox + PX(points, end), oy + PY(points, end));
  }
  if (close) surface.CloseFigure();
}

void UseShapeFont(const EditorContext& ctx, Surface& surface, const sShape& shape, double size) {
  const FontSpec* font = ctx.Fonts.Get(shape.Font);
  if (font != nullptr) {
    surface.VectorFont(font->Name, font->Style, size);
  } else {
    surface.VectorFont(kDefaultFontFace, 0, size);
  }
}

void PaintInStyle(Surface& surface, int64_t color, int64_t style, double width, double length,
                  double distance) {
  surface.VectorSourceColor(color);
  switch (style) {
    case kFilled:
      surface.FillPath();
      break;
    case kLineStyle:
      surface.StrokePath(width, true);
      break;
    case kDash:
      surface.DashPath(width, length);
      break;
    case kDot:
      surface.DotPath(width, distance, true);
      break;
    default:
      break;
  }
}

}  // namespace tavisk
