// What a kept paint works out once and replays on every tile it crosses:
// the area its fill, stroke, dashes or dots cover, flattened for FillFlat,
// or the dots to stamp. Pens redone per tile would stroke the whole path
// again on each one.
#pragma once

#include <QPainterPath>
#include <mutex>
#include <optional>

#include "render/dot_stamps.h"
#include "render/paint_op.h"
#include "render/path_pieces.h"

namespace tavisk {

struct LaidPaint {
  std::once_flag once;
  // False when a pattern is too long to lay whole (a huge zoom): it is then
  // cut to each tile and drawn with the pen there.
  bool whole = false;
  PathPieces area;  // filled by the nonzero rule
  std::optional<DotLayout> dots;
};

// Whether a paint is laid: antialiased fills, strokes, dashes and dots.
bool LaysOut(const PaintOp& op);

// Works out laid for op.
void Lay(const PaintOp& op, LaidPaint& laid);

// The laid form kept with op (op.laid set), worked out by its first caller
// on whichever thread; the others wait for it.
const LaidPaint& LaidOf(const PaintOp& op);

}  // namespace tavisk
