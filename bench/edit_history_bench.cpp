// What the edit history costs on large generated documents (shapes with a
// name, four points and one effect):
//  - memory: 1,000 steps, each a Move of a different random shape of a
//    100,000-shape document, and apart from them the mirror of the scene the
//    history keeps from its start;
//  - time: one Undo and one Redo of a Move in a 10,000-shape document, each
//    against copying the moved shape's record, the least an undo of a move
//    must do; and End(), the comparison every gesture pays, at 10,000 and
//    100,000 shapes, against one plain comparison of the scene with a copy,
//    the least any edit found by comparison costs.
// Each timed call is one sample; the figure lines after the table give the
// median of all samples.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "document/numeric.h"
#include "document_generator.h"
#include "edit/edit_history.h"
#include "process_memory.h"

namespace tavisk::bench {
namespace {

constexpr uint32_t kSeed = 20261208;
constexpr int kMemoryShapes = 100000;
constexpr int kMemorySteps = 1000;
constexpr double kMemoryTargetBytes = 10e6;
constexpr double kTravelTargetMs = 1.0;

struct ShapeRef {
  size_t object = 0;
  size_t shape = 0;
};

// A generated document under an edit history, edited as the Move tool does:
// the press selects the shape and makes it current, the drag moves it. Its
// history starts at the first Forget, as after a load.
class EditedDocument {
 public:
  explicit EditedDocument(int shapes) : history(ctx), random_(kSeed) {
    ctx.Obj = GenerateDocumentScene(shapes, kSeed);
  }

  sShape& At(ShapeRef ref) { return ctx.Obj[ref.object].Shape[ref.shape]; }

  ShapeRef Nth(size_t index) const {
    size_t object = 0;
    while (index >= ctx.Obj[object].Shape.size()) index -= ctx.Obj[object++].Shape.size();
    return {object, index};
  }

  ShapeRef RandomShape() {
    size_t count = 0;
    for (const sObject& object : ctx.Obj) count += object.Shape.size();
    return Nth(std::uniform_int_distribution<size_t>(0, count - 1)(random_));
  }

  // A Move gesture up to its release: the caller ends the edit.
  void StartMove(ShapeRef target) {
    history.Begin();
    if (selected_) At(*selected_).Selected = 0;
    selected_ = target;
    sShape& shape = At(target);
    shape.Selected = 1;
    ctx.CurrentObject = static_cast<int64_t>(target.object);
    ctx.CurrentShape = static_cast<int64_t>(target.shape);
    shape.X = Wrap16(shape.X + 1);
  }

  std::optional<ShapeRef> Selected() const { return selected_; }

  EditorContext ctx;
  EditHistory history;

 private:
  std::mt19937 random_;
  std::optional<ShapeRef> selected_;
};

EditedDocument& Document(int64_t shapes) {
  static std::map<int64_t, std::unique_ptr<EditedDocument>> documents;
  auto& slot = documents[shapes];
  if (!slot) {
    slot = std::make_unique<EditedDocument>(static_cast<int>(shapes));
    slot->history.Forget();
  }
  return *slot;
}

// Every timed call, in milliseconds, by figure name and shape count.
std::map<std::string, std::vector<double>>& Samples() {
  static std::map<std::string, std::vector<double>> samples;
  return samples;
}

std::vector<double>& SamplesOf(const std::string& figure, int64_t shapes) {
  return Samples()[figure + "/" + std::to_string(shapes)];
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// One call, timed; returns seconds and keeps the sample in milliseconds.
template <typename Work>
double TimeCall(std::vector<double>& samples, Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  samples.push_back(spent.count() * 1e3);
  return spent.count();
}

// Times work in every round with its baseline right after it, so that both
// see the same load on a shared machine; prepare runs untimed before each
// round. The baseline's median in this repetition goes into the table.
template <typename Prepare, typename Work, typename Baseline>
void TimePaired(benchmark::State& state, const std::string& figure, const std::string& against,
                Prepare prepare, Work work, Baseline baseline) {
  std::vector<double>& workSamples = SamplesOf(figure, state.range(0));
  std::vector<double>& baselineSamples = SamplesOf(against, state.range(0));
  const size_t first = baselineSamples.size();
  for (auto _ : state) {
    prepare();
    state.SetIterationTime(TimeCall(workSamples, work));
    TimeCall(baselineSamples, baseline);
  }
  state.counters[against + "_ms"] = Median(std::vector<double>(
      baselineSamples.begin() + static_cast<std::ptrdiff_t>(first), baselineSamples.end()));
}

// Undo and redo of one Move step, each timed alone (the other puts the step
// back), against copying the moved shape's record the same way, the least
// an undo or a redo of a move must do.
void TimeTravel(benchmark::State& state, bool timeUndo) {
  EditedDocument& document = Document(state.range(0));
  const ShapeRef moved = document.RandomShape();
  const sShape before = document.At(moved);
  document.StartMove(moved);
  document.history.End("Move");
  const sShape after = document.At(moved);
  sShape copy;
  EditHistory& history = document.history;
  if (timeUndo) {
    TimePaired(
        state, "undo", "copy_shape", [&] { history.Redo(); }, [&] { history.Undo(); },
        [&] { copy = before; });
  } else {
    TimePaired(
        state, "redo", "copy_shape", [&] { history.Undo(); }, [&] { history.Redo(); },
        [&] { copy = after; });
  }
  benchmark::DoNotOptimize(copy);
}

void BM_Undo(benchmark::State& state) {
  TimeTravel(state, true);
}
void BM_Redo(benchmark::State& state) {
  TimeTravel(state, false);
}

// End() after a one-shape move, against one plain comparison of the scene
// with an equal copy, the least that finding an edit by comparison costs.
void BM_End(benchmark::State& state) {
  EditedDocument& document = Document(state.range(0));
  std::vector<sObject> copy = document.ctx.Obj;
  const auto keepCopyEqual = [&](ShapeRef ref) {
    copy[ref.object].Shape[ref.shape] = document.At(ref);
  };
  bool equal = true;
  TimePaired(
      state, "end", "compare_scene",
      [&] {
        const std::optional<ShapeRef> previous = document.Selected();
        const ShapeRef moved = document.RandomShape();
        document.StartMove(moved);
        if (previous) keepCopyEqual(*previous);
        keepCopyEqual(moved);
      },
      [&] { document.history.End("Move"); }, [&] { equal = document.ctx.Obj == copy && equal; });
  // A comparison that stopped at a difference would time less than the whole.
  if (!equal) state.SkipWithError("the baseline compared unequal scenes");
}

// Five repetitions of each; the table shows their spread.
void RegisterBenchmarks() {
  const auto add = [](const char* name, void (*run)(benchmark::State&), int64_t shapes,
                      int iterations) {
    benchmark::RegisterBenchmark(name, run)
        ->Arg(shapes)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(iterations)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  };
  add("BM_Undo", BM_Undo, 10000, 200);
  add("BM_Redo", BM_Redo, 10000, 200);
  add("BM_End", BM_End, 10000, 100);
  add("BM_End", BM_End, 100000, 20);
}

struct MemoryFigures {
  ProcessMemory before;
  ProcessMemory afterForget;
  ProcessMemory afterSteps;
  size_t approximateBytes = 0;
  bool undoneExactly = false;
};

// Runs first, in a fresh process, so that the growth is the history's alone.
MemoryFigures MeasureHistoryMemory() {
  MemoryFigures figures;
  EditedDocument document(kMemoryShapes);
  std::vector<size_t> order(kMemoryShapes);
  std::iota(order.begin(), order.end(), size_t{0});
  std::shuffle(order.begin(), order.end(), std::mt19937(kSeed));
  order.resize(kMemorySteps);
  std::vector<int16_t> startX;
  for (size_t index : order) startX.push_back(document.At(document.Nth(index)).X);

  figures.before = ProcessMemory::Now();
  document.history.Forget();
  figures.afterForget = ProcessMemory::Now();
  for (size_t index : order) {
    document.StartMove(document.Nth(index));
    document.history.End("Move");
  }
  figures.afterSteps = ProcessMemory::Now();
  figures.approximateBytes = document.history.ApproximateBytes();

  // The steps are all there: undoing them all puts every shape back.
  for (int step = 0; step < kMemorySteps; ++step) document.history.Undo();
  figures.undoneExactly = !document.history.CanUndo();
  for (size_t i = 0; i < order.size(); ++i) {
    if (document.At(document.Nth(order[i])).X != startX[i]) figures.undoneExactly = false;
  }
  return figures;
}

double Grown(size_t before, size_t after) {
  return static_cast<double>(after) - static_cast<double>(before);
}

// Figures whose benchmark was filtered out of the run are left out.
void PrintTimeFigure(const std::string& figure, const std::string& baseline, int64_t shapes) {
  const std::vector<double>& samples = SamplesOf(figure, shapes);
  if (samples.empty()) return;
  std::printf("figure %s shapes=%lld median_ms=%.6f baseline_ms=%.6f samples=%zu\n", figure.c_str(),
              static_cast<long long>(shapes), Median(samples), Median(SamplesOf(baseline, shapes)),
              samples.size());
}

void PrintFigures(const MemoryFigures& memory) {
  const double heapGrowth = Grown(memory.afterForget.heapBytes, memory.afterSteps.heapBytes);
  const double residentGrowth =
      Grown(memory.afterForget.residentBytes, memory.afterSteps.residentBytes);
  const std::vector<double>& undo = SamplesOf("undo", 10000);
  const std::vector<double>& redo = SamplesOf("redo", 10000);
  std::printf(
      "\n%d Move steps on %d shapes: heap %+.2f MB, resident %+.2f MB, "
      "history's own count %.2f MB (target < %.0f MB: %s); all undone exactly: %s\n",
      kMemorySteps, kMemoryShapes, heapGrowth / 1e6, residentGrowth / 1e6,
      static_cast<double>(memory.approximateBytes) / 1e6, kMemoryTargetBytes / 1e6,
      std::max(heapGrowth, residentGrowth) < kMemoryTargetBytes ? "met" : "MISSED",
      memory.undoneExactly ? "yes" : "NO");
  std::printf("The mirror taken at Forget, once per document: heap %+.2f MB, resident %+.2f MB\n",
              Grown(memory.before.heapBytes, memory.afterForget.heapBytes) / 1e6,
              Grown(memory.before.residentBytes, memory.afterForget.residentBytes) / 1e6);
  if (!undo.empty() && !redo.empty()) {
    const double slower = std::max(Median(undo), Median(redo));
    std::printf("Undo %.4f ms, redo %.4f ms at 10000 shapes (target <= %.0f ms: %s)\n",
                Median(undo), Median(redo), kTravelTargetMs,
                slower <= kTravelTargetMs ? "met" : "MISSED");
  }
  std::printf("\n");
  PrintTimeFigure("undo", "copy_shape", 10000);
  PrintTimeFigure("redo", "copy_shape", 10000);
  PrintTimeFigure("end", "compare_scene", 10000);
  PrintTimeFigure("end", "compare_scene", 100000);
  std::printf(
      "figure history_growth shapes=%d steps=%d bytes=%.0f resident_bytes=%.0f "
      "approx_bytes=%zu\n",
      kMemoryShapes, kMemorySteps, heapGrowth, residentGrowth, memory.approximateBytes);
  std::printf("figure history_mirror shapes=%d bytes=%.0f resident_bytes=%.0f\n", kMemoryShapes,
              Grown(memory.before.heapBytes, memory.afterForget.heapBytes),
              Grown(memory.before.residentBytes, memory.afterForget.residentBytes));
}

}  // namespace
}  // namespace tavisk::bench

int main(int argc, char** argv) {
  const tavisk::bench::MemoryFigures memory = tavisk::bench::MeasureHistoryMemory();
  tavisk::bench::RegisterBenchmarks();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  tavisk::bench::PrintFigures(memory);
  benchmark::Shutdown();
  return memory.undoneExactly ? 0 : 1;
}
