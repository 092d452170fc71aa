// Copy and Paste through the system clipboard, so that shapes travel between
// editors and to and from other programs.
#pragma once

#include <QPointF>
#include <optional>

#include "edit/editor.h"
#include "platform/system_clipboard.h"

namespace tavisk {

// The current shape goes to the editor's own clipboard (for Paste to
// shape), and the current and the selected shapes of the current object,
// those not hidden, to the system clipboard in every format of
// io/clipboard, each named "Shape_" + the number it would have as the
// object's next shape.
void CopyToClipboard(EditorContext& ctx, SystemClipboard& clipboard);

// Pastes into the current object, under the pointer as PasteShapesAtPointer
// places, the first the clipboard holds of: our shapes, SVG, plain text
// that is SVG. False when it holds none of them; nothing changes then.
bool PasteFromClipboard(Editor& ctx, const SystemClipboard& clipboard,
                        const std::optional<QPointF>& canvasPointer);

}  // namespace tavisk
