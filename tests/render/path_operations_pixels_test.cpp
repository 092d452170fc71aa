// The point-menu operations leave the picture as it was: conversions and
// point insertion on boxes, circles, lines, curves and complex shapes in
// several styles, before and after a save and load.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "edit/figure_split_join.h"
#include "edit/path_closing.h"
#include "edit/point_insertion.h"
#include "edit/shape_conversion.h"
#include "outline_pictures.h"

namespace tavisk {
namespace {

using test::MakeFx;
using test::MakeObject;
using test::MakePointShape;
using test::MakeShape;

struct Sample {
  std::string name;
  sShape shape;
  bool straight;  // every segment straight: a line through the anchors draws it
};

sShape Styled(sShape shape, uint8_t style, int16_t width, int16_t length = 1) {
  shape.Style = style;
  shape.Width = width;
  shape.Height = length;
  return shape;
}

std::vector<Sample> Samples() {
  sShape box = MakeShape(kBox, 30, 40, 150, 90);
  box.Pt[0] = {5, 5, 0, 0};
  box.Fx = {MakeFx(10, 12, 100, 0, test::kOpaqueBlue)};
  const sShape circle = MakeShape(kCircle, 120, 120, 80, 60, test::kOpaqueGreen);
  const sShape line = MakePointShape(kLine, {{20, 30}, {200, 50}, {120, 200}, {40, 150}});
  sShape closedLine = line;
  closedLine.Close = 1;
  const sShape curve = MakePointShape(
      kCurve, {{20, 200}, {40, 20}, {200, 20}, {210, 190}, {200, 220}, {100, 230}, {60, 150}});
  sShape closedCurve = curve;
  closedCurve.Close = 1;
  closedCurve.Fx = {MakeFx(-8, 6, 100, 1, test::kOpaqueBlue, kLineStyle)};
  const sShape closedComplex = MakePointShape(kComplexShape, {{30, 120},
                                                              {30, 40},
                                                              {90, 20},
                                                              {120, 20},
                                                              {180, 20},
                                                              {210, 60},
                                                              {210, 120},
                                                              {160, 220},
                                                              {60, 200}});
  const sShape openComplex = MakePointShape(
      kComplexShape, {{20, 20}, {120, 0}, {200, 80}, {180, 120}, {160, 160}, {60, 220}, {30, 200}});
  return {
      {"filled box with an effect", box, true},
      {"dashed box", Styled(box, kDash, 3, 8), true},
      {"filled circle", circle, false},
      {"stroked circle", Styled(circle, kLineStyle, 4), false},
      {"dashed circle", Styled(circle, kDash, 3, 10), false},
      {"open stroked line", Styled(line, kLineStyle, 4), true},
      {"closed filled line", closedLine, true},
      {"closed dashed line", Styled(closedLine, kDash, 2, 6), true},
      {"open stroked curve", Styled(curve, kLineStyle, 3), false},
      {"closed filled curve with an effect", closedCurve, false},
      // Six points: the last cubic ends on point 0.
      {"stroked curve wrapping to its start",
       Styled(MakePointShape(kCurve,
                             {{40, 40}, {200, 10}, {220, 200}, {120, 200}, {20, 200}, {10, 120}}),
              kLineStyle, 3),
       false},
      {"closed filled complex shape", closedComplex, false},
      {"open stroked complex shape", Styled(openComplex, kLineStyle, 3), false},
  };
}

// The object of one shape after op ran on it with point k current.
struct Edit {
  std::vector<sObject> objects;
  int64_t currentPoint;
};
Edit Edited(const sShape& shape, int64_t k, const std::function<void(EditorContext&)>& op) {
  EditorContext ctx;
  ctx.Obj = {MakeObject({shape})};
  ctx.CurrentShape = 0;
  ctx.CurrentPoint = k;
  op(ctx);
  return {ctx.Obj, ctx.CurrentPoint};
}

// Qt strokes a cubic a few percent lighter than the same outline as
// straight pieces (the stroker offsets the curve), so strokes compare their
// ink within 5 %; fills within 1 %.
double InkShare(const sShape& shape) {
  return shape.Style == kFilled ? 0.01 : 0.05;
}

std::vector<sObject> WithoutCloseFlags(std::vector<sObject> objects) {
  for (sObject& object : objects) {
    for (sShape& shape : object.Shape) shape.Close = 0;
  }
  return objects;
}

// The edited shape draws as before. After a save and load it draws as
// before too when its closing segment is made of points; otherwise as it
// does without the Close flag, which the document does not keep.
void ExpectSamePicture(const sShape& before, const std::vector<sObject>& after,
                       const std::string& what, bool closedByPoints) {
  const std::vector<sObject> original{MakeObject({before})};
  const test::PictureDifference edited =
      test::Compare(test::PictureOf(original), test::PictureOf(after));
  EXPECT_TRUE(edited.Same(InkShare(before))) << what << ": " << edited.Describe();
  const test::PictureDifference reloaded =
      test::Compare(test::PictureOf(closedByPoints ? original : WithoutCloseFlags(after)),
                    test::PictureOf(test::SavedAndLoaded(after)));
  EXPECT_TRUE(reloaded.Same(InkShare(before)))
      << what << " after save and load: " << reloaded.Describe();
}

TEST(PathOperationPictures, ConversionsKeepThePicture) {
  const struct {
    const char* name;
    void (*convert)(EditorContext&);
    uint8_t typ;
  } conversions[] = {{"to line", ConvertToLine, kLine},
                     {"to curve", ConvertToCurve, kCurve},
                     {"to complex shape", ConvertToComplex, kComplexShape}};
  for (const Sample& sample : Samples()) {
    for (const auto& c : conversions) {
      if (sample.shape.Typ == c.typ) continue;
      // A line through the anchors keeps only straight outlines; the circle
      // becomes a polygon close to it.
      if (c.typ == kLine && !sample.straight && sample.shape.Typ != kCircle) continue;
      const Edit edit = Edited(sample.shape, 0, c.convert);
      const std::string what = sample.name + " " + c.name;
      ASSERT_EQ(edit.objects[0].Shape[0].Typ, c.typ) << what;
      ExpectSamePicture(sample.shape, edit.objects, what, true);
    }
  }
}

TEST(PathOperationPictures, AddedPointsKeepThePictureAndBecomeCurrent) {
  int added = 0;
  for (const Sample& sample : Samples()) {
    const sShape& shape = sample.shape;
    if (shape.Typ != kLine && shape.Typ != kCurve && shape.Typ != kComplexShape) continue;
    for (int64_t k = 0; k <= LastIndex(shape.Pt); ++k) {
      for (const bool before : {true, false}) {
        const Edit edit = Edited(shape, k, before ? AddPointBefore : AddPointAfter);
        const std::vector<sPoint>& points = edit.objects[0].Shape[0].Pt;
        if (points.size() == shape.Pt.size()) continue;
        ++added;
        const std::string what =
            sample.name + (before ? " before " : " after ") + std::to_string(k);
        EXPECT_EQ(points.size(), shape.Pt.size() + (shape.Typ == kLine ? 1 : 3)) << what;
        // The new anchor is the current point, an anchor of the new chain.
        EXPECT_TRUE(shape.Typ == kLine || edit.currentPoint % 3 == 0) << what;
        ExpectSamePicture(shape, edit.objects, what, false);
      }
    }
  }
  EXPECT_GE(added, 60);
}

TEST(PathOperationPictures, OpenedPathsLoseTheirClosingStroke) {
  sShape square = MakePointShape(kLine, {{40, 40}, {200, 40}, {200, 200}, {40, 200}},
                                 test::kOpaqueRed, kLineStyle);
  square.Width = 6;
  square.Close = 1;
  EditorContext ctx;
  ctx.Obj = {MakeObject({square})};
  ctx.CurrentShape = 0;
  for (const auto convert : {ConvertToCurve, ConvertToComplex}) {
    ctx.Obj[0].Shape[0] = square;
    convert(ctx);
    const std::vector<sObject> closed = ctx.Obj;
    OpenPath(ctx);
    const QImage opened = test::PictureOf(ctx.Obj);
    EXPECT_EQ(qAlpha(opened.pixel(40, 120)), 0) << "the closing side is gone";
    EXPECT_EQ(qAlpha(opened.pixel(120, 200)), 255) << "the other sides stay";
    EXPECT_EQ(qAlpha(test::PictureOf(test::SavedAndLoaded(ctx.Obj)).pixel(40, 120)), 0);
    ClosePath(ctx);
    EXPECT_TRUE(test::Compare(test::PictureOf(closed), test::PictureOf(ctx.Obj)).Same());
  }
}

TEST(PathOperationPictures, JoinedShapesFillTogetherAndSeparateAsBefore) {
  sShape box = MakeShape(kBox, 20, 20, 120, 100);
  sShape circle = MakeShape(kCircle, 140, 120, 70, 60);
  circle.Pt[0] = {-10, 5, 0, 0};
  sShape line = MakePointShape(kLine, {{100, 160}, {230, 230}, {60, 230}});
  line.Close = 1;
  // The export draws shapes one by one; in the custom style a shape leaves
  // its path to the next paint, which fills them together as links do.
  std::vector<sShape> together{box, circle, line};
  together[0].Style = together[1].Style = kCustom;
  EditorContext ctx;
  ctx.Obj = {MakeObject({box, circle, line})};
  for (sShape& shape : ctx.Obj[0].Shape) shape.Selected = 1;
  ctx.CurrentShape = 1;
  JoinSelectedShapes(ctx);
  ASSERT_EQ(ctx.Obj[0].Shape.size(), 1u);
  const QImage holes = test::PictureOf({MakeObject(together)});
  EXPECT_EQ(qAlpha(holes.pixel(130, 110)), 0) << "the overlap is a hole";
  const test::PictureDifference joined = test::Compare(holes, test::PictureOf(ctx.Obj));
  EXPECT_TRUE(joined.Same()) << joined.Describe();
  const test::PictureDifference reloaded =
      test::Compare(holes, test::PictureOf(test::SavedAndLoaded(ctx.Obj)));
  EXPECT_TRUE(reloaded.Same()) << reloaded.Describe();

  SeparateFigures(ctx);
  const test::PictureDifference apart =
      test::Compare(test::PictureOf({MakeObject({box, circle, line})}), test::PictureOf(ctx.Obj));
  EXPECT_TRUE(apart.Same()) << apart.Describe();
}

}  // namespace
}  // namespace tavisk
