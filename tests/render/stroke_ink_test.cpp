// Strokes carry the ink their geometry needs: ink (sum of alpha / 255) close
// to width times length, and a translucent dotted outline painted once;
// alike when played as made (the image export) and when kept and replayed
// (the canvas).
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <vector>

#include "render/painter_surface.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

constexpr double kPi = 3.14159265358979323846;

using test::Ink;

int DarkestAlpha(const QImage& image) {
  int darkest = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) darkest = std::max(darkest, qAlpha(image.pixel(x, y)));
  }
  return darkest;
}

enum class Route { kPlayedAsMade, kKeptAndReplayed };

// The paints built by draw in colour on a fresh canvas of size.
QImage PaintOnce(QSize size, int64_t colour, const std::function<void(PainterSurface&)>& draw,
                 Route route) {
  QImage image = test::MakeCanvas(size.width(), size.height());
  PainterSurface surface(image);
  EXPECT_TRUE(surface.BeginSurface());
  surface.VectorSourceColor(colour);
  std::vector<PaintOp> kept;
  if (route == Route::kKeptAndReplayed) surface.RecordPaintsInto(&kept);
  draw(surface);
  surface.RecordPaintsInto(nullptr);
  for (const PaintOp& op : kept) surface.Play(op);
  surface.EndSurface();
  return image;
}

class StrokeInk : public testing::TestWithParam<Route> {
 protected:
  // The ink of one opaque paint built by draw.
  double InkOf(const std::function<void(PainterSurface&)>& draw) const {
    return Ink(PaintOnce(QSize(240, 200), test::kOpaqueRed, draw, GetParam()));
  }
};

struct Cubic {
  QPointF p0, p1, p2, p3;
  QPointF At(double t) const {
    const double u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
  }
  double Length() const {
    double length = 0;
    for (int i = 0; i < 10000; ++i) {
      const QPointF d = At((i + 1) / 10000.0) - At(i / 10000.0);
      length += std::hypot(d.x(), d.y());
    }
    return length;
  }
};

const Cubic kCubic{{20, 170}, {40, 10}, {180, 20}, {220, 150}};

void AddCubic(PainterSurface& s) {
  s.MovePathCursor(kCubic.p0.x(), kCubic.p0.y());
  s.AddPathCurve(kCubic.p1.x(), kCubic.p1.y(), kCubic.p2.x(), kCubic.p2.y(), kCubic.p3.x(),
                 kCubic.p3.y());
}

TEST_P(StrokeInk, ThinLinesCarryTheirLengthTimesWidth) {
  for (double width : {1.0, 0.5}) {
    for (const QPointF end : {QPointF(210, 110), QPointF(110, 190), QPointF(210, 190)}) {
      const double ink = InkOf([&](PainterSurface& s) {
        s.MovePathCursor(10, 10);
        s.AddPathSegment(end.x(), end.y());
        s.StrokePath(width, false);
      });
      const double ideal = std::hypot(end.x() - 10, end.y() - 10) * width;
      EXPECT_NEAR(ink, ideal, 0.03 * ideal)
          << "width " << width << " to " << end.x() << "," << end.y();
    }
  }
}

TEST_P(StrokeInk, CurvedStrokesCarryTheirLengthTimesWidth) {
  const double cubicLength = kCubic.Length();
  for (double width : {1.0, 2.0, 3.0, 4.0, 5.0, 7.0}) {
    for (double radius : {15.0, 80.0}) {
      const double circle = InkOf([&](PainterSurface& s) {
        s.AddPathEllipse(120, 100, radius, radius);
        s.StrokePath(width, false);
      });
      const double ideal = 2 * kPi * radius * width;
      EXPECT_NEAR(circle, ideal, 0.03 * ideal)
          << "circle of radius " << radius << ", width " << width;
    }
    const double cubic = InkOf([&](PainterSurface& s) {
      AddCubic(s);
      s.StrokePath(width, false);
    });
    EXPECT_NEAR(cubic, cubicLength * width, 0.03 * cubicLength * width) << "cubic, width " << width;
  }
}

TEST_P(StrokeInk, ZoomedThinStrokesKeepTheirInk) {
  // Two user units wide at half scale: a one-pixel line on the device.
  const double ink = InkOf([&](PainterSurface& s) {
    s.ScaleTransform(0.5, 0.5);
    s.MovePathCursor(20, 20);
    s.AddPathSegment(420, 320);
    s.StrokePath(2, false);
  });
  EXPECT_NEAR(ink, 250, 0.03 * 250);
}

// The area of the union of discs of diameter d at centres, sampled on a
// fine grid.
double UnionOfDots(const std::vector<QPointF>& centres, double d) {
  const double r = d / 2;
  const double cell = 0.1;
  double area = 0;
  for (double y = -r; y <= 240 + r; y += cell) {
    for (double x = -r; x <= 240 + r; x += cell) {
      for (const QPointF& c : centres) {
        if ((x - c.x()) * (x - c.x()) + (y - c.y()) * (y - c.y()) <= r * r) {
          area += cell * cell;
          break;
        }
      }
    }
  }
  return area;
}

struct DottedCase {
  const char* name;
  double diameter;
  double step;
  std::function<void(PainterSurface&)> outline;
  std::vector<QPointF> centres;  // where the dots fall
};

std::vector<QPointF> DotsAlongRow(double step) {
  std::vector<QPointF> centres;
  for (double x = 20; x <= 200; x += step) centres.push_back(QPointF(x, 20.5));
  return centres;
}

std::vector<QPointF> DotsAroundCircle(double step) {
  std::vector<QPointF> centres;
  for (double along = 0; along < 2 * kPi * 60; along += step) {
    centres.push_back(QPointF(120 + 60 * std::cos(along / 60), 120 + 60 * std::sin(along / 60)));
  }
  return centres;
}

TEST_P(StrokeInk, TranslucentDottedOutlinesArePaintedOnce) {
  const int alpha = 100;
  auto row = [](PainterSurface& s) {
    s.MovePathCursor(20, 20.5);
    s.AddPathSegment(200, 20.5);
  };
  // A circle's outline is not a whole number of steps: its last dot falls
  // on its first.
  auto circle = [](PainterSurface& s) { s.AddPathEllipse(120, 120, 60, 60); };
  const DottedCase cases[] = {{"overlapping", 8, 5, row, DotsAlongRow(5)},
                              {"touching", 8, 8, row, DotsAlongRow(8)},
                              {"closing on a circle", 11, 12, circle, DotsAroundCircle(12)}};
  for (const DottedCase& c : cases) {
    const QImage image = PaintOnce(
        QSize(240, 240), RGBA(0, 0, 255, alpha),
        [&](PainterSurface& s) {
          c.outline(s);
          s.DotPath(c.diameter, c.step, true);
        },
        GetParam());
    EXPECT_LE(DarkestAlpha(image), alpha + 3) << c.name;
    const double ideal = UnionOfDots(c.centres, c.diameter) * alpha / 255;
    EXPECT_NEAR(Ink(image), ideal, 0.03 * ideal) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Routes, StrokeInk,
                         testing::Values(Route::kPlayedAsMade, Route::kKeptAndReplayed));

}  // namespace
}  // namespace tavisk
