// The pictures of the tool buttons, the points button and the layer panel.
#pragma once

#include <QImage>
#include <array>

#include "document/editor_context.h"

namespace tavisk {

struct EditorIconSet {
  // Tools, then zoom and pan, then the points button; a missing file leaves
  // its slot null and its button without a picture.
  std::array<QImage, 21> Editor;
  // Layer rows, buttons, eye and lock.
  std::array<QImage, 11> Layer;
};

// Editor icons go through LoadPicture, which tells the user about a missing
// or broken file; layer icons are read quietly.
EditorIconSet LoadEditorIcons(EditorContext& ctx);

}  // namespace tavisk
