// The SVG export read back by the SVG import: a generated set of shapes of
// every type and style the import can hold comes back as the same shapes,
// as the import maps them (everything drawn becomes a complex shape, a text
// stays a text), on the same points, in the same colours and styles.
#include <gtest/gtest.h>

#include <QPainterPath>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "document/numeric.h"
#include "io/svg/svg_reader.h"
#include "io/svg/svg_writer.h"
#include "render/paint_op.h"
#include "render/painter_surface.h"
#include "render/renderer.h"

namespace tavisk {
namespace {

struct Segment {
  bool Cubic = false;
  QPointF C1, C2, End;
};
struct Figure {
  QPointF Start;
  std::vector<Segment> Segments;
};

std::vector<Figure> FiguresOf(const QPainterPath& path) {
  std::vector<Figure> figures;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      figures.push_back({QPointF(e), {}});
    } else if (e.isLineTo()) {
      figures.back().Segments.push_back({false, {}, {}, QPointF(e)});
    } else if (e.isCurveTo()) {
      figures.back().Segments.push_back(
          {true, QPointF(e), QPointF(path.elementAt(i + 1)), QPointF(path.elementAt(i + 2))});
      i += 2;
    }
  }
  return figures;
}

// The one paint each shape other than a text makes, as the export draws it.
std::vector<PaintOp> PaintsOf(const EditorContext& ctx, const sObject& object) {
  sObject drawn = object;
  std::erase_if(drawn.Shape, [](const sShape& shape) { return shape.Typ == kText; });
  QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  PainterSurface recorder(probe);
  std::vector<PaintOp> paints;
  recorder.RecordPaintsInto(&paints);
  EXPECT_TRUE(recorder.BeginSurface());
  DrawObjectForExport(ctx, recorder, drawn);
  recorder.EndSurface();
  return paints;
}

double Distance(QPointF a, QPointF b) {
  return std::hypot(a.x() - b.x(), a.y() - b.y());
}

bool Whole(QPointF p) {
  return p.x() == std::round(p.x()) && p.y() == std::round(p.y());
}

// How far p lies from the straight line through a and b.
double OffLine(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double length = std::hypot(d.x(), d.y());
  if (length == 0) return Distance(p, a);
  return std::abs(d.x() * (p.y() - a.y()) - d.y() * (p.x() - a.x())) / length;
}

// The import keeps whole units: a point it had to round is within half a
// unit of the exact one on each axis.
constexpr double kRounded = 0.70711;

// Every anchor within 0.01. Controls of a curve within 0.01 too, unless the
// original's are not whole. A straight segment may come back as a cubic
// whose controls lie on it, rounded.
void ExpectSameGeometry(const QPainterPath& original, const QPainterPath& imported,
                        const std::string& what) {
  const std::vector<Figure> want = FiguresOf(original);
  const std::vector<Figure> got = FiguresOf(imported);
  ASSERT_EQ(got.size(), want.size()) << what;
  for (size_t f = 0; f < want.size(); ++f) {
    EXPECT_LE(Distance(got[f].Start, want[f].Start), 0.01) << what << " figure " << f;
    ASSERT_EQ(got[f].Segments.size(), want[f].Segments.size()) << what << " figure " << f;
    QPointF from = want[f].Start;
    for (size_t s = 0; s < want[f].Segments.size(); ++s) {
      const Segment& w = want[f].Segments[s];
      const Segment& g = got[f].Segments[s];
      const std::string at =
          what + " figure " + std::to_string(f) + " segment " + std::to_string(s);
      EXPECT_LE(Distance(g.End, w.End), 0.01) << at;
      if (w.Cubic) {
        ASSERT_TRUE(g.Cubic) << at;
        const double reach = Whole(w.C1) && Whole(w.C2) ? 0.01 : kRounded;
        EXPECT_LE(Distance(g.C1, w.C1), reach) << at;
        EXPECT_LE(Distance(g.C2, w.C2), reach) << at;
      } else if (g.Cubic) {
        EXPECT_LE(OffLine(g.C1, from, w.End), kRounded) << at;
        EXPECT_LE(OffLine(g.C2, from, w.End), kRounded) << at;
      }
      from = w.End;
    }
  }
}

class SvgRoundTripTest : public ::testing::Test {
 protected:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  QPoint Spot() { return {Uniform(40, 340), Uniform(40, 340)}; }

  // A colour with its alpha, as the shape keeps both.
  void Paint(sShape& shape, uint8_t style) {
    const int alpha = Uniform(0, 1) == 0 ? 255 : Uniform(40, 254);
    shape.Color = RGBA(Uniform(0, 255), Uniform(0, 255), Uniform(0, 255), alpha);
    shape.Alpha = static_cast<uint8_t>(alpha);
    shape.Style = style;
    shape.Width = static_cast<int16_t>(Uniform(1, 12));
    shape.Height = static_cast<int16_t>(Uniform(2, 20));
  }

  sShape Placed(uint8_t type, uint8_t style) {
    sShape shape;
    shape.Typ = type;
    shape.Name = "s" + std::to_string(shapes_.size());
    Paint(shape, style);
    const QPoint at = Spot();
    shape.X = static_cast<int16_t>(at.x());
    shape.Y = static_cast<int16_t>(at.y());
    shape.W = static_cast<int16_t>(Uniform(5, 50));
    shape.H = static_cast<int16_t>(Uniform(5, 50));
    return shape;
  }

  // Whole points around (X, Y), as the editor keeps them for lines, curves
  // and complex shapes, whose X and Y are 0.
  std::vector<sPoint> Points(int count) {
    std::vector<sPoint> points;
    for (int i = 0; i < count; ++i) {
      const QPoint p = Spot();
      points.push_back({p.x(), p.y(), 0, 0});
    }
    return points;
  }

  void Generate() {
    for (const uint8_t style : {kFilled, kLineStyle, kDash}) {
      for (int round = 0; round < 2; ++round) {
        sShape box = Placed(kBox, style);
        shapes_.push_back(box);
        sShape circle = Placed(kCircle, style);
        shapes_.push_back(circle);
        // A closed chain (3k points) and an open one (3k + 1).
        sShape complex = Placed(kComplexShape, style);
        complex.X = complex.Y = 0;
        complex.Pt = Points(style == kFilled ? 9 : 10);
        shapes_.push_back(complex);
        if (style == kFilled) continue;
        sShape line = Placed(kLine, style);
        line.X = line.Y = 0;
        line.Pt = Points(2);
        shapes_.push_back(line);
        sShape curve = Placed(kCurve, style);
        curve.X = curve.Y = 0;
        curve.Pt = Points(4);
        shapes_.push_back(curve);
      }
    }
    for (const int64_t fontStyle : {int64_t{0}, kFontBold, kFontItalic}) {
      sShape text = Placed(kText, kFilled);
      text.Text = "Round " + std::to_string(shapes_.size());
      text.FontName = "Times New roman";
      text.FontStyle = fontStyle;
      text.W = static_cast<int16_t>(Uniform(12, 40));
      text.Font = ctx_.Fonts.Load(text.FontName, text.W, fontStyle);
      shapes_.push_back(text);
    }
  }

  EditorContext ctx_;
  std::vector<sShape> shapes_;
  std::mt19937 random_;
};

TEST_F(SvgRoundTripTest, ExportThenImportGivesTheSameShapes) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    random_.seed(seed);
    shapes_.clear();
    Generate();
    sObject& layer = ctx_.Obj[0];
    layer.W = layer.H = 100;
    layer.HasShape = 1;
    layer.Shape = shapes_;
    // The camera at the origin: the document's coordinates are the scene's.
    ctx_.Options.CameraX = ctx_.Options.CameraY = 0;
    ctx_.Options.CameraW = ctx_.Options.CameraH = 400;
    SvgExportOptions options;
    options.Area = kExportCamera;
    const SvgScene scene = SceneSvgText(ctx_, options, 400, 400);
    ASSERT_EQ(scene.Result, SvgExportResult::Saved);

    const SvgReadResult read = ReadSvgText(scene.Text);
    ASSERT_TRUE(read.Read) << read.Error;
    EXPECT_TRUE(read.Dropped.empty());
    const std::vector<sShape>& back = read.Layer.Shape;
    ASSERT_EQ(back.size(), shapes_.size());

    const std::vector<PaintOp> want = PaintsOf(ctx_, layer);
    const std::vector<PaintOp> got = PaintsOf(ctx_, read.Layer);
    ASSERT_EQ(got.size(), want.size());
    size_t paint = 0;
    for (size_t i = 0; i < shapes_.size(); ++i) {
      const sShape& o = shapes_[i];
      const sShape& b = back[i];
      const std::string what = "shape " + std::to_string(i) + " of type " + std::to_string(o.Typ);
      EXPECT_EQ(b.Typ, o.Typ == kText ? kText : kComplexShape) << what;
      EXPECT_EQ(b.Style, o.Style) << what;
      EXPECT_EQ(b.Color, o.Color) << what;
      EXPECT_EQ(b.Alpha, o.Alpha) << what;
      if (o.Typ == kText) {
        EXPECT_EQ(b.Text, o.Text) << what;
        EXPECT_EQ(b.FontName, o.FontName) << what;
        EXPECT_EQ(b.FontStyle, o.FontStyle) << what;
        EXPECT_EQ(b.W, o.W) << what;
        EXPECT_EQ(b.X, o.X) << what;
        EXPECT_EQ(b.Y, o.Y) << what;
        continue;
      }
      if (o.Style != kFilled) EXPECT_EQ(b.Width, o.Width) << what;
      if (o.Style == kDash) EXPECT_EQ(b.Height, o.Height) << what;
      ASSERT_LT(paint, want.size()) << what;
      EXPECT_EQ(got[paint].kind, want[paint].kind) << what;
      ExpectSameGeometry(want[paint].path, got[paint].path, what);
      ++paint;
    }
  }
}

}  // namespace
}  // namespace tavisk
