#include "platform/picture_decoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "platform/picture_fixtures.h"

namespace tavisk {
namespace {

using test::MakeJpeg;
using test::MakePng;

// Compares a decoded pixel, un-premultiplied, with the expected colour.
void ExpectPixel(const QImage& image, int x, int y, QColor expected, int tolerance) {
  const QColor got = image.pixelColor(x, y);
  EXPECT_LE(std::abs(got.red() - expected.red()), tolerance) << x << "," << y;
  EXPECT_LE(std::abs(got.green() - expected.green()), tolerance) << x << "," << y;
  EXPECT_LE(std::abs(got.blue() - expected.blue()), tolerance) << x << "," << y;
  EXPECT_EQ(got.alpha(), expected.alpha()) << x << "," << y;
}

TEST(PictureDecoder, PngVariantsDecodeToPremultipliedArgb) {
  struct Case {
    const char* what;
    std::string bytes;
    QColor colour;
  };
  const Case cases[] = {
      {"rgb", MakePng(7, 5, QColor(200, 100, 50), false), QColor(200, 100, 50)},
      {"rgba", MakePng(7, 5, QColor(10, 220, 130, 255), true), QColor(10, 220, 130, 255)},
      {"interlaced", MakePng(9, 9, QColor(1, 2, 3), false, true), QColor(1, 2, 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QImage image = DecodePicture(c.bytes);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    ExpectPixel(image, 0, 0, c.colour, 0);
    ExpectPixel(image, image.width() - 1, image.height() - 1, c.colour, 0);
  }
  EXPECT_EQ(DecodePicture(MakePng(7, 5, Qt::red, false)).size(), QSize(7, 5));
}

TEST(PictureDecoder, TranslucentPngIsPremultiplied) {
  const QImage image = DecodePicture(MakePng(2, 2, QColor(200, 100, 50, 128), true));
  ASSERT_FALSE(image.isNull());
  const QRgb raw = reinterpret_cast<const QRgb*>(image.constScanLine(0))[0];
  EXPECT_EQ(qAlpha(raw), 128);
  EXPECT_NEAR(qRed(raw), 100, 1);  // 200 * 128 / 255
  EXPECT_NEAR(qBlue(raw), 25, 1);
}

TEST(PictureDecoder, JpegDecodesToPremultipliedArgb) {
  const QImage image = DecodePicture(MakeJpeg(16, 8, QColor(40, 160, 220)));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(16, 8));
  EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
  ExpectPixel(image, 3, 3, QColor(40, 160, 220), 4);
}

TEST(PictureDecoder, DamagedOrForeignBytesGiveNullImage) {
  const std::string png = MakePng(32, 32, Qt::blue, false);
  const std::string jpeg = MakeJpeg(32, 32, Qt::green);
  std::string pngWithBadData = png;
  for (size_t i = 40; i < pngWithBadData.size() - 12; ++i) pngWithBadData[i] = '\x5a';
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"text", "gen, ,0.13,\r\nobj,Object0\r\n"},
      {"png signature only", png.substr(0, 8)},
      {"png cut in its header", png.substr(0, 20)},
      {"png cut in its data", png.substr(0, png.size() / 2)},
      {"png with damaged data", pngWithBadData},
      {"jpeg signature only", jpeg.substr(0, 3)},
      {"jpeg cut in its header", jpeg.substr(0, 30)},
      {"png header without pixels", test::MakePngHeaderOnly(20, 20)},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(DecodePicture(c.bytes).isNull()) << c.what;
  }
}

TEST(PictureDecoder, SidesBeyondTheLimitAreRefused) {
  EXPECT_FALSE(
      DecodePicture(MakePng(static_cast<int>(kMaxPictureSide), 1, Qt::red, false)).isNull());
  EXPECT_TRUE(
      DecodePicture(MakePng(static_cast<int>(kMaxPictureSide) + 1, 1, Qt::red, false)).isNull());
  EXPECT_TRUE(DecodePicture(MakeJpeg(1, static_cast<int>(kMaxPictureSide) + 1, Qt::red)).isNull());
  // Claims of gigapixels must fail fast instead of allocating.
  EXPECT_TRUE(DecodePicture(test::MakePngHeaderOnly(1000000, 1000000)).isNull());
}

TEST(PictureDecoder, RandomDamageNeverBreaksTheDecoders) {
  std::mt19937 random(7);
  for (const std::string& original :
       {MakePng(24, 16, QColor(9, 99, 199, 200), true, true), MakeJpeg(24, 16, Qt::yellow)}) {
    for (int round = 0; round < 400; ++round) {
      std::string bytes = original;
      const int flips = 1 + static_cast<int>(random() % 6);
      for (int f = 0; f < flips; ++f) {
        bytes[3 + random() % (bytes.size() - 3)] = static_cast<char>(random());
      }
      const QImage image = DecodePicture(bytes);
      if (!image.isNull()) {
        EXPECT_LE(image.width(), static_cast<int>(kMaxPictureSide));
        EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
      }
    }
  }
}

}  // namespace
}  // namespace tavisk
