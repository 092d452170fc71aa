// A right press on the canvas: what it stands on, made current as a left
// press of the editing tools would, so that the context menu it opens acts
// on what the user pointed at. It never starts a drag nor moves anything.
#pragma once

#include "edit/editor.h"
#include "edit/pointer_to_scene.h"

namespace tavisk {

enum class ContextTarget { Point, Shape, Canvas };

// A point of the current or a selected shape becomes CurrentPoint, its shape
// CurrentShape. Else the shape the select tool's pick finds under the
// pointer becomes current, selected alone unless it already belongs to the
// selection (the current and selected shapes), which is then kept. Else
// nothing changes: the press is on the empty canvas.
ContextTarget PressForContextMenu(Editor& ctx, const ScenePointer& p);

}  // namespace tavisk
