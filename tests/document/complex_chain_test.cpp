#include "document/complex_chain.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace tavisk {
namespace {

ChainFigure RandomFigure(std::mt19937& rng, int segments, bool closed) {
  std::uniform_int_distribution<int64_t> coordinate(-500, 500);
  ChainFigure figure;
  for (int i = 0; i < 1 + 3 * segments; ++i) figure.push_back({coordinate(rng), coordinate(rng)});
  if (closed) figure.back() = figure.front();
  return figure;
}

std::vector<ChainSegment> Segments(const std::vector<sPoint>& points) {
  std::vector<ChainSegment> segments;
  WalkComplexChain(points, [](int64_t) {}, [&](const ChainSegment& s) { segments.push_back(s); });
  return segments;
}

TEST(ComplexChain, FiguresSurviveBeingJoinedIntoOneChain) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<ChainFigure> figures;
    const int count = 1 + round % 4;
    for (int f = 0; f < count; ++f) figures.push_back(RandomFigure(rng, 1 + (round + f) % 5, true));
    const std::vector<sPoint> chain = ChainOfFigures(figures);
    EXPECT_EQ(chain.size() % 3, 0u);
    EXPECT_EQ(FiguresOfChain(chain), figures) << "round " << round;
  }
}

TEST(ComplexChain, OpenAndClosedSingleFigures) {
  std::mt19937 rng(3);
  // A closed figure is stored without its closing copy: the wrap closes it.
  const ChainFigure closed = RandomFigure(rng, 3, true);
  const std::vector<sPoint> closedChain = ChainOfFigures({closed});
  EXPECT_EQ(closedChain.size(), 9u);
  EXPECT_EQ(Segments(closedChain).back().c, 0);
  EXPECT_EQ(FiguresOfChain(closedChain), std::vector<ChainFigure>{closed});

  const ChainFigure open = RandomFigure(rng, 2, false);
  const std::vector<sPoint> openChain = ChainOfFigures({open});
  EXPECT_TRUE(ComplexChainIsOpen(openChain));
  EXPECT_EQ(Segments(openChain).size(), 2u);
  EXPECT_EQ(FiguresOfChain(openChain), std::vector<ChainFigure>{open});

  // Among several, an open figure is closed by a straight segment.
  const std::vector<ChainFigure> figures = FiguresOfChain(ChainOfFigures({open, closed}));
  ASSERT_EQ(figures.size(), 2u);
  EXPECT_EQ(figures[0].size(), open.size() + 3);
  EXPECT_EQ(figures[0].back(), open.front());
  EXPECT_EQ(figures[1], closed);
}

TEST(ComplexChain, ShortAndOddChainsStillWalk) {
  for (size_t n = 1; n <= 8; ++n) {
    std::vector<sPoint> points(n);
    for (size_t i = 0; i < n; ++i) points[i] = {static_cast<int64_t>(i), 0};
    for (const ChainSegment& s : Segments(points)) {
      EXPECT_TRUE(ValidIndex(points, s.a) && ValidIndex(points, s.b) && ValidIndex(points, s.c));
    }
  }
  EXPECT_TRUE(ChainOfFigures({ChainFigure{{1, 1}}}).empty());
}

TEST(ComplexChain, StraightSegmentsFromTheFiguresOwnPointsAndFarApart) {
  // Closing a figure with its own last and first points while it grows.
  ChainFigure figure{{0, 0}, {1, 1}, {2, 2}, {30, 0}};
  figure.shrink_to_fit();
  AppendStraightSegment(figure, figure.back(), figure.front());
  EXPECT_EQ(figure, (ChainFigure{{0, 0}, {1, 1}, {2, 2}, {30, 0}, {20, 0}, {10, 0}, {0, 0}}));

  // Anchors whose difference is beyond 64 bits: the controls still lie
  // between them, a third of the way in.
  const int64_t far = std::numeric_limits<int64_t>::max() - 5;
  ChainFigure wide{{-far, far}};
  AppendStraightSegment(wide, {-far, far}, {far, -far});
  ASSERT_EQ(wide.size(), 4u);
  const int64_t third = (far / 3) * 2 + (far % 3) * 2 / 3;
  EXPECT_EQ(wide[1], (sPoint{-far + third, far - third}));
  EXPECT_EQ(wide[2], (sPoint{far - third, -far + third}));
  EXPECT_EQ(wide[3], (sPoint{far, -far}));
}

}  // namespace
}  // namespace tavisk
