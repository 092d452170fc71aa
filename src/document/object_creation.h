// New objects (layers) and new documents.
#pragma once

#include "document/editor_context.h"

namespace tavisk {

// grow 1 appends an object; grow 0 (start-up) initialises the last element
// in place, keeping its shapes. Obj is then sorted on Depth and the object
// becomes current wherever the sort put it.
void AddObject(EditorContext& ctx, int grow);

// Every field of the scene back to one blank object, nothing current.
void ClearScene(EditorContext& ctx);

// The defaults of effect k of a new shape: inactive, named FX_k, colour red
// 255 green 120 blue 0, size 10 x 5 at distance 5, scale 100 %.
void SetNewShapeFx(sShapeFx& fx, int64_t k);

// One object Object0 at 100 %, without a file name: the next save asks for
// one rather than writing the empty drawing over the previous document.
void NewDocument(EditorContext& ctx);

}  // namespace tavisk
