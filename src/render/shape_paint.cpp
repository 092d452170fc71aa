#include "render/shape_paint.h"

#include "render/shape_geometry.h"

namespace tavisk {

void BuildShapePath(const EditorContext& ctx, const CanvasView& view, Surface& surface,
                    const sObject& object, int64_t index) {
  const sShape& shape = object.Shape[static_cast<size_t>(index)];
  const double ox = static_cast<double>(view.PanX) + shape.X;
  const double oy = static_cast<double>(view.PanY) + shape.Y;
  const sPoint& first = shape.Pt.front();
  const double x0 = ox + static_cast<double>(first.X);
  const double y0 = oy + static_cast<double>(first.Y);
  surface.MovePathCursor(x0, y0);

  switch (shape.Typ) {
    case kComplexShape:
      AddComplexChain(surface, shape.Pt, ox, oy);
      break;
    case kBox:
      surface.AddPathBox(x0, y0, shape.W, shape.H);
      break;
    case kCircle:
      surface.AddPathEllipse(x0, y0, shape.W, shape.H);
      break;
    case kLine:
      AddLineChain(surface, shape.Pt, ox, oy, shape.Close != 0);
      break;
    case kCurve:
      AddCurveChain(surface, shape.Pt, ox, oy, shape.Close != 0);
      break;
    case kImage:
      surface.MovePathCursor(ox, oy);
      if (const QImage* picture = ctx.Pictures.Get(shape.Image)) {
        surface.DrawImageAtCursor(*picture, shape.Alpha, shape.W, shape.H);
      }
      break;
    case kText:
      surface.MovePathCursor(ox, oy);
      UseShapeFont(ctx, surface, shape, shape.W);
      surface.AddPathText(shape.Text);
      break;
    default:  // the rounded box has no path
      break;
  }
}

void PaintShapePath(Surface& surface, const sShape& shape) {
  PaintInStyle(surface, shape.Color, shape.Style, shape.Width, shape.Height, shape.Dist);
}

}  // namespace tavisk
