// The benchmark baseline: the figures of a generated scene filled and
// stroked straight with QPainter, with none of the editor's logic (no pick,
// no overlays, no kept layers, a pen and a text outline made per figure).
// Custom-style figures join the next paint, so both paint the same pixels.
#pragma once

#include <QPainter>

#include "document/editor_context.h"

namespace tavisk::bench {

void PaintStraight(const EditorContext& ctx, QPainter& painter);

}  // namespace tavisk::bench
