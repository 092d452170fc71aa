// The scene renderer: paints the whole canvas (background, checker, every
// visible shape with its effects, then the editing overlays). It only reads
// the editing state: presses are resolved apart from painting.
#pragma once

#include <QImage>
#include <cstdint>

#include "document/canvas_view.h"
#include "document/editor_context.h"
#include "render/surface.h"

namespace tavisk {

// Paints canvas synchronously with the pan of view. A null or empty canvas
// draws nothing. Running out of memory while painting is reported through
// ctx.Req (painting_failure.h), not thrown. Uses one CanvasRenderer (canvas_renderer.h) kept for
// the program's run.
void RedrawCanvas(const EditorContext& ctx, const CanvasView& view, QImage& canvas);

// Device pixels scaled by the zoom.
void ApplyViewTransform(const EditorContext& ctx, Surface& surface);
// The object's scale, rotation about its centre and offset, after the
// transform in force.
void ApplyObjectTransform(Surface& surface, const sObject& object);
// Handles, pivot marker and selection outlines of the current object under
// the transform in force, then the grid and camera frame under the view.
void DrawOverlays(const EditorContext& ctx, const CanvasView& view, Surface& surface);

// The picture of an image export on a begun surface: every shape of every
// visible object, hidden shapes included, each painted by itself, at scale 1
// and without the pan, without overlays.
void DrawSceneForExport(const EditorContext& ctx, Surface& surface);
// One object of that picture under the transform in force, whatever its
// visibility.
void DrawObjectForExport(const EditorContext& ctx, Surface& surface, const sObject& object);

}  // namespace tavisk
