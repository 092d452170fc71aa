// A copy of what a redraw reads, for a frame painted on another thread while
// the editor goes on changing the original.
#pragma once

#include "document/canvas_view.h"
#include "document/editor_context.h"

namespace tavisk {

struct SceneSnapshot {
  // The objects, options, current indices, pictures and fonts; it asks no
  // requester and calls no hook of the original.
  EditorContext scene;
  CanvasView view;
};

SceneSnapshot TakeSnapshot(const EditorContext& ctx, const CanvasView& view);

}  // namespace tavisk
