// Dashes and dots of a path far longer than the picture are cut to it before
// they are laid out, and still fall where the whole path puts them.
#include "render/path_clip.h"

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "render/painter_surface.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

using Stroke = std::function<void(PainterSurface&)>;

// A line from (startX, 10) to (300, 10) under transform, stroked by stroke.
QImage DrawLine(double startX, const QTransform& transform, const Stroke& stroke) {
  QImage image = test::MakeCanvas(200, 40);
  PainterSurface surface(image);
  EXPECT_TRUE(surface.BeginSurface());
  surface.ScaleTransform(transform.m11(), transform.m22());
  surface.MovePathCursor(startX, 10);
  surface.AddPathSegment(300, 10);
  stroke(surface);
  surface.EndSurface();
  return image;
}

struct PatternCase {
  const char* what;
  QTransform transform;
  Stroke stroke;
};

TEST(PathClip, ALongPatternShowsTheDashesAndDotsOfTheWholeLine) {
  const PatternCase cases[] = {
      {"dashes", QTransform(), [](PainterSurface& s) { s.DashPath(2, 7); }},
      {"stamped round dots", QTransform(), [](PainterSurface& s) { s.DotPath(4, 9, true); }},
      {"square dots", QTransform(), [](PainterSurface& s) { s.DotPath(3, 8, false); }},
      {"dashes stretched across", QTransform::fromScale(1.5, 2),
       [](PainterSurface& s) { s.DashPath(2, 7); }},
  };
  for (const PatternCase& c : cases) {
    SCOPED_TRACE(c.what);
    // The long line starts 504 * 2,000,000 units before the short one: a
    // whole number of every period (14, 9, 8), so both put every dash and
    // dot at the same place.
    const QImage whole = DrawLine(-3, c.transform, c.stroke);
    const QImage clipped = DrawLine(-3 - 504.0 * 2'000'000, c.transform, c.stroke);
    const int row = static_cast<int>(c.transform.map(QPointF(0, 10)).y());
    int drawn = 0;
    int gaps = 0;
    for (int x = 0; x < whole.width(); ++x) {
      (qAlpha(whole.pixel(x, row)) > 0 ? drawn : gaps)++;
    }
    ASSERT_GT(drawn, 20) << "the reference shows its pattern";
    ASSERT_GT(gaps, 20);
    EXPECT_EQ(clipped, whole);
  }
}

TEST(PathClip, FiguresInsideAreKeptAndOthersCut) {
  QPainterPath path;
  path.moveTo(10, 10);
  path.cubicTo(20, 0, 30, 20, 40, 10);
  path.moveTo(-1000, 50);
  path.lineTo(1000, 50);
  path.moveTo(-500, -500);
  path.lineTo(-400, -500);  // wholly outside
  const QPainterPath clipped = ClipPathForPattern(path, QRectF(0, 0, 100, 100), 10);
  ASSERT_EQ(clipped.elementCount(), 6);
  EXPECT_EQ(clipped.elementAt(1).type, QPainterPath::CurveToElement) << "the curve as it was";
  // The cut line starts a whole period before where it enters, ends where
  // it leaves.
  EXPECT_EQ(QPointF(clipped.elementAt(4)), QPointF(0, 50));
  EXPECT_EQ(QPointF(clipped.elementAt(5)), QPointF(100, 50));
  const QPainterPath offPhase = ClipPathForPattern(path, QRectF(3, 0, 100, 100), 7);
  EXPECT_EQ(QPointF(offPhase.elementAt(4)), QPointF(-1000 + 7 * 143, 50));
}

}  // namespace
}  // namespace tavisk
