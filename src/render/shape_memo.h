// The paints of each shape from the last redraw, with a fingerprint of
// everything they were made from. A shape whose fingerprint is unchanged
// gives the same paints again without building its path.
#pragma once

#include <QTransform>
#include <cstdint>
#include <vector>

#include "document/editor_context.h"
#include "render/paint_op.h"

namespace tavisk {

// Everything BuildShapePath, PaintShapePath and the effects of
// object.Shape[shape] read without the pan, under transform, with pending
// the figures an earlier shape left for the next paint and area the device
// area the paints are made for (PainterSurface::SetVisibleArea) when they
// depend on it, else an empty rectangle.
uint64_t ShapeFingerprint(const EditorContext& ctx, const sObject& object, int64_t shape,
                          const QTransform& transform, const QPainterPath& pending,
                          const QRectF& area);

// What a shape drew: its paints and the figures it left for the next paint.
struct ShapeDrawing {
  std::vector<PaintOp> ops;
  QPainterPath leftover;
};

class ShapeMemo {
 public:
  // The paints kept for the shape at (object, shape) when made from
  // fingerprint; nullptr otherwise.
  const ShapeDrawing* Find(int64_t object, int64_t shape, uint64_t fingerprint) const;
  void Keep(int64_t object, int64_t shape, uint64_t fingerprint, ShapeDrawing drawing);

 private:
  struct Entry {
    bool valid = false;
    uint64_t fingerprint = 0;
    ShapeDrawing drawing;
  };
  std::vector<std::vector<Entry>> entries_;
};

}  // namespace tavisk
