#include "render/dot_stamps.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "render_fixtures.h"

namespace tavisk {
namespace {

TEST(DotCentres, StepAlongEachFigureFromItsStart) {
  QPainterPath path;
  path.moveTo(0, 0);
  path.lineTo(10, 0);
  path.lineTo(10, 25);  // the corner carries the distance over
  path.moveTo(100, 100);
  path.lineTo(100, 108);
  const std::vector<QPointF> c = DotCentres(path, 10);
  ASSERT_EQ(c.size(), 5u);
  EXPECT_EQ(c[0], QPointF(0, 0));
  EXPECT_EQ(c[1], QPointF(10, 0));
  EXPECT_EQ(c[2], QPointF(10, 10));
  EXPECT_EQ(c[3], QPointF(10, 20));
  EXPECT_EQ(c[4], QPointF(100, 100)) << "a new figure starts a new row; none past its end";
  EXPECT_TRUE(DotCentres(path, 0).empty());
}

TEST(StampDots, DiscsAtSubpixelCentres) {
  QImage image = test::MakeCanvas(60, 20);
  QPainter painter(&image);
  QPainterPath path;
  path.moveTo(10.25, 10.5);
  path.lineTo(50.25, 10.5);
  EXPECT_FALSE(StampDots(painter, path, 8, 0, qRgba(255, 0, 0, 255))) << "no step between dots";
  ASSERT_TRUE(StampDots(painter, path, 8, 20, qRgba(255, 0, 0, 255)));
  painter.end();
  for (int x : {10, 30, 50}) {
    EXPECT_EQ(image.pixelColor(x, 10).alpha(), 255) << x;
    EXPECT_EQ(image.pixelColor(x, 15).alpha(), 0) << "radius 4 around y 10.5";
    EXPECT_EQ(image.pixelColor(x, 5).alpha(), 0);
  }
  EXPECT_EQ(image.pixelColor(20, 10).alpha(), 0);
  // Centred at x 10.25, not rounded to a pixel: the disc spans 6.25..14.25.
  EXPECT_GT(image.pixelColor(6, 10).alpha(), image.pixelColor(14, 10).alpha() + 60);
  EXPECT_GT(image.pixelColor(14, 10).alpha(), 0);
}

// A stamp is laid where the rasteriser would fill the disc, in the same
// colour, translucent or not, on a transparent layer and over paint.
TEST(StampDots, StampsEqualTheFilledDiscs) {
  for (const QRgb colour :
       {qRgba(255, 0, 0, 255), qRgba(30, 140, 250, 200), qRgba(200, 180, 20, 77)}) {
    for (const QColor under : {QColor(Qt::transparent), QColor(90, 90, 90, 255)}) {
      QImage stamped(80, 30, QImage::Format_ARGB32_Premultiplied);
      stamped.fill(under);
      QImage filled = stamped.copy();
      QPainterPath path;
      // Centres on quarter pixels, where stamps are laid exactly.
      path.moveTo(10.25, 12.5);
      path.lineTo(70.25, 12.5);
      {
        QPainter painter(&stamped);
        ASSERT_TRUE(StampDots(painter, path, 5.5, 15, colour));
      }
      {
        QPainter painter(&filled);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgba(colour));
        for (const QPointF& c : DotCentres(path, 15)) painter.drawEllipse(c, 2.75, 2.75);
      }
      EXPECT_EQ(test::MaxDifference(stamped, filled), 0)
          << std::hex << colour << " over " << under.name().toStdString();
    }
  }
}

}  // namespace
}  // namespace tavisk
