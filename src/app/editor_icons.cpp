#include "app/editor_icons.h"

#include "document/picture_loader.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"

namespace tavisk {

namespace {

constexpr const char* kEditorFiles[] = {
    "data\\editor\\move.png",   "data\\editor\\rotate.png",     "data\\editor\\scale.png",
    "data\\editor\\addpt.png",  "data\\editor\\delpt.png",      "data\\editor\\select.png",
    "data\\editor\\zoom.png",   "data\\editor\\pan.png",        "data\\editor\\shape.png",
    "data\\editor\\box.png",    "data\\editor\\boxround.png",   "data\\editor\\circle.png",
    "data\\editor\\line.png",   "data\\editor\\curve.png",      "data\\editor\\image.png",
    "data\\editor\\text.png",   "data\\editor\\properties.png",
};

constexpr const char* kLayerFiles[] = {
    "data\\editor\\layer.jpg",     "data\\editor\\layerSel.jpg", "data\\editor\\layerbtn1.jpg",
    "data\\editor\\layerbtn2.jpg", "data\\editor\\layerEye.jpg", "data\\editor\\locked.png",
    "data\\editor\\up.png",        "data\\editor\\down.png",
};

}  // namespace

EditorIconSet LoadEditorIcons(EditorContext& ctx) {
  EditorIconSet icons;
  size_t slot = 0;
  for (const char* file : kEditorFiles) {
    const int64_t handle = LoadPicture(ctx, 0, DataPath(file));
    if (const QImage* picture = ctx.Pictures.Get(handle)) icons.Editor[slot] = *picture;
    ++slot;
  }
  slot = 0;
  for (const char* file : kLayerFiles) {
    std::string bytes;
    if (ReadWholeFile(DataPath(file), bytes)) icons.Layer[slot] = DecodePicture(bytes);
    ++slot;
  }
  return icons;
}

}  // namespace tavisk
