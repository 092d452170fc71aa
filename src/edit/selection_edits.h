// Edits of the selection as a whole (the current shape and the selected
// shapes of the current object): moving it by the keyboard and locking it.
#pragma once

#include <cstdint>
#include <vector>

#include "document/editor_context.h"

namespace tavisk {

// The current shape and the selected shapes of the current object, by index.
std::vector<int64_t> SelectionIndices(const EditorContext& ctx);

// How far one arrow key press moves the selection, in scene units: the snap
// step of its direction while snap is on, else 10 with Shift, else 1.
int64_t NudgeStep(const sPzOptions& options, bool shift, bool horizontal);

// The shapes a nudge would move: the selection less its locked shapes, and
// nothing while the current object is locked or hidden.
std::vector<int64_t> NudgeableShapes(const EditorContext& ctx);

// Moves the nudgeable shapes by (dx, dy) scene units.
void NudgeSelection(EditorContext& ctx, int64_t dx, int64_t dy);

// A burst of nudges is one undo step: its edits share this key, outside the
// panel's gadget numbers that key held fields.
inline constexpr int kNudgeMergeKey = 1000;

// The selection holds shapes and every one of them is locked.
bool SelectionLocked(const EditorContext& ctx);

// Locked of every shape of the selection.
void SetSelectionLocked(EditorContext& ctx, uint8_t locked);

}  // namespace tavisk
