#include "edit/point_editing.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavisk {
namespace {

// A context whose current shape has count points, point i at (i, 10 i).
EditorContext WithPoints(int count) {
  EditorContext ctx;
  ctx.CurrentObject = 0;
  ctx.CurrentShape = 0;
  sShape& shape = ctx.Obj[0].Shape[0];
  shape.Pt.clear();
  for (int i = 0; i < count; ++i) shape.Pt.push_back({i, 10 * i, 0, 0});
  return ctx;
}

std::vector<int64_t> Remaining(EditorContext& ctx) {
  std::vector<int64_t> who;
  for (const sPoint& point : ctx.Obj[0].Shape[0].Pt) who.push_back(point.X);
  return who;
}

TEST(DeletePoint, RemovesThePointWithItsNeighbours) {
  struct Case {
    int count;
    int64_t k;
    std::vector<int64_t> left;
  };
  const Case cases[] = {
      {7, 3, {0, 1, 5, 6}},  // an anchor goes with its two control points
      {9, 0, {2, 3, 4, 5, 6, 7}},  // closed (3k): the first point's previous is the last
      {9, 8, {1, 2, 3, 4, 5, 6}},  // and the last point's next is the first
      {3, 1, {2}},           // the third removal finds one point and keeps it
      {1, 0, {0}},           // a single point stays
      {2, 0, {0}},           // the neighbour on both sides goes once; k stays alone
  };
  for (const Case& c : cases) {
    EditorContext ctx = WithPoints(c.count);
    ctx.CurrentPoint = c.k;
    DeletePoint(ctx, c.k);
    EXPECT_EQ(Remaining(ctx), c.left) << c.count << " points, k = " << c.k;
    EXPECT_EQ(ctx.CurrentPoint, c.k);
  }
}

TEST(DeletePoint, AnOpenCurveOrChainKeepsItsOtherEndAndALineLosesOnePoint) {
  struct Case {
    uint8_t type;
    int count;
    int64_t k;
    std::vector<int64_t> left;
  };
  const Case cases[] = {
      {kCurve, 7, 0, {3, 4, 5, 6}},  // the start anchor with its control points
      {kCurve, 7, 6, {0, 1, 2, 3}},  // the end anchor likewise
      {kCurve, 7, 3, {0, 1, 5, 6}},
      {kCurve, 7, 1, {3, 4, 5, 6}},  // a control point with its neighbours
      {kCurve, 2, 0, {1}},  // the deleted point goes, the last one stays
      {kComplexShape, 7, 0, {3, 4, 5, 6}},  // an open chain (3k + 1) ends as a curve does
      {kComplexShape, 7, 6, {0, 1, 2, 3}},
      {kLine, 4, 0, {1, 2, 3}},
      {kLine, 4, 2, {0, 1, 3}},
  };
  for (const Case& c : cases) {
    EditorContext ctx = WithPoints(c.count);
    ctx.Obj[0].Shape[0].Typ = c.type;
    DeletePoint(ctx, c.k);
    EXPECT_EQ(Remaining(ctx), c.left) << int{c.type} << ": " << c.count << " points, k = " << c.k;
  }
}

TEST(ControlPoints, AnAnchorDragsTheControlsBesideItOnItsOwnChain) {
  sShape shape;
  shape.Typ = kComplexShape;
  shape.Pt.resize(7);
  EXPECT_EQ(ControlPointsOf(shape, 0), (std::vector<int64_t>{1})) << "open: no wrap to the end";
  EXPECT_EQ(ControlPointsOf(shape, 6), (std::vector<int64_t>{5}));
  EXPECT_EQ(ControlPointsOf(shape, 3), (std::vector<int64_t>{2, 4}));
  shape.Pt.resize(9);
  EXPECT_EQ(ControlPointsOf(shape, 0), (std::vector<int64_t>{8, 1})) << "closed: wraps";
  shape.Typ = kCurve;
  shape.Pt.resize(7);
  EXPECT_EQ(ControlPointsOf(shape, 6), (std::vector<int64_t>{5}));
  EXPECT_TRUE(ControlPointsOf(shape, 1).empty()) << "a control point drags nothing along";
}

TEST(DeletePoint, InvalidIndicesChangeNothing) {
  EditorContext ctx = WithPoints(4);
  DeletePoint(ctx, -1);
  DeletePoint(ctx, 4);
  ctx.CurrentShape = -1;
  DeletePoint(ctx, 1);
  ctx.CurrentShape = 3;
  DeletePoint(ctx, 1);
  EXPECT_EQ(Remaining(ctx), (std::vector<int64_t>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace tavisk
