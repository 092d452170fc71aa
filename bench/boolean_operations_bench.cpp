// What a union costs, from the shapes' records to the fitted complex shape:
// two overlapping circles of radius 100, two overlapping wavy complex
// shapes of 100 cubic segments each, and the same with 3,000 segments each.
// Each timed call is one sample; the figure lines after the table give the
// median of all samples, the median of Qt's union of the same outlines
// alone, and the points of the result.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include <QPainterPath>

#include "edit/boolean_operations.h"
#include "edit/shape_outline.h"

namespace tavisk::bench {
namespace {

struct Figures {
  std::vector<double> ms;
  std::vector<double> baselineMs;
  size_t points = 0;
};

std::map<std::string, Figures>& Samples() {
  static std::map<std::string, Figures> samples;
  return samples;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

sShape Circle(int16_t x, int16_t r) {
  sShape shape;
  shape.Typ = kCircle;
  shape.X = x;
  shape.Y = 300;
  shape.W = shape.H = r;
  return shape;
}

// A closed wave round (x, 300) of the given number of cubic segments.
sShape Wave(int16_t x, int segments) {
  sShape shape;
  shape.Typ = kComplexShape;
  shape.X = x;
  shape.Y = 300;
  shape.Pt.clear();
  auto at = [](double t) {
    const double a = 2 * std::numbers::pi * t;
    const double r = 150 + 20 * std::sin(10 * a);
    return sPoint{std::llround(r * std::cos(a)), std::llround(r * std::sin(a)), 0, 0};
  };
  for (int i = 0; i < segments; ++i) {
    const double t = static_cast<double>(i) / segments, step = 1.0 / segments;
    for (double f : {0.0, 1.0 / 3, 2.0 / 3}) shape.Pt.push_back(at(t + f * step));
  }
  return shape;
}

// The shape's outline as Qt's own cubic path, in object units.
QPainterPath QtPath(const sShape& shape) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  for (const ChainFigure& figure : ShapeAsFigures(shape)) {
    auto at = [&](size_t i) {
      return QPointF(static_cast<double>(shape.X + figure[i].X),
                     static_cast<double>(shape.Y + figure[i].Y));
    };
    path.moveTo(at(0));
    for (size_t i = 1; i + 2 < figure.size(); i += 3) path.cubicTo(at(i), at(i + 1), at(i + 2));
  }
  return path;
}

// Each sample also times, as its baseline, Qt's union of the same two
// outlines alone: what the operation costs before it becomes a shape.
void TimeUnion(benchmark::State& state, const std::string& figure, const sShape& a,
               const sShape& b) {
  EditorContext start;
  start.Obj[0].Shape = {a, b};
  start.Obj[0].HasShape = 1;
  start.Obj[0].Shape[1].Selected = 1;
  start.CurrentShape = 0;
  Figures& figures = Samples()[figure];
  for (auto _ : state) {
    EditorContext ctx = start;
    const auto begin = std::chrono::steady_clock::now();
    const bool done = ApplyBooleanOp(ctx, BooleanOp::Union);
    const auto end = std::chrono::steady_clock::now();
    if (!done) state.SkipWithError("the union did nothing");
    figures.ms.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
    const auto baseBegin = std::chrono::steady_clock::now();
    const QPainterPath united = QtPath(a).united(QtPath(b));
    const auto baseEnd = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(united.elementCount());
    figures.baselineMs.push_back(
        std::chrono::duration<double, std::milli>(baseEnd - baseBegin).count());
    figures.points = ctx.Obj[0].Shape[0].Pt.size();
  }
}

void BM_UnionOfTwoCircles(benchmark::State& state) {
  TimeUnion(state, "union_two_circles", Circle(200, 100), Circle(300, 100));
}
void BM_UnionOfTwo100SegmentShapes(benchmark::State& state) {
  TimeUnion(state, "union_two_100_segment_shapes", Wave(200, 100), Wave(320, 100));
}
void BM_UnionOfTwo3000SegmentShapes(benchmark::State& state) {
  TimeUnion(state, "union_two_3000_segment_shapes", Wave(200, 3000), Wave(320, 3000));
}

BENCHMARK(BM_UnionOfTwoCircles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnionOfTwo100SegmentShapes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnionOfTwo3000SegmentShapes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavisk::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  for (const auto& [figure, samples] : tavisk::bench::Samples()) {
    std::printf("figure %s median_ms=%.3f baseline_ms=%.3f samples=%zu result_points=%zu\n",
                figure.c_str(), tavisk::bench::Median(samples.ms),
                tavisk::bench::Median(samples.baselineMs), samples.ms.size(), samples.points);
  }
  benchmark::Shutdown();
  return 0;
}
