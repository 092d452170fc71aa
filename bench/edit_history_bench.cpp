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
    if (selected_ != nullptr) selected_->Selected = 0;
    selected_ = &At(target);
    selected_->Selected = 1;
    ctx.CurrentObject = static_cast<int64_t>(target.object);
    ctx.CurrentShape = static_cast<int64_t>(target.shape);
    selected_->X = Wrap16(selected_->X + 1);
  }

  EditorContext ctx;
  EditHistory history;

 private:
  std::mt19937 random_;
  sShape* selected_ = nullptr;
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

std::string Key(const std::string& figure, int64_t shapes) {
  return figure + "/" + std::to_string(shapes);
}

template <typename Work>
void Timed(benchmark::State& state, const std::string& figure, Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  state.SetIterationTime(spent.count());
  Samples()[Key(figure, state.range(0))].push_back(spent.count() * 1e3);
}

enum class Travel { kUndo, kRedo };

// Undo and redo of one Move step, each timed alone; the other one puts the
// step back for the next round.
void BM_Travel(benchmark::State& state, Travel timed) {
  EditedDocument& document = Document(state.range(0));
  document.StartMove(document.RandomShape());
  document.history.End("Move");
  for (auto _ : state) {
    if (timed == Travel::kUndo) {
      Timed(state, "undo", [&] { document.history.Undo(); });
      document.history.Redo();
    } else {
      document.history.Undo();
      Timed(state, "redo", [&] { document.history.Redo(); });
    }
  }
}

// The moved shape's record put back and forth, as a bare undo and redo would.
void BM_CopyOneShape(benchmark::State& state) {
  EditedDocument& document = Document(state.range(0));
  sShape& shape = document.At(document.RandomShape());
  const sShape before = shape;
  sShape after = before;
  after.X = Wrap16(after.X + 1);
  bool forward = true;
  for (auto _ : state) {
    Timed(state, "copy_shape", [&] { shape = forward ? after : before; });
    forward = !forward;
  }
  shape = before;
}

void BM_End(benchmark::State& state) {
  EditedDocument& document = Document(state.range(0));
  for (auto _ : state) {
    document.StartMove(document.RandomShape());
    Timed(state, "end", [&] { document.history.End("Move"); });
  }
}

void BM_CompareScene(benchmark::State& state) {
  EditedDocument& document = Document(state.range(0));
  const std::vector<sObject> copy = document.ctx.Obj;
  for (auto _ : state) {
    Timed(state, "compare_scene", [&] { benchmark::DoNotOptimize(document.ctx.Obj == copy); });
  }
}

BENCHMARK_CAPTURE(BM_Travel, undo, Travel::kUndo)
    ->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5);
BENCHMARK_CAPTURE(BM_Travel, redo, Travel::kRedo)
    ->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5);
BENCHMARK(BM_CopyOneShape)
    ->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5);
BENCHMARK(BM_End)
    ->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100)->Repetitions(5);
BENCHMARK(BM_End)
    ->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);
BENCHMARK(BM_CompareScene)
    ->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100)->Repetitions(5);
BENCHMARK(BM_CompareScene)
    ->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);

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

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Grown(size_t before, size_t after) {
  return static_cast<double>(after) - static_cast<double>(before);
}

void PrintTimeFigure(const char* name, const std::string& figure, const std::string& baseline,
                     int64_t shapes) {
  const std::vector<double>& samples = Samples()[Key(figure, shapes)];
  std::printf("figure %s shapes=%lld median_ms=%.4f baseline_ms=%.4f samples=%zu\n", name,
              static_cast<long long>(shapes), Median(samples),
              Median(Samples()[Key(baseline, shapes)]), samples.size());
}

void PrintFigures(const MemoryFigures& memory) {
  const double heapGrowth = Grown(memory.afterForget.heapBytes, memory.afterSteps.heapBytes);
  const double residentGrowth =
      Grown(memory.afterForget.residentBytes, memory.afterSteps.residentBytes);
  const double undo = Median(Samples()[Key("undo", 10000)]);
  const double redo = Median(Samples()[Key("redo", 10000)]);
  std::printf("\n%d Move steps on %d shapes: heap %+.2f MB, resident %+.2f MB, "
              "history's own count %.2f MB (target < %.0f MB: %s); all undone exactly: %s\n",
              kMemorySteps, kMemoryShapes, heapGrowth / 1e6, residentGrowth / 1e6,
              static_cast<double>(memory.approximateBytes) / 1e6, kMemoryTargetBytes / 1e6,
              std::max(heapGrowth, residentGrowth) < kMemoryTargetBytes ? "met" : "MISSED",
              memory.undoneExactly ? "yes" : "NO");
  std::printf("The mirror taken at Forget, once per document: heap %+.2f MB, resident %+.2f MB\n",
              Grown(memory.before.heapBytes, memory.afterForget.heapBytes) / 1e6,
              Grown(memory.before.residentBytes, memory.afterForget.residentBytes) / 1e6);
  std::printf("Undo %.4f ms, redo %.4f ms at 10000 shapes (target <= %.0f ms: %s)\n\n", undo,
              redo, kTravelTargetMs, std::max(undo, redo) <= kTravelTargetMs ? "met" : "MISSED");
  PrintTimeFigure("undo", "undo", "copy_shape", 10000);
  PrintTimeFigure("redo", "redo", "copy_shape", 10000);
  PrintTimeFigure("end", "end", "compare_scene", 10000);
  PrintTimeFigure("end", "end", "compare_scene", 100000);
  std::printf("figure history_growth shapes=%d steps=%d bytes=%.0f resident_bytes=%.0f "
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
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  tavisk::bench::PrintFigures(memory);
  benchmark::Shutdown();
  return memory.undoneExactly ? 0 : 1;
}
