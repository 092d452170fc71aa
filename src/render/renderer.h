// The scene renderer: paints the whole canvas (background, checker, every
// visible shape with its effects, then the editing overlays) and resolves a
// press into a shape selection while it draws.
#pragma once

#include <QImage>
#include <cstdint>
#include <exception>
#include <functional>

#include "document/canvas_view.h"
#include "document/editor_context.h"
#include "render/surface.h"

namespace tavisk {

// Paints canvas synchronously with the pan of view; reads the editing state
// only. A null or empty canvas draws
// nothing. Running out of memory while painting is reported through
// ctx.Req (painting_failure.h), not thrown. Uses one CanvasRenderer (canvas_renderer.h) kept for
// the program's run.
void RedrawCanvas(const EditorContext& ctx, const CanvasView& view, QImage& canvas);
// Paints a little of the scene around the canvas of the last redraw, for a
// pan to find; answers whether more is left. For when the editor is idle.
bool PaintCanvasAhead(const EditorContext& ctx, const CanvasView& view);
// From now on every edit of the scene is announced through
// CanvasSceneEdited, but those a gesture makes to the selected and current
// shapes before it ends (CanvasRenderer::TellOfEdits): a redraw between two
// announcements records only those shapes again.
void TellCanvasOfEdits();
void CanvasSceneEdited();
// The same without the overlays: the scene alone, which a caller keeps to
// scale or to draw the overlays on.
void RedrawCanvasScene(const EditorContext& ctx, const CanvasView& view, QImage& canvas);
// The scene of a copy of the editing state, without overlays, with
// the same kept renderer, on whatever thread calls it: the caller makes sure
// no other thread uses that renderer meanwhile. False when stop cut it short
// (the canvas is then unfinished). Running out of memory is thrown, for
// SettlePaintingOutcome on the thread that may tell the user.
bool PaintSceneCopy(const EditorContext& scene, const CanvasView& view, QImage& canvas,
                    const std::function<bool()>& stop);
// Tells req of a failure PaintSceneCopy threw (null when it threw none), as
// RedrawCanvas tells of its own: once until a paint finishes.
void SettlePaintingOutcome(Requesters* req, const std::exception_ptr& failure);

// The overlays of DrawOverlays with the current object's transform, over
// whatever the surface holds.
void DrawCanvasOverlays(const EditorContext& ctx, const CanvasView& view, Surface& surface);
void DrawCanvasOverlays(const EditorContext& ctx, const CanvasView& view, QImage& canvas);

// Device pixels scaled by the zoom.
void ApplyViewTransform(const EditorContext& ctx, Surface& surface);
// The pan on the device, rounded to whole pixels: the canvas shows the scene
// moved by it, so that a pan at any zoom moves kept pixels. The scene and
// its overlays sit within half a pixel of where the unrounded pan puts them.
QPoint PanShift(const EditorContext& ctx, const CanvasView& view);
// The view transform with the pan's rounding: the overlays' transform, so
// that they sit on the shapes.
void ApplyCanvasTransform(const EditorContext& ctx, const CanvasView& view, Surface& surface);
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
