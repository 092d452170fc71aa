#include "render/shapes_picture.h"

#include <vector>

#include "render/image_export.h"
#include "render/paint_op.h"
#include "render/painter_surface.h"
#include "render/renderer.h"

namespace tavisk {

namespace {

// Where the shapes paint, found by recording their paints instead of
// drawing them: strokes, dashes, effects and texts all reach past the points.
QRect PaintedArea(const EditorContext& ctx, const sObject& holder) {
  QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  PainterSurface recorder(probe);
  std::vector<PaintOp> paints;
  recorder.RecordPaintsInto(&paints);
  if (!recorder.BeginSurface()) return {};
  DrawObjectForExport(ctx, recorder, holder);
  recorder.EndSurface();
  QRect area;
  for (const PaintOp& paint : paints) area |= paint.bounds;
  return area;
}

}  // namespace

QImage PaintShapesPicture(const EditorContext& ctx, const sObject& holder) {
  const QRect area = PaintedArea(ctx, holder);
  if (area.isEmpty() || int64_t{area.width()} * area.height() > kMaxExportPixels) return {};
  QImage picture(area.size(), QImage::Format_ARGB32_Premultiplied);
  if (picture.isNull()) return {};
  PaintForExport(picture, [&](Surface& surface) {
    surface.TranslateTransform(-area.x(), -area.y());
    DrawObjectForExport(ctx, surface, holder);
  });
  // The recorded bounds allow for the antialiasing fringe; the picture keeps
  // only what was drawn.
  const QRect drawn = DrawnArea(picture);
  return picture.rect().contains(drawn) ? picture.copy(drawn) : QImage();
}

}  // namespace tavisk
