// Redraw benchmarks on generated scenes at 1920 x 1080: the straight-QPainter
// baseline (on a pool thread, where the editor paints, and from the GUI
// thread), cold full redraws, the per-event latency of a move drag, a
// selecting press and its hit query alone. Prints the medians and their
// ratios at the end.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
#include <map>
#include <memory>
#include <string>

#include "edit/press_pick.h"
#include "render/canvas_renderer.h"
#include "render/frame_geometry.h"
#include "render/frame_job.h"
#include "render/painting_thread.h"
#include "render/renderer.h"
#include "render/shape_hit_index.h"
#include "scene_generator.h"
#include "straight_painter.h"

namespace tavisk::bench {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A generated editor with its shapes spread over a canvas of that size.
std::unique_ptr<EditorContext> MakeScene(int shapes, int width, int height) {
  auto ctx = std::make_unique<EditorContext>();
  SceneRecipe recipe;
  recipe.shapes = shapes;
  recipe.seed = 2026;
  recipe.width = width;
  recipe.height = height;
  GenerateScene(*ctx, recipe);
  ctx->Options.ShowCameraBorder = 1;
  ctx->Options.ShowGrid = 1;
  return ctx;
}

// One generated editor per scene size, made once.
EditorContext& Scene(int shapes) {
  static std::map<int, std::unique_ptr<EditorContext>> scenes;
  auto& slot = scenes[shapes];
  if (!slot) slot = MakeScene(shapes, kWidth, kHeight);
  return *slot;
}

QImage Canvas() {
  QImage canvas(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::black);
  return canvas;
}

// Answers the pick's geometry query from a hit index, as the editor's shell
// does.
class IndexHooks : public EditorHooks {
 public:
  explicit IndexHooks(const EditorContext& ctx) : ctx_(ctx) {}
  int64_t ShapeUnderPointer(const CanvasView& view, int64_t x, int64_t y, bool topmost) override {
    return index_.ShapeUnder(ctx_, view, x, y, topmost);
  }

 private:
  const EditorContext& ctx_;
  ShapeHitIndex index_;
};

// The middles of the current object's larger filled boxes: presses there
// pick another shape each time.
std::vector<QPoint> PressTargets(const EditorContext& ctx) {
  std::vector<QPoint> targets;
  for (const sShape& s : ctx.Obj.front().Shape) {
    if (s.Typ == kBox && s.Style == kFilled && s.W > 40 && s.H > 40) {
      targets.push_back(QPoint(s.X + s.W / 2, s.Y + s.H / 2));
    }
  }
  return targets;
}

// A press: the pick runs over the whole current object.
void PrepareClick(CanvasView& view) {
  view.Pick = PickState::Open;
  view.Drag = DragMode::None;
  view.SelectTool = false;
}

void PaintStraightOnPoolThread(const EditorContext& ctx, QImage& canvas) {
  RunPainting([&] {
    QPainter painter(&canvas);
    PaintStraight(ctx, painter);
  });
}

// The baseline paints where the editor paints, on a pool thread, so Qt's
// own fills run the same way in both.
void BM_Straight(benchmark::State& state) {
  EditorContext& ctx = Scene(static_cast<int>(state.range(0)));
  QImage canvas = Canvas();
  for (auto _ : state) PaintStraightOnPoolThread(ctx, canvas);
}

// The same from the GUI thread, as a plain QPainter program paints: Qt hands
// large fills to its thread pool piece by piece.
void BM_StraightFromGuiThread(benchmark::State& state) {
  EditorContext& ctx = Scene(static_cast<int>(state.range(0)));
  QImage canvas = Canvas();
  for (auto _ : state) {
    QPainter painter(&canvas);
    PaintStraight(ctx, painter);
  }
}

// A redraw with nothing kept but the text outlines.
void BM_ColdRedraw(benchmark::State& state) {
  EditorContext& ctx = Scene(static_cast<int>(state.range(0)));
  QImage canvas = Canvas();
  CanvasRenderer renderer;
  CanvasView view;
  renderer.Redraw(ctx, view, canvas);
  for (auto _ : state) {
    renderer.Invalidate();
    renderer.Redraw(ctx, view, canvas);
  }
}

// A document load: a new renderer with nothing kept, not even text outlines.
void BM_LoadRedraw(benchmark::State& state) {
  EditorContext& ctx = Scene(static_cast<int>(state.range(0)));
  QImage canvas = Canvas();
  CanvasView view;
  for (auto _ : state) {
    PrepareClick(view);
    CanvasRenderer renderer;
    renderer.Redraw(ctx, view, canvas);
  }
}

// A move drag of one selected mid-sized filled box: each pointer event moves
// it and redraws with the pick flag, as the canvas tools do.
void BM_DragMove(benchmark::State& state) {
  EditorContext& ctx = Scene(static_cast<int>(state.range(0)));
  sObject& object = ctx.Obj.front();
  int64_t dragged = 0;
  for (int64_t j = 0; j < static_cast<int64_t>(object.Shape.size()); ++j) {
    const sShape& s = object.Shape[static_cast<size_t>(j)];
    if (s.Typ == kBox && s.Style == kFilled && s.W > 80 && s.W < 160) dragged = j;
  }
  for (sShape& other : object.Shape) other.Selected = 0;
  sShape& shape = object.Shape[static_cast<size_t>(dragged)];
  const int16_t homeX = shape.X;
  QImage canvas = Canvas();
  CanvasRenderer renderer;
  // Told of edits, as the editor's renderer is: a drag's moves are not
  // announced until it ends.
  renderer.TellOfEdits();
  CanvasView view;
  ctx.CurrentShape = dragged;
  shape.Selected = 1;
  view.Pick = PickState::Settled;
  view.Drag = DragMode::Shapes;
  renderer.Redraw(ctx, view, canvas);
  int step = 0;
  for (auto _ : state) {
    shape.X = static_cast<int16_t>(homeX + (step++ % 40) * 3);
    renderer.Redraw(ctx, view, canvas);
  }
  shape.X = homeX;
  shape.Selected = 0;
  ctx.CurrentShape = -1;
}

// A press that selects another shape: the pick over the current object,
// then a redraw that splits the kept layers anew at the new selection.
void BM_PressSelect(benchmark::State& state) {
  EditorContext& ctx = Scene(static_cast<int>(state.range(0)));
  const std::vector<QPoint> targets = PressTargets(ctx);
  IndexHooks hooks(ctx);
  EditorHooks* const kept = ctx.Hooks;
  ctx.Hooks = &hooks;
  QImage canvas = Canvas();
  CanvasRenderer renderer;
  renderer.TellOfEdits();
  CanvasView view;
  renderer.Redraw(ctx, view, canvas);
  size_t next = 0;
  for (auto _ : state) {
    PrepareClick(view);
    const QPoint at = targets[next++ % targets.size()];
    RunPick(ctx, view, at.x(), at.y());
    renderer.Redraw(ctx, view, canvas);
  }
  ctx.Hooks = kept;
}

// The same mixed shapes all in one layer, so that a press's query runs over
// every one of them.
EditorContext& OneLayerScene(int shapes) {
  static std::map<int, std::unique_ptr<EditorContext>> scenes;
  auto& slot = scenes[shapes];
  if (!slot) {
    slot = std::make_unique<EditorContext>();
    SceneRecipe recipe;
    recipe.shapes = shapes;
    recipe.shapesPerObject = shapes;
    recipe.seed = 2026;
    GenerateScene(*slot, recipe);
  }
  return *slot;
}

// The geometry query of a press alone, on an index already built: which
// shapes of a layer of all the scene's shapes lie under the pointer.
void BM_HitQuery(benchmark::State& state) {
  EditorContext& ctx = OneLayerScene(static_cast<int>(state.range(0)));
  const std::vector<QPoint> targets = PressTargets(ctx);
  ShapeHitIndex index;
  const CanvasView view;
  index.ShapeUnder(ctx, view, 0, 0, true);
  size_t next = 0;
  for (auto _ : state) {
    const QPoint at = targets[next++ % targets.size()];
    benchmark::DoNotOptimize(index.ShapeUnder(ctx, view, at.x(), at.y(), true));
  }
}

// The first press on a layer of all the scene's shapes: a new index finds
// the shapes under the pointer, building what it needs.
void BM_FirstPress(benchmark::State& state) {
  EditorContext& ctx = OneLayerScene(static_cast<int>(state.range(0)));
  const std::vector<QPoint> targets = PressTargets(ctx);
  const CanvasView view;
  size_t next = 0;
  for (auto _ : state) {
    ShapeHitIndex index;
    const QPoint at = targets[next++ % targets.size()];
    benchmark::DoNotOptimize(index.ShapeUnder(ctx, view, at.x(), at.y(), true));
  }
}

// Events of a Space+drag pan, 3 pixels each, from the view at (panX, panY),
// with the tiles around the canvas painted while idle between events (not
// timed).
void RunPanEvents(benchmark::State& state, EditorContext& ctx, int panX, int panY, int stepX = 3,
                  int stepY = 1) {
  QImage canvas = Canvas();
  CanvasRenderer renderer;
  renderer.TellOfEdits();
  CanvasView view;
  view.PanX = static_cast<int16_t>(panX);
  view.PanY = static_cast<int16_t>(panY);
  renderer.Redraw(ctx, view, canvas);
  for (auto _ : state) {
    state.PauseTiming();
    while (renderer.PaintAhead(ctx, view, true)) {
    }
    view.PanX = static_cast<int16_t>(view.PanX - stepX);
    view.PanY = static_cast<int16_t>(view.PanY - stepY);
    state.ResumeTiming();
    renderer.Redraw(ctx, view, canvas);
  }
}

void BM_PanEvent(benchmark::State& state) {
  RunPanEvents(state, Scene(static_cast<int>(state.range(0))), 0, 0);
}

// A new drawing of 100,000 shapes over sixteen canvases' worth of area: the
// first frame of a fresh renderer, nothing kept, not even text outlines.
constexpr int kSpreadShapes = 100000;
EditorContext& SpreadScene() {
  static std::unique_ptr<EditorContext> scene = MakeScene(kSpreadShapes, 4 * kWidth, 4 * kHeight);
  return *scene;
}

void BM_FirstFrame(benchmark::State& state) {
  EditorContext& ctx = SpreadScene();
  QImage canvas = Canvas();
  CanvasView view;
  view.PanX = -kWidth;
  view.PanY = -kHeight;
  for (auto _ : state) {
    CanvasRenderer renderer;
    renderer.Redraw(ctx, view, canvas);
  }
}

// A pan event on that drawing once its first frame is painted, with the
// tiles around the canvas painted ahead: what a redraw costs over all its
// shapes when no tile is painted.
void BM_SpreadPanEvent(benchmark::State& state) {
  RunPanEvents(state, SpreadScene(), -kWidth, -kHeight);
}

// A fast pan over that drawing, a quarter of a tile an event, with the
// editor idle between events: the canvas keeps coming into what was
// recorded and painted ahead.
void BM_SpreadPanAcross(benchmark::State& state) {
  RunPanEvents(state, SpreadScene(), -kWidth, -kHeight, 64, 16);
}

// The idle editor's work after a pan of a tile into new parts of that
// drawing, until nothing is left to do, with its longest step: the longest
// input waits for it.
void BM_SpreadIdleAfterPan(benchmark::State& state) {
  EditorContext& ctx = SpreadScene();
  QImage canvas = Canvas();
  CanvasRenderer renderer;
  renderer.TellOfEdits();
  CanvasView view;
  view.PanX = -kWidth;
  view.PanY = -kHeight;
  renderer.Redraw(ctx, view, canvas);
  while (renderer.PaintAhead(ctx, view, true)) {
  }
  double longest = 0;
  for (auto _ : state) {
    state.PauseTiming();
    view.PanX = static_cast<int16_t>(view.PanX - TileCache::kTileSize);
    renderer.Redraw(ctx, view, canvas);
    state.ResumeTiming();
    bool more = true;
    while (more) {
      const auto begin = std::chrono::steady_clock::now();
      more = renderer.PaintAhead(ctx, view, true);
      const std::chrono::duration<double, std::milli> step = std::chrono::steady_clock::now() - begin;
      longest = std::max(longest, step.count());
    }
  }
  state.counters["longest_step_ms"] = longest;
}

// The straight paint of the part of that drawing in the canvas.
void BM_FirstFrameStraight(benchmark::State& state) {
  EditorContext& ctx = SpreadScene();
  QImage canvas = Canvas();
  for (auto _ : state) {
    RunPainting([&] {
      QPainter painter(&canvas);
      painter.translate(-kWidth, -kHeight);
      PaintStraight(ctx, painter);
    });
  }
}

// Five repetitions each; the medians of the repetitions are compared.
#define TAVISK_SCENE_BENCH(fn, small, large)                                                    \
  BENCHMARK(fn)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(small);  \
  BENCHMARK(fn)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(large)
TAVISK_SCENE_BENCH(BM_Straight, 3, 1);
TAVISK_SCENE_BENCH(BM_StraightFromGuiThread, 3, 1);
TAVISK_SCENE_BENCH(BM_ColdRedraw, 3, 1);
TAVISK_SCENE_BENCH(BM_LoadRedraw, 2, 1);
TAVISK_SCENE_BENCH(BM_DragMove, 40, 20);
TAVISK_SCENE_BENCH(BM_PressSelect, 4, 2);
BENCHMARK(BM_PanEvent)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(20);
BENCHMARK(BM_FirstFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(1);
BENCHMARK(BM_SpreadPanEvent)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(10);
BENCHMARK(BM_SpreadPanAcross)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(10);
BENCHMARK(BM_SpreadIdleAfterPan)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(1);
// Some seconds a frame: three are enough for a median.
BENCHMARK(BM_FirstFrameStraight)->Unit(benchmark::kMillisecond)->Repetitions(3)->Iterations(1);

// A zoom step at 10,000 shapes, as the canvas takes it. The preview: from
// the new zoom to the scaled copy of the last frame composed with the
// overlays, the snapshot taken and the sharp frame's job started meanwhile.
// The sharp frame: the job's painting at the new zoom, the renderer kept
// warm at the old one. Steps alternate between two zooms.
constexpr int kZoomShapes = 10000;

QImage SceneAtZoom(EditorContext& ctx, CanvasView& view) {
  QImage frame = Canvas();
  PaintSceneCopy(ctx, view, frame, {});
  return frame;
}

void BM_ZoomPreview(benchmark::State& state) {
  EditorContext& ctx = Scene(kZoomShapes);
  CanvasView view;
  ctx.Options.Zoom = 100;
  const QImage last = SceneAtZoom(ctx, view);
  const FrameGeometry from = GeometryOf(ctx.Options, view);
  QImage shown = Canvas();
  for (auto _ : state) {
    ctx.Options.Zoom = 101;
    const FrameGeometry to = GeometryOf(ctx.Options, view);
    FrameJob job(TakeSnapshot(ctx, view), shown.size(), nullptr);
    ComposeScaledCopy(last, from, to, QColor(255, 255, 255), shown);
    DrawCanvasOverlays(ctx, view, shown);
    state.PauseTiming();
    job.Cancel();
    job.Wait();
    state.ResumeTiming();
  }
  ctx.Options.Zoom = 100;
}

void BM_ZoomSharp(benchmark::State& state) {
  EditorContext& ctx = Scene(kZoomShapes);
  CanvasView view;
  ctx.Options.Zoom = 100;
  SceneAtZoom(ctx, view);
  int step = 0;
  for (auto _ : state) {
    ctx.Options.Zoom = static_cast<uint8_t>(++step % 2 == 1 ? 101 : 100);
    FrameJob job(TakeSnapshot(ctx, view), QSize(kWidth, kHeight), nullptr);
    job.Wait();
  }
  ctx.Options.Zoom = 100;
}

BENCHMARK(BM_ZoomPreview)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(5);
BENCHMARK(BM_ZoomSharp)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(1);

TAVISK_SCENE_BENCH(BM_HitQuery, 200, 100);
BENCHMARK(BM_FirstPress)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(3);

// Keeps the median of every benchmark, in milliseconds of wall time.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;
};

void PrintSummary(const std::map<std::string, double>& medians) {
  auto get = [&](const std::string& name) {
    auto found = medians.find(name);
    return found == medians.end() ? 0.0 : found->second;
  };
  std::printf("\nMedians at %d x %d, pick on (ms):\n", kWidth, kHeight);
  for (const char* shapes : {"1000", "10000"}) {
    const std::string n = shapes;
    const double straight = get("BM_Straight/" + n);
    const double guiThread = get("BM_StraightFromGuiThread/" + n);
    const double cold = get("BM_ColdRedraw/" + n);
    const double load = get("BM_LoadRedraw/" + n);
    const double drag = get("BM_DragMove/" + n);
    const double press = get("BM_PressSelect/" + n);
    const double query = get("BM_HitQuery/" + n);
    auto ratio = [&](double v) { return straight > 0 ? v / straight : 0; };
    std::printf("  %5s shapes: straight QPainter from the GUI thread %8.2f (%.2fx)\n", shapes,
                guiThread, ratio(guiThread));
    std::printf("  %5s shapes: straight QPainter %8.2f | cold redraw %8.2f (%.2fx) | "
                "load redraw %8.2f (%.2fx) | drag event %6.2f (%.3fx) | "
                "selecting press %8.2f (%.2fx)\n",
                shapes, straight, cold, ratio(cold), load, ratio(load), drag, ratio(drag), press,
                ratio(press));
    std::printf("  %5s shapes: hit query of a press %8.3f\n", shapes, query);
  }
  for (const char* shapes : {"10000", "100000"}) {
    std::printf("  %6s shapes in one layer: first press, index built %8.2f\n", shapes,
                get("BM_FirstPress/" + std::string(shapes)));
  }
}

// One line per figure, each with the straight paint of the same scene from
// this run.
void PrintFigures(const std::map<std::string, double>& medians) {
  auto get = [&](const std::string& name) {
    auto found = medians.find(name);
    return found == medians.end() ? 0.0 : found->second;
  };
  auto figure = [&](const char* name, int shapes, const std::string& measured,
                    const std::string& baseline) {
    if (get(measured) == 0) return;
    std::printf("figure %s shapes=%d median_ms=%.2f baseline_ms=%.2f\n", name, shapes,
                get(measured), get(baseline));
  };
  std::printf("\n");
  figure("cold_redraw", 1000, "BM_ColdRedraw/1000", "BM_Straight/1000");
  figure("cold_redraw", 10000, "BM_ColdRedraw/10000", "BM_Straight/10000");
  figure("pan_event", 10000, "BM_PanEvent/10000", "BM_Straight/10000");
  figure("press_select", 10000, "BM_PressSelect/10000", "BM_Straight/10000");
  figure("drag_event", 10000, "BM_DragMove/10000", "BM_Straight/10000");
  figure("zoom_preview", kZoomShapes, "BM_ZoomPreview/", "BM_Straight/10000");
  figure("zoom_sharp", kZoomShapes, "BM_ZoomSharp/", "BM_Straight/10000");
  figure("first_frame", kSpreadShapes, "BM_FirstFrame/", "BM_FirstFrameStraight/");
  figure("pan_event", kSpreadShapes, "BM_SpreadPanEvent/", "BM_FirstFrameStraight/");
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// The machine is shared, so load drifts between benchmarks run minutes
// apart: this pairs each baseline frame with a cold redraw right after it.
void PrintPairedRounds(int shapes, int rounds) {
  EditorContext& ctx = Scene(shapes);
  QImage canvas = Canvas();
  CanvasRenderer renderer;
  CanvasView view;
  std::vector<double> straight, cold, ratio;
  for (int r = 0; r < rounds; ++r) {
    const auto t0 = std::chrono::steady_clock::now();
    PaintStraightOnPoolThread(ctx, canvas);
    const auto t1 = std::chrono::steady_clock::now();
    renderer.Invalidate();
    renderer.Redraw(ctx, view, canvas);
    const auto t2 = std::chrono::steady_clock::now();
    straight.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    cold.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
    ratio.push_back(cold.back() / straight.back());
  }
  std::printf("  %5d shapes, %d paired rounds: straight %8.2f | cold redraw %8.2f | "
              "median of ratios %.2fx\n",
              shapes, rounds, Median(straight), Median(cold), Median(ratio));
}

}  // namespace
}  // namespace tavisk::bench

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  tavisk::bench::MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  tavisk::bench::PrintSummary(reporter.medians);
  tavisk::bench::PrintFigures(reporter.medians);
  // Only for the cold redraws that ran: a run of other cases stays short.
  std::printf("\nPaired medians (ms):\n");
  if (reporter.medians.count("BM_ColdRedraw/1000") != 0) tavisk::bench::PrintPairedRounds(1000, 9);
  if (reporter.medians.count("BM_ColdRedraw/10000") != 0) tavisk::bench::PrintPairedRounds(10000, 5);
  std::printf("\n");
  benchmark::Shutdown();
  return 0;
}
