// The effects of a shape (the second half of shape_paint.h).
#include "render/shape_geometry.h"
#include "render/shape_paint.h"

namespace tavisk {

namespace {

// The complex chain scaled by s about the first point, in relative curves.
// A segment that closes its figure ends on minus the sum of the figure's
// earlier ends, so rounding never leaves the outline open.
void AddScaledComplexChain(Surface& surface, const std::vector<sPoint>& points, float s) {
  auto px = [&](int64_t i) { return static_cast<double>(points[static_cast<size_t>(i)].X); };
  auto py = [&](int64_t i) { return static_cast<double>(points[static_cast<size_t>(i)].Y); };
  int64_t current = 0;
  int64_t figureStart = 0;
  double sumX = 0;
  double sumY = 0;
  WalkComplexChain(
      points,
      [&](int64_t start) {
        if (start != current) {
          surface.MovePathCursor(s * (px(start) - px(current)), s * (py(start) - py(current)),
                                 true);
        }
        current = figureStart = start;
        sumX = sumY = 0;
      },
      [&](const ChainSegment& seg) {
        const double curX = px(current);
        const double curY = py(current);
        double endX = s * (px(seg.c) - curX);
        double endY = s * (py(seg.c) - curY);
        if (SamePlace(points[static_cast<size_t>(seg.c)],
                      points[static_cast<size_t>(figureStart)])) {
          endX = -sumX;
          endY = -sumY;
        }
        surface.AddPathCurve(s * (px(seg.a) - curX), s * (py(seg.a) - curY),
                             s * (px(seg.b) - curX), s * (py(seg.b) - curY), endX, endY, true);
        sumX += endX;
        sumY += endY;
        current = seg.c;
      });
}

}  // namespace

void DrawShapeFx(const EditorContext& ctx, const CanvasView& view, Surface& surface,
                 const sObject& object, int64_t index, const sShapeFx& fx) {
  const sShape& shape = object.Shape[static_cast<size_t>(index)];
  const float s = static_cast<float>(fx.Scale) * 0.01f;
  // The object's offset is added here although the shape path leaves it to
  // the object transform; effects have always been placed this way.
  const double bx = static_cast<double>(view.PanX + fx.X + shape.X + object.X);
  const double by = static_cast<double>(view.PanY + fx.Y + shape.Y + object.Y);
  const double qx = bx + static_cast<double>(shape.Pt.front().X);
  const double qy = by + static_cast<double>(shape.Pt.front().Y);
  surface.MovePathCursor(qx, qy);

  switch (shape.Typ) {
    case kComplexShape:
      surface.MovePathCursor(qx, qy);
      AddScaledComplexChain(surface, shape.Pt, s);
      break;
    case kBox:
    case kImage:
      surface.AddPathBox(qx, qy, shape.W * s, shape.H * s);
      break;
    case kCircle:
      surface.AddPathEllipse(qx, qy, shape.W * s, shape.H * s);
      break;
    case kLine:
      AddLineChain(surface, shape.Pt, bx, by, shape.Close != 0);
      break;
    case kCurve:
      AddCurveChain(surface, shape.Pt, bx, by, shape.Close != 0);
      break;
    case kText:
      UseShapeFont(ctx, surface, shape, shape.W);
      surface.AddPathText(shape.Text);
      break;
    default:
      break;
  }

  const bool linkedToNext = shape.Link != 0 && index != LastIndex(object.Shape);
  if (!linkedToNext) {
    PaintInStyle(surface, fx.Color, fx.Typ, static_cast<double>(fx.Width),
                 static_cast<double>(fx.Height), static_cast<double>(fx.Dist));
  }
}

void DrawShapeFxLayer(const EditorContext& ctx, const CanvasView& view, Surface& surface,
                      const sObject& object, int64_t index, int depth) {
  // "All back" and "All front" (2 and 3) are kept but never drawn.
  if (depth != 0 && depth != 1) return;
  for (const sShapeFx& fx : object.Shape[static_cast<size_t>(index)].Fx) {
    if (fx.Depth == depth && fx.Actif == 1) DrawShapeFx(ctx, view, surface, object, index, fx);
  }
}

}  // namespace tavisk
