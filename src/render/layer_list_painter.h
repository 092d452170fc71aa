// The picture of the object list: one 25-pixel row per object, the last
// object on top, with its eye, name and lock.
#pragma once

#include <QImage>

#include "document/editor_context.h"

namespace tavisk {

struct LayerListPictures {
  QImage Row;
  QImage SelectedRow;
  QImage Eye;
  QImage Lock;
};

QImage DrawLayerList(const EditorContext& ctx, int width, int height,
                     const LayerListPictures& pictures);

}  // namespace tavisk
