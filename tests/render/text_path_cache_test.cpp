// Text outlines are kept within a budget of bytes, and a long text is
// outlined only where it shows.
#include "render/text_path_cache.h"

#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "render/painter_surface.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

QFont TestFont() {
  QFont font("Sans");
  font.setPixelSize(20);
  return font;
}

TEST(TextPathCache, KeepsWithinItsBudgetDroppingTheLeastRecentlyUsed) {
  const QFont font = TestFont();
  TextPathCache cache(64 * 1024);
  const QPainterPath first = cache.Get("sans20", font, "first");
  for (int i = 0; i < 400; ++i) {
    cache.Get("sans20", font, "text number " + std::to_string(i));
    EXPECT_EQ(cache.Get("sans20", font, "first"), first) << "used again, so kept";
    ASSERT_LE(cache.Bytes(), 64u * 1024);
  }
  EXPECT_GT(cache.Bytes(), 32u * 1024) << "full, not emptied";
}

TEST(TextPathCache, ALongTextIsOutlinedOnlyWhereItShows) {
  const std::string start = "Visible words at the start ";
  const std::string longText = start + std::string(60 * 1024, 'W');
  QImage shortImage = test::MakeCanvas(300, 40);
  QImage longImage = test::MakeCanvas(300, 40);
  TextPathCache longCache;
  for (auto [image, text, cache] :
       {std::tuple{&shortImage, start, static_cast<TextPathCache*>(nullptr)},
        std::tuple{&longImage, longText, &longCache}}) {
    PainterSurface surface(*image, cache);
    ASSERT_TRUE(surface.BeginSurface());
    surface.VectorFont("Sans", 0, 20);
    surface.MovePathCursor(5, 5);
    surface.AddPathText(text);
    surface.FillPath();
    surface.EndSurface();
  }
  // The start shows as it does alone; the W's reach the right edge.
  for (int x = 0; x < 100; ++x) {
    for (int y = 0; y < 40; ++y) ASSERT_EQ(longImage.pixel(x, y), shortImage.pixel(x, y)) << x;
  }
  bool edgeDrawn = false;
  for (int y = 0; y < 40; ++y) edgeDrawn = edgeDrawn || qAlpha(longImage.pixel(295, y)) > 0;
  EXPECT_TRUE(edgeDrawn);
  // The whole outline is megabytes; a picture 300 pixels wide needs a few
  // pieces of it.
  EXPECT_LT(longCache.Bytes(), 256u * 1024);
}

}  // namespace
}  // namespace tavisk
