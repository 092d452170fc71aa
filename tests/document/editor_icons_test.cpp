// The icons in the repository's data folder: every file the editor loads is
// there, decodes, has the size of its slot and shows a picture.
#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <string>

#include "document/editor_context.h"
#include "document/picture_loader.h"
#include "platform/scripted_requesters.h"

namespace tavisk {
namespace {

struct IconSlot {
  const char* File;
  int Width;
  int Height;
};

// The two icon tables: the toolbar and panel icons, then the layer list.
const IconSlot kSlots[] = {
    {"move.png", 25, 25},      {"rotate.png", 25, 25},     {"scale.png", 25, 25},
    {"addpt.png", 25, 25},     {"delpt.png", 25, 25},      {"select.png", 25, 25},
    {"zoom.png", 25, 25},      {"pan.png", 25, 25},        {"shape.png", 25, 25},
    {"box.png", 25, 25},       {"boxround.png", 25, 25},   {"circle.png", 25, 25},
    {"line.png", 25, 25},      {"curve.png", 25, 25},      {"image.png", 25, 25},
    {"text.png", 25, 25},      {"properties.png", 20, 20}, {"layer.jpg", 150, 25},
    {"layerSel.jpg", 150, 25}, {"layerbtn1.jpg", 20, 20},  {"layerbtn2.jpg", 20, 20},
    {"layerEye.jpg", 14, 10},  {"locked.png", 20, 20},     {"up.png", 20, 20},
    {"down.png", 20, 20},
};

// Pixels of the glyph: dark or coloured, where the tile is pale and grey.
int GlyphPixels(const QImage& image) {
  int glyph = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() > 128 && (c.lightness() < 120 || c.hslSaturation() > 100)) ++glyph;
    }
  }
  return glyph;
}

TEST(EditorIcons, EveryIconLoadsAtItsSlotSize) {
  EditorContext ctx;
  ScriptedRequesters req;
  ctx.Req = &req;
  std::set<std::string> pictures;
  for (const IconSlot& slot : kSlots) {
    const std::string path = std::string(TAVISK_SOURCE_DATA) + "/editor/" + slot.File;
    const int64_t handle = LoadPicture(ctx, 0, path);
    const QImage* image = ctx.Pictures.Get(handle);
    ASSERT_NE(image, nullptr) << slot.File;
    EXPECT_EQ(image->width(), slot.Width) << slot.File;
    EXPECT_EQ(image->height(), slot.Height) << slot.File;
    const QImage argb = image->convertToFormat(QImage::Format_ARGB32);
    pictures.insert(std::string(reinterpret_cast<const char*>(argb.constBits()),
                                static_cast<size_t>(argb.sizeInBytes())));
  }
  EXPECT_TRUE(req.Messages.empty());
  EXPECT_EQ(pictures.size(), std::size(kSlots)) << "two icons are the same picture";
}

TEST(EditorIcons, ToolIconsShowAGlyphOnAnOpaqueTile) {
  EditorContext ctx;
  for (const IconSlot& slot : kSlots) {
    const std::string file = slot.File;
    if (slot.Width != 25) continue;
    const QImage* image =
        ctx.Pictures.Get(LoadPicture(ctx, 0, std::string(TAVISK_SOURCE_DATA) + "/editor/" + file));
    ASSERT_NE(image, nullptr) << file;
    EXPECT_EQ(image->pixelColor(12, 3).alpha(), 255) << file << ": the tile is opaque";
    EXPECT_GT(GlyphPixels(*image), 40) << file << ": no glyph to see";
  }
}

}  // namespace
}  // namespace tavisk
