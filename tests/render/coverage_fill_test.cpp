// The canvas's own antialiased fill: close to Qt's rasteriser on the same
// paths, equal pixel for pixel wherever the image is moved by whole pixels
// (tiles of a canvas), and confined to its clip.
#include "render/coverage_fill.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <random>

#include "render_fixtures.h"

namespace tavisk {
namespace {

// A few figures of lines and curves, overlapping, some reaching past a
// 200 x 160 image on every side.
QPainterPath RandomPath(std::mt19937& dice, Qt::FillRule rule) {
  std::uniform_real_distribution<double> x(-40, 240);
  std::uniform_real_distribution<double> y(-40, 200);
  QPainterPath path;
  path.setFillRule(rule);
  const int figures = 1 + static_cast<int>(dice() % 3);
  for (int f = 0; f < figures; ++f) {
    path.moveTo(x(dice), y(dice));
    const int edges = 2 + static_cast<int>(dice() % 5);
    for (int e = 0; e < edges; ++e) {
      if (dice() % 2 == 0) {
        path.lineTo(x(dice), y(dice));
      } else {
        path.cubicTo(x(dice), y(dice), x(dice), y(dice), x(dice), y(dice));
      }
    }
    path.closeSubpath();
  }
  if (dice() % 3 == 0) path.addEllipse(QPointF(x(dice), y(dice)), 30.3, 17.7);
  return path;
}

QImage Backdrop(std::mt19937& dice) {
  QImage image(200, 160, QImage::Format_ARGB32_Premultiplied);
  for (int yy = 0; yy < image.height(); ++yy) {
    for (int xx = 0; xx < image.width(); ++xx) {
      const int a = static_cast<int>(dice() % 256);
      image.setPixel(xx, yy, qPremultiply(qRgba(static_cast<int>(dice() % 256), xx % 256, yy % 256, a)));
    }
  }
  return image;
}

void Fill(QImage& image, QPoint offset, const QPainterPath& path, QRgb colour,
          const QRegion* clip = nullptr) {
  const FlatPath flat(path);
  ASSERT_TRUE(flat.Usable());
  FillFlat(image, offset, flat, path.fillRule() == Qt::WindingFill, colour, clip);
}

// The path filled opaque by Qt at eight times the size.
QImage FineCoverage(const QPainterPath& path) {
  QImage fine(1600, 1280, QImage::Format_ARGB32_Premultiplied);
  fine.fill(Qt::transparent);
  QPainter painter(&fine);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(8, 8);
  painter.fillPath(path, Qt::black);
  return fine;
}

// How far the alpha of image strays from the fine coverage averaged over
// each pixel, times alpha, summed.
double CoverageError(const QImage& image, const QImage& fine, int alpha) {
  double error = 0;
  for (int yy = 0; yy < image.height(); ++yy) {
    for (int xx = 0; xx < image.width(); ++xx) {
      double sum = 0;
      for (int j = 0; j < 8; ++j) {
        for (int i = 0; i < 8; ++i) sum += qAlpha(fine.pixel(xx * 8 + i, yy * 8 + j));
      }
      error += std::abs(qAlpha(image.pixel(xx, yy)) - sum / 64 * alpha / 255);
    }
  }
  return error;
}

TEST(CoverageFill, AgreesWithQtsRasteriser) {
  std::mt19937 dice(7);
  for (int round = 0; round < 60; ++round) {
    const Qt::FillRule rule = round % 2 == 0 ? Qt::WindingFill : Qt::OddEvenFill;
    const QPainterPath path = RandomPath(dice, rule);
    const QRgb colour = qRgba(static_cast<int>(dice() % 256), 90, 200, round % 3 == 0 ? 255 : 140);

    // Ink alone, on clear images: the coverage of the two rasterisers.
    QImage ours = test::MakeCanvas(200, 160);
    QImage qts = ours.copy();
    Fill(ours, QPoint(), path, colour);
    {
      QPainter painter(&qts);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.fillPath(path, QColor::fromRgba(colour));
    }
    const double expected = test::Ink(qts);
    EXPECT_NEAR(test::Ink(ours), expected, 0.005 * expected + 2) << "round " << round;
    // Nearer than Qt's to the coverage of a fill eight times finer.
    const QImage fine = FineCoverage(path);
    EXPECT_LE(CoverageError(ours, fine, qAlpha(colour)), CoverageError(qts, fine, qAlpha(colour)))
        << "round " << round;

    // Over paint: the same blend where both cover a pixel wholly.
    QImage backdrop = Backdrop(dice);
    QImage oursOver = backdrop.copy();
    QImage qtsOver = backdrop.copy();
    const QRect inner(60, 50, 40, 30);
    QPainterPath box;
    box.addRect(inner);
    Fill(oursOver, QPoint(), box, colour);
    QPainter(&qtsOver).fillRect(inner, QColor::fromRgba(colour));
    EXPECT_EQ(test::MaxDifference(oursOver, qtsOver), 0) << "round " << round;
  }
}

TEST(CoverageFill, TilesOfACanvasEqualTheCanvas) {
  std::mt19937 dice(11);
  for (int round = 0; round < 40; ++round) {
    const QPainterPath path = RandomPath(dice, round % 2 == 0 ? Qt::WindingFill : Qt::OddEvenFill);
    const QRgb colour = qRgba(30, static_cast<int>(dice() % 256), 90, 170);
    const QImage backdrop = Backdrop(dice);
    QImage whole = backdrop.copy();
    Fill(whole, QPoint(), path, colour);
    // Tiles of odd sizes, each painted with the path moved to it, some
    // through a clip of two rectangles.
    for (const QRect tile : {QRect(0, 0, 73, 61), QRect(73, 0, 127, 61), QRect(0, 61, 150, 99),
                             QRect(150, 61, 50, 99)}) {
      QImage part = backdrop.copy(tile);
      const bool clipped = round % 2 == 1;
      const QRegion clip = QRegion(5, 3, 30, 40) + QRegion(20, 30, 40, 25);
      Fill(part, -tile.topLeft(), path, colour, clipped ? &clip : nullptr);
      for (int yy = 0; yy < tile.height(); ++yy) {
        for (int xx = 0; xx < tile.width(); ++xx) {
          const QRgb expected = !clipped || clip.contains(QPoint(xx, yy))
                                    ? whole.pixel(tile.x() + xx, tile.y() + yy)
                                    : backdrop.pixel(tile.x() + xx, tile.y() + yy);
          ASSERT_EQ(part.pixel(xx, yy), expected)
              << "round " << round << ", tile at " << tile.x() << "," << tile.y() << ", pixel "
              << xx << "," << yy;
        }
      }
    }
  }
}

TEST(CoverageFill, OverlapsFollowTheFillRule) {
  QPainterPath twice;
  twice.addRect(10.5, 10.5, 40, 40);
  twice.addRect(30.5, 30.5, 40, 40);
  const QRgb colour = qRgba(0, 0, 255, 100);
  for (Qt::FillRule rule : {Qt::WindingFill, Qt::OddEvenFill}) {
    twice.setFillRule(rule);
    QImage image = test::MakeCanvas(100, 100);
    Fill(image, QPoint(), twice, colour);
    EXPECT_EQ(qAlpha(image.pixel(20, 20)), 100);
    EXPECT_EQ(qAlpha(image.pixel(40, 40)), rule == Qt::WindingFill ? 100 : 0)
        << "the overlap is laid once, or left out";
    EXPECT_EQ(qAlpha(image.pixel(80, 80)), 0);
    EXPECT_EQ(qAlpha(image.pixel(10, 20)), 50) << "half a pixel covered";
  }
}

TEST(CoverageFill, PathsReachingTooFarAreLeftToQt) {
  QPainterPath far;
  far.moveTo(0, 0);
  far.lineTo(1e9, 5);
  far.lineTo(0, 10);
  EXPECT_FALSE(FlatPath(far).Usable());
  EXPECT_FALSE(FlatPath(QPainterPath()).Usable());
}

}  // namespace
}  // namespace tavisk
