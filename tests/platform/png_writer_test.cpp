#include "platform/png_writer.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/file_io.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

// Qt's own decoder reads the files back: an independent check of libpng use.
QImage ReadBack(const std::string& path) {
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGBA8888);
}

struct Rgba {
  int r, g, b, a;
};

Rgba PixelAt(const QImage& image, int x, int y) {
  const uchar* p = image.constScanLine(y) + 4 * x;
  return {p[0], p[1], p[2], p[3]};
}

QImage SamplePremultiplied() {
  QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
  image.fill(0);
  image.setPixel(0, 0, 0xFFFF0000u);  // opaque red
  image.setPixel(1, 0, 0x80008000u);  // green at alpha 128, premultiplied
  image.setPixel(2, 0, 0x40201008u);  // alpha 64: channels 32, 16, 8 premultiplied
  image.setPixel(0, 1, 0xFF0000FFu);  // opaque blue
  return image;
}

TEST(PngWriter, WritesStraightRgbaAt8Bits) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WritePng(dir.File("a.png"), SamplePremultiplied()));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(dir.File("a.png"), bytes));
  ASSERT_GT(bytes.size(), 26u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  EXPECT_EQ(bytes.substr(12, 4), "IHDR");
  EXPECT_EQ(bytes[24], 8);  // bit depth
  EXPECT_EQ(bytes[25], 6);  // colour type: RGB with alpha

  const QImage back = ReadBack(dir.File("a.png"));
  ASSERT_EQ(back.size(), QSize(3, 2));
  const Rgba red = PixelAt(back, 0, 0);
  EXPECT_EQ(red.r, 255);
  EXPECT_EQ(red.g, 0);
  EXPECT_EQ(red.a, 255);
  const Rgba green = PixelAt(back, 1, 0);
  EXPECT_EQ(green.r, 0);
  EXPECT_EQ(green.g, 255);
  EXPECT_EQ(green.a, 128);
  const Rgba faint = PixelAt(back, 2, 0);
  EXPECT_EQ(faint.r, 128);
  EXPECT_EQ(faint.g, 64);
  EXPECT_EQ(faint.b, 32);
  EXPECT_EQ(faint.a, 64);
  EXPECT_EQ(PixelAt(back, 1, 1).a, 0);
  EXPECT_EQ(PixelAt(back, 0, 1).b, 255);
}

TEST(PngWriter, OtherFormatsAndBothCompressionsGiveTheSamePixels) {
  test::ScopedWorkDir dir;
  QImage opaque(64, 48, QImage::Format_RGB32);
  for (int y = 0; y < opaque.height(); ++y) {
    for (int x = 0; x < opaque.width(); ++x)
      opaque.setPixel(x, y, qRgb(x * 4, y * 5, (x ^ y) & 255));
  }
  ASSERT_TRUE(WritePng(dir.File("fast.png"), opaque, PngCompression::Fast));
  ASSERT_TRUE(WritePng(dir.File("default.png"), opaque, PngCompression::LibraryDefault));
  const QImage fast = ReadBack(dir.File("fast.png"));
  EXPECT_EQ(fast, ReadBack(dir.File("default.png")));
  EXPECT_EQ(fast, opaque.convertToFormat(QImage::Format_RGBA8888));
  EXPECT_EQ(PixelAt(fast, 10, 10).a, 255);

  const QImage straight = SamplePremultiplied().convertToFormat(QImage::Format_ARGB32);
  ASSERT_TRUE(WritePng(dir.File("straight.png"), straight));
  EXPECT_EQ(ReadBack(dir.File("straight.png")), straight.convertToFormat(QImage::Format_RGBA8888));
}

TEST(PngWriter, FailuresLeaveThePreviousFileWhole) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir.File("keep.png"), "old"));
  EXPECT_FALSE(WritePng(dir.File("keep.png"), QImage()));
  EXPECT_FALSE(WritePng(dir.File("keep.png"), QImage(0, 5, QImage::Format_ARGB32)));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(dir.File("keep.png"), bytes));
  EXPECT_EQ(bytes, "old");

  EXPECT_FALSE(WritePng(dir.File("no/such/folder/a.png"), SamplePremultiplied()));
  ASSERT_TRUE(MakeDirectories(dir.File("folder.png")));
  EXPECT_FALSE(WritePng(dir.File("folder.png"), SamplePremultiplied()));
  // No temporary file is left behind by any of these.
  EXPECT_EQ(ListFiles(dir.Path(), "").size(), 1u);
}

}  // namespace
}  // namespace tavisk
