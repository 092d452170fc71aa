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
// object.Shape[shape] read, under transform.
uint64_t ShapeFingerprint(const EditorContext& ctx, const sObject& object, int64_t shape,
                          const QTransform& transform);

class ShapeMemo {
 public:
  // The paints kept for the shape at (object, shape) when made from
  // fingerprint; nullptr otherwise.
  const std::vector<PaintOp>* Find(int64_t object, int64_t shape, uint64_t fingerprint) const;
  void Keep(int64_t object, int64_t shape, uint64_t fingerprint, std::vector<PaintOp> ops);
  // Drops what a shape kept, when its paints could not be kept whole.
  void Forget(int64_t object, int64_t shape);

 private:
  struct Entry {
    bool valid = false;
    uint64_t fingerprint = 0;
    std::vector<PaintOp> ops;
  };
  std::vector<std::vector<Entry>> entries_;
};

}  // namespace tavisk
