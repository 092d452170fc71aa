// A cheap, generous bound of what a shape paints, so a redraw can skip the
// shapes far from the canvas before building their paths.
#pragma once

#include <QRectF>
#include <cstdint>
#include <optional>

#include "document/editor_context.h"
#include "document/scene.h"
#include "render/text_reach.h"

namespace tavisk {

class ShapeBounds {
 public:
  // A rectangle in the object's user space (without the pan) holding every
  // pixel the shape and its effects may paint, pens included, and every
  // figure they leave for a later paint; nothing when it is not known
  // cheaply (unknown kinds).
  std::optional<QRectF> UserBounds(const EditorContext& ctx, const sObject& object, int64_t shape);

 private:
  // The outline's corners and points, before pens and effects.
  std::optional<QRectF> OutlineBounds(const EditorContext& ctx, const sShape& shape);
  // Where a text written from each of the two cursors may reach.
  QRectF TextBounds(const EditorContext& ctx, const sShape& shape, QPointF cursor,
                    QPointF effectCursor);

  TextReaches text_reaches_;
};

// Whether the shape or one of its effects leaves figures for a later
// paint, so that skipping it would change what a later shape paints.
bool ShapeLeavesFigures(const sObject& object, int64_t shape);

// How far past its figures any paint of the scene may change pixels, in
// device pixels at zoom (figure_reach.h): figures left for a later paint
// and farther than this from the canvas cannot change it.
double SceneReach(const EditorContext& ctx, double zoom);

}  // namespace tavisk
