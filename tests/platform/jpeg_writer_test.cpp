#include "platform/jpeg_writer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

// Four flat quadrants: JPEG keeps flat areas close to their colour away from
// the edges.
QImage Quadrants() {
  QImage image(32, 24, QImage::Format_ARGB32);
  image.fill(QColor(200, 40, 30));
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (x >= 16) image.setPixelColor(x, y, y < 12 ? QColor(20, 90, 220) : QColor(240, 240, 240));
    }
  }
  return image;
}

bool Near(QColor got, QColor want, int tolerance) {
  return std::abs(got.red() - want.red()) <= tolerance &&
         std::abs(got.green() - want.green()) <= tolerance &&
         std::abs(got.blue() - want.blue()) <= tolerance;
}

TEST(WriteJpeg, WritesAPictureTheDecoderReadsBack) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WriteJpeg("q.jpg", Quadrants(), 92));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile("q.jpg", bytes));
  EXPECT_TRUE(HasJpegSignature(bytes));
  const QImage back = DecodePicture(bytes);
  ASSERT_EQ(back.size(), QSize(32, 24));
  EXPECT_TRUE(Near(back.pixelColor(4, 4), QColor(200, 40, 30), 8));
  EXPECT_TRUE(Near(back.pixelColor(27, 4), QColor(20, 90, 220), 8));
  EXPECT_TRUE(Near(back.pixelColor(27, 20), QColor(240, 240, 240), 8));
  EXPECT_EQ(back.pixelColor(4, 20).alpha(), 255);
}

TEST(WriteJpeg, TransparentPartsComeOutWhite) {
  test::ScopedWorkDir dir;
  QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  ASSERT_TRUE(WriteJpeg("clear.jpg", image, 92));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile("clear.jpg", bytes));
  EXPECT_TRUE(Near(DecodePicture(bytes).pixelColor(8, 8), QColor(255, 255, 255), 3));
}

TEST(WriteJpeg, QualityTradesSizeForFidelity) {
  test::ScopedWorkDir dir;
  QImage noise(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) noise.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) & 255));
  }
  ASSERT_TRUE(WriteJpeg("low.jpg", noise, 10));
  ASSERT_TRUE(WriteJpeg("high.jpg", noise, 95));
  EXPECT_LT(FileSize("low.jpg"), FileSize("high.jpg"));
}

TEST(WriteJpeg, FailuresLeaveNoFileAndKeepTheOldOne) {
  test::ScopedWorkDir dir;
  EXPECT_FALSE(WriteJpeg("empty.jpg", QImage(), 92));
  EXPECT_FALSE(IsRegularFile("empty.jpg"));
  EXPECT_FALSE(WriteJpeg("missing/folder.jpg", Quadrants(), 92));
  ASSERT_TRUE(WriteFileAtomically("old.jpg", "old"));
  EXPECT_FALSE(WriteJpeg("old.jpg", QImage(), 92));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile("old.jpg", bytes));
  EXPECT_EQ(bytes, "old");
}

}  // namespace
}  // namespace tavisk
