// The editing overlays drawn over the scene: handles, pivot marker,
// selection outlines, grid and camera frame.
#include <cmath>

#include "document/numeric.h"
#include "render/renderer.h"
#include "render/shape_geometry.h"
#include "render/shape_paint.h"

namespace tavisk {

namespace {

const int64_t kPointLineColor = RGBA(0, 0, 0, 100);
const int64_t kControlPointColor = RGBA(255, 255, 0, 100);
const int64_t kAnchorColor = RGBA(255, 0, 0, 100);
const int64_t kPivotColor = RGBA(0, 255, 255, 100);
const int64_t kSelectionColor = RGBA(20, 20, 20, 255);
const int64_t kCameraColor = RGBA(255, 120, 120, 255);
constexpr double kHandleHalf = 5;
constexpr double kPivotRadius = 10;

struct Origin {
  double x, y;
};

Origin ShapeOrigin(const CanvasView& view, const sShape& shape) {
  return {static_cast<double>(view.PanX) + shape.X, static_cast<double>(view.PanY) + shape.Y};
}

double PointX(const sShape& shape, int64_t i, Origin o) {
  return o.x + static_cast<double>(shape.Pt[static_cast<size_t>(i)].X);
}
double PointY(const sShape& shape, int64_t i, Origin o) {
  return o.y + static_cast<double>(shape.Pt[static_cast<size_t>(i)].Y);
}

void AddHandleSquare(Surface& surface, double x, double y) {
  surface.AddPathBox(x - kHandleHalf, y - kHandleHalf, 2 * kHandleHalf, 2 * kHandleHalf);
}

// Anchors as red squares; each control point as a yellow disc tied to its
// anchor by a thin line. Each handle is painted by itself, in point order.
void DrawComplexHandles(Surface& surface, const sShape& shape, Origin o) {
  const int64_t last = LastIndex(shape.Pt);
  for (int64_t i = 0; i <= last; ++i) {
    const double x = PointX(shape, i, o);
    const double y = PointY(shape, i, o);
    if (i % 3 == 0) {
      AddHandleSquare(surface, x, y);
      surface.VectorSourceColor(kAnchorColor);
      surface.FillPath();
      continue;
    }
    int64_t neighbour = i % 3 == 1 ? i - 1 : i + 1;
    if (neighbour > last) neighbour = 0;
    surface.SetAntialiasing(false);
    surface.MovePathCursor(x, y);
    surface.AddPathSegment(PointX(shape, neighbour, o), PointY(shape, neighbour, o));
    surface.VectorSourceColor(kPointLineColor);
    surface.StrokePath(1, false);
    surface.SetAntialiasing(true);
    surface.AddPathCircleArc(x, y, kHandleHalf);
    surface.VectorSourceColor(kControlPointColor);
    surface.FillPath();
  }
}

void DrawHandles(const CanvasView& view, Surface& surface, const sShape& shape) {
  const Origin o = ShapeOrigin(view, shape);
  if (shape.Typ == kComplexShape) {
    DrawComplexHandles(surface, shape, o);
  } else {
    for (int64_t i = 0; i <= LastIndex(shape.Pt); ++i) {
      AddHandleSquare(surface, PointX(shape, i, o), PointY(shape, i, o));
    }
    surface.VectorSourceColor(kAnchorColor);
    surface.FillPath();
  }
  surface.AddPathCircleArc(o.x + shape.CX, o.y + shape.CY, kPivotRadius);
  surface.VectorSourceColor(kPivotColor);
  surface.FillPath();
}

void AddSelectionOutline(const EditorContext& ctx, const CanvasView& view, Surface& surface,
                         const sObject& object, int64_t index) {
  const sShape& shape = object.Shape[static_cast<size_t>(index)];
  const Origin o = ShapeOrigin(view, shape);
  switch (shape.Typ) {
    case kComplexShape:
    case kCurve:
      AddComplexChain(surface, shape.Pt, o.x, o.y);
      break;
    case kText: {
      // Measured in the text's own font, so the box fits the letters.
      UseShapeFont(ctx, surface, shape, shape.W);
      const double w = static_cast<double>(RoundInt(surface.MeasureTextWidth(shape.Text)));
      const double h = static_cast<double>(RoundInt(surface.MeasureTextHeight(shape.Text)));
      surface.AddPathBox(PointX(shape, 0, o), PointY(shape, 0, o), w, h);
      break;
    }
    case kImage:
      surface.AddPathBox(PointX(shape, 0, o), PointY(shape, 0, o), shape.W, shape.H);
      break;
    default:
      BuildShapePath(ctx, view, surface, object, index);
      break;
  }
}

void DrawSelectionOutlines(const EditorContext& ctx, const CanvasView& view, Surface& surface,
                           const sObject& object) {
  bool any = false;
  for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
    if (object.Shape[static_cast<size_t>(j)].Selected == 1 || j == ctx.CurrentShape) {
      AddSelectionOutline(ctx, view, surface, object, j);
      any = true;
    }
  }
  if (!any) return;
  surface.SetAntialiasing(false);
  surface.VectorSourceColor(kSelectionColor);
  surface.DashPath(1, 5);
  surface.SetAntialiasing(true);
}

void DrawGrid(const EditorContext& ctx, const CanvasView& view, Surface& surface) {
  const sPzOptions& opt = ctx.Options;
  // A zero or negative cell size (a member missing from the options file)
  // shows no grid rather than dividing by zero.
  if (opt.ShowGrid != 1 || opt.GridW <= 0 || opt.GridH <= 0) return;
  const double ox = view.PanX;
  const double oy = view.PanY;
  const int64_t rows = DivTrunc(opt.CameraH, opt.GridH);
  const int64_t columns = DivTrunc(opt.CameraW, opt.GridW);
  for (int64_t r = 0; r <= rows; ++r) {
    const double y = oy + static_cast<double>(r * opt.GridH);
    surface.MovePathCursor(ox, y);
    surface.AddPathSegment(ox + opt.CameraW, y);
  }
  for (int64_t c = 0; c <= columns; ++c) {
    const double x = ox + static_cast<double>(c * opt.GridW);
    surface.MovePathCursor(x, oy);
    surface.AddPathSegment(x, oy + opt.CameraH);
  }
  surface.VectorSourceColor(opt.GridColor);
  surface.StrokePath(1, false);
}

void DrawCameraFrame(const EditorContext& ctx, const CanvasView& view, Surface& surface) {
  const sPzOptions& opt = ctx.Options;
  if (opt.ShowCameraBorder == 0) return;
  surface.AddPathBox(view.PanX + opt.CameraX, view.PanY + opt.CameraY, opt.CameraW, opt.CameraH);
  surface.VectorSourceColor(kCameraColor);
  surface.StrokePath(2, false);
}

}  // namespace

void DrawOverlays(const EditorContext& ctx, const CanvasView& view, Surface& surface) {
  if (ValidIndex(ctx.Obj, ctx.CurrentObject) &&
      ctx.Obj[static_cast<size_t>(ctx.CurrentObject)].Hide == 0) {
    const sObject* object = &ctx.Obj[static_cast<size_t>(ctx.CurrentObject)];
    if (ctx.Options.HideAncre == 0 && ValidIndex(object->Shape, ctx.CurrentShape)) {
      DrawHandles(view, surface, object->Shape[static_cast<size_t>(ctx.CurrentShape)]);
    }
    if (ctx.Options.ShowSelection != 0) DrawSelectionOutlines(ctx, view, surface, *object);
  }
  ApplyCanvasTransform(ctx, view, surface);
  surface.SetAntialiasing(false);
  DrawGrid(ctx, view, surface);
  DrawCameraFrame(ctx, view, surface);
  surface.SetAntialiasing(true);
}

}  // namespace tavisk
