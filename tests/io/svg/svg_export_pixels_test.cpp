// The SVG export drawn by an independent renderer (rsvg-convert) against the
// PNG export of the same scene: the same ink, and the same colour wherever
// neither picture has an edge nearby.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/complex_chain.h"
#include "document/editor_context.h"
#include "document/font_store.h"
#include "io/svg/svg_writer.h"
#include "render/image_export.h"
#include "render/render_fixtures.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

using test::MakeFx;
using test::MakeObject;
using test::MakePointShape;
using test::MakeShape;

const int64_t kHalfGreen = RGBA(0, 160, 60, 128);
const int64_t kOpaqueOrange = RGBA(240, 130, 20, 255);
const int64_t kThirdBlue = RGBA(30, 60, 220, 90);

// The scene is drawn over a frame this large; the camera covers all of it.
constexpr int kSide = 280;

// A square figure of a complex shape, corners from (x, y) and side s.
ChainFigure Square(int x, int y, int s) {
  ChainFigure figure{sPoint{x, y, 0, 0}};
  const std::pair<int, int> corners[] = {{x + s, y}, {x + s, y + s}, {x, y + s}, {x, y}};
  for (const auto& [cx, cy] : corners) {
    AppendStraightSegment(figure, figure.back(), sPoint{cx, cy, 0, 0});
  }
  return figure;
}

sShape Styled(sShape shape, uint8_t style, int16_t width, int16_t length, int16_t distance) {
  shape.Style = style;
  shape.Width = width;
  shape.Height = length;
  shape.Dist = distance;
  return shape;
}

sShape WithFx(sShape shape, std::vector<sShapeFx> fx) {
  shape.Fx = std::move(fx);
  return shape;
}

// Every vector shape type filled, with alpha, a hole and effects below and
// above.
std::vector<sObject> FilledScene() {
  sShape complex = MakePointShape(kComplexShape, {}, kHalfGreen);
  complex.Pt = ChainOfFigures({Square(10, 10, 80), Square(30, 30, 30)});
  sShape curve = MakePointShape(kCurve, {{120, 20}, {200, 0}, {220, 90}, {140, 90}}, kThirdBlue);
  curve.Close = 1;
  sShape line = MakePointShape(kLine, {{20, 130}, {100, 120}, {60, 200}}, kOpaqueOrange);
  line.Close = 1;
  const sShape box =
      WithFx(MakeShape(kBox, 130, 130, 60, 40, test::kOpaqueBlue),
             {MakeFx(8, 8, 100, 0, RGBA(0, 0, 0, 100)), MakeFx(20, 30, 50, 1, kOpaqueOrange)});
  const sShape circle = WithFx(MakeShape(kCircle, 170, 200, 30, 18, kHalfGreen),
                               {MakeFx(-10, -6, 80, 1, test::kOpaqueRed, kLineStyle)});
  sObject hidden = MakeObject({MakeShape(kBox, 0, 0, kSide, kSide)});
  hidden.Hide = 1;
  return {MakeObject({complex, curve, line}), hidden, MakeObject({box, circle})};
}

// Lines, dashes and dots on every outline type.
std::vector<sObject> StrokedScene() {
  const sShape polyline =
      Styled(MakePointShape(kLine, {{15, 15}, {110, 30}, {40, 90}, {120, 100}}, kOpaqueOrange),
             kLineStyle, 5, 0, 0);
  const sShape box = Styled(MakeShape(kBox, 140, 15, 80, 60, test::kOpaqueBlue), kDash, 4, 12, 0);
  const sShape circle = Styled(MakeShape(kCircle, 60, 170, 45, 40, kHalfGreen), kDot, 8, 0, 16);
  sShape curve =
      Styled(MakePointShape(kCurve, {{140, 120}, {240, 100}, {120, 230}, {220, 220}}, kThirdBlue),
             kLineStyle, 3, 0, 0);
  const sShape dashedLine =
      Styled(MakePointShape(kLine, {{140, 180}, {230, 180}}, test::kOpaqueRed), kDash, 3, 9, 0);
  sShape complex = Styled(MakePointShape(kComplexShape, {}, kOpaqueOrange), kLineStyle, 2, 0, 0);
  complex.Pt = ChainOfFigures({Square(150, 130, 30)});
  complex.Fx = {MakeFx(12, 12, 100, 1, test::kOpaqueBlue, kDot)};
  complex.Fx[0].Width = 4;
  complex.Fx[0].Dist = 10;
  // A dashed corner of 45 degrees keeps its whole mitre, which a mitre
  // limit of 2 in SVG's terms would cut.
  const sShape corner = Styled(
      MakePointShape(kLine, {{20, 262}, {120, 262}, {80, 222}}, kOpaqueOrange), kDash, 24, 300, 0);
  return {MakeObject({polyline, box, circle, curve, dashedLine, complex, corner})};
}

// A text (outlined), a picture and two linked shapes whose effects are
// painted as one path.
std::vector<sObject> TextPictureLinkScene(EditorContext& ctx) {
  sShape text = MakeShape(kText, 10, 10, 40, 0, test::kOpaqueBlue);
  text.Text = "Tavisk & <svg>";
  text.Font = ctx.Fonts.Load("Liberation Sans", 40, kFontBold);
  QImage picture(50, 40, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      picture.setPixelColor(x, y, QColor(x * 5, y * 6, 120, x < 25 ? 255 : 140));
    }
  }
  sShape image = MakeShape(kImage, 20, 90, 0, 0);
  image.Image = ctx.Pictures.Add(picture);
  sShape first = MakeShape(kBox, 120, 100, 40, 40, kOpaqueOrange);
  first.Link = 1;
  first.Fx = {MakeFx(0, 60, 100, 0, kHalfGreen)};
  sShape second = MakeShape(kCircle, 200, 180, 25, 25, test::kOpaqueRed);
  second.Fx = {MakeFx(-80, 0, 100, 0, kHalfGreen)};
  return {MakeObject({text, image, first, second})};
}

QImage Straight(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32);
}

// Pixels whose neighbourhood of reach pixels holds a step in any channel
// larger than a faint antialiasing fringe: the edges of shapes, and of
// shapes over shapes.
std::vector<bool> NearEdges(const QImage& image, int reach) {
  const int w = image.width();
  const int h = image.height();
  const auto channels = [](QRgb p) {
    return std::array<int, 4>{qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
  };
  std::vector<bool> edge(static_cast<size_t>(w) * h, false);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::array<int, 4> low{255, 255, 255, 255};
      std::array<int, 4> high{0, 0, 0, 0};
      for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
          const QRgb p = image.pixel(std::clamp(x + dx, 0, w - 1), std::clamp(y + dy, 0, h - 1));
          const std::array<int, 4> c = channels(qPremultiply(p));
          for (size_t k = 0; k < 4; ++k) {
            low[k] = std::min(low[k], c[k]);
            high[k] = std::max(high[k], c[k]);
          }
        }
      }
      bool step = false;
      for (size_t k = 0; k < 4; ++k) step = step || high[k] - low[k] > 8;
      edge[static_cast<size_t>(y) * w + x] = step;
    }
  }
  return edge;
}

double Ink(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) sum += qAlpha(image.pixel(x, y));
  }
  return sum;
}

// Renders the scene both ways and compares; the text of a failure, or "".
std::string CompareRenderings(EditorContext& ctx, const std::string& name) {
  test::ScopedWorkDir dir;
  ctx.Options.CameraX = 0;
  ctx.Options.CameraY = 0;
  ctx.Options.CameraW = kSide;
  ctx.Options.CameraH = kSide;
  const std::string png = dir.File(name + ".png");
  const std::string svg = dir.File(name + ".svg");
  const std::string drawn = dir.File(name + "-rsvg.png");
  if (SaveSceneImage(ctx, kExportCamera, kSide, kSide, png) != ImageExportResult::Saved) {
    return "no PNG export";
  }
  SvgExportOptions options;
  options.Area = kExportCamera;
  options.TextAsPaths = true;
  if (SaveSceneSvg(ctx, options, kSide, kSide, svg) != SvgExportResult::Saved) {
    return "no SVG export";
  }
  QProcess rsvg;
  rsvg.start("rsvg-convert", {"-o", QString::fromStdString(drawn), QString::fromStdString(svg)});
  if (!rsvg.waitForFinished(20000) || rsvg.exitCode() != 0) {
    return "rsvg-convert failed: " + rsvg.readAllStandardError().toStdString();
  }
  const QImage ours = Straight(QImage(QString::fromStdString(png)));
  const QImage theirs = Straight(QImage(QString::fromStdString(drawn)));
  if (ours.size() != QSize(kSide, kSide) || theirs.size() != ours.size()) return "sizes differ";

  const double inkOurs = Ink(ours);
  const double inkTheirs = Ink(theirs);
  if (inkOurs == 0) return "nothing drawn";
  if (std::abs(inkOurs - inkTheirs) > 0.02 * inkOurs) {
    return "ink " + std::to_string(inkOurs) + " against " + std::to_string(inkTheirs);
  }
  // Edges lie within 2 pixels of an alpha step in either picture.
  const std::vector<bool> edgeOurs = NearEdges(ours, 2);
  const std::vector<bool> edgeTheirs = NearEdges(theirs, 2);
  constexpr int kTolerance = 6;
  int compared = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const size_t i = static_cast<size_t>(y) * kSide + x;
      if (edgeOurs[i] || edgeTheirs[i]) continue;
      ++compared;
      const QRgb a = ours.pixel(x, y);
      const QRgb b = theirs.pixel(x, y);
      const int alpha = qAlpha(a);
      const int off =
          std::max({std::abs(alpha - qAlpha(b)), alpha == 0 ? 0 : std::abs(qRed(a) - qRed(b)),
                    alpha == 0 ? 0 : std::abs(qGreen(a) - qGreen(b)),
                    alpha == 0 ? 0 : std::abs(qBlue(a) - qBlue(b))});
      if (off > kTolerance) {
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") off by " +
               std::to_string(off);
      }
    }
  }
  // Most of the picture lies away from edges, so the pixels were compared.
  if (compared < kSide * kSide / 4) return "only " + std::to_string(compared) + " pixels compared";
  return "";
}

TEST(SvgExportPixels, FilledShapesWithAlphaHolesAndEffects) {
  EditorContext ctx;
  ctx.Obj = FilledScene();
  EXPECT_EQ(CompareRenderings(ctx, "filled"), "");
}

TEST(SvgExportPixels, LinesDashesAndDots) {
  EditorContext ctx;
  ctx.Obj = StrokedScene();
  EXPECT_EQ(CompareRenderings(ctx, "stroked"), "");
}

TEST(SvgExportPixels, OutlinedTextPictureAndLinkedShapes) {
  EditorContext ctx;
  ctx.Obj = TextPictureLinkScene(ctx);
  EXPECT_EQ(CompareRenderings(ctx, "text"), "");
}

}  // namespace
}  // namespace tavisk
