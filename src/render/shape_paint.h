// One shape on the surface: its path, its paint in the shape's colour and
// style, and its effects (Fx) below or above it. Positions add the view pan
// and the shape position; the object's transform is the caller's.
#pragma once

#include <cstdint>

#include "document/canvas_view.h"
#include "document/editor_context.h"
#include "document/scene.h"
#include "render/surface.h"

namespace tavisk {

// Adds the figures of object.Shape[shape] to the current path; an image is
// drawn at once and leaves the path without segments.
void BuildShapePath(const EditorContext& ctx, const CanvasView& view, Surface& surface,
                    const sObject& object, int64_t shape);

// Paints the current path in the shape's colour and style, which empties it;
// the custom style leaves it for the next paint.
void PaintShapePath(Surface& surface, const sShape& shape);

// Every active effect of the shape whose depth is depth (0 below, 1 above),
// in list order. Other depths are never drawn.
void DrawShapeFxLayer(const EditorContext& ctx, const CanvasView& view, Surface& surface,
                      const sObject& object, int64_t shape, int depth);

// Builds the effect's outline, offset and scaled from the shape, and paints
// it unless the shape is linked to a next shape.
void DrawShapeFx(const EditorContext& ctx, const CanvasView& view, Surface& surface,
                 const sObject& object, int64_t shape, const sShapeFx& fx);

}  // namespace tavisk
