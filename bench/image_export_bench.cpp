// Mode 0 image export of a 3840 x 2160 drawing: the whole command (draw,
// drawn-area search, encode) and each phase, with the quick PNG settings
// against libpng's defaults (time and file size side by side).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <map>

#include "platform/file_io.h"
#include "platform/png_writer.h"
#include "render/image_export.h"
#include "scene_generator.h"

namespace {

using namespace tavisk;

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

// The shared seeded scene over the whole drawing (every type and style,
// texts and active effects included); each benchmark's argument is the
// number of shapes.
EditorContext& Scene(int shapes) {
  static std::map<int, EditorContext> scenes;
  auto [it, added] = scenes.try_emplace(shapes);
  if (added) {
    it->second.Options.CameraW = kWidth;
    it->second.Options.CameraH = kHeight;
    bench::GenerateScene(it->second,
                         {.shapes = shapes, .seed = 7, .width = kWidth, .height = kHeight});
  }
  return it->second;
}

const QImage& Drawing(int shapes) {
  static std::map<int, QImage> drawings;
  auto [it, added] =
      drawings.try_emplace(shapes, kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  if (added) PaintSceneForExport(Scene(shapes), it->second);
  return it->second;
}

void BM_WholeExportDrawnArea(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("out.png").toStdString();
  for (auto _ : state) {
    if (SaveSceneImage(Scene(static_cast<int>(state.range(0))), kExportDrawnArea, kWidth, kHeight,
                       path) != ImageExportResult::Saved) {
      state.SkipWithError("nothing saved");
    }
  }
  state.counters["bytes"] = static_cast<double>(FileSize(path));
}

void BM_DrawOnly(benchmark::State& state) {
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) PaintSceneForExport(Scene(static_cast<int>(state.range(0))), image);
}

void BM_DrawnAreaSearch(benchmark::State& state) {
  const QImage& drawing = Drawing(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(DrawnArea(drawing));
}

void Encode(benchmark::State& state, PngCompression compression) {
  const QImage& drawing = Drawing(static_cast<int>(state.range(0)));
  const QImage cut = drawing.copy(DrawnArea(drawing));
  QTemporaryDir dir;
  const std::string path = dir.filePath("out.png").toStdString();
  for (auto _ : state) {
    if (!WritePng(path, cut, compression)) state.SkipWithError("write failed");
  }
  state.counters["bytes"] = static_cast<double>(FileSize(path));
}

void BM_EncodeFast(benchmark::State& state) {
  Encode(state, PngCompression::Fast);
}
void BM_EncodeLibraryDefault(benchmark::State& state) {
  Encode(state, PngCompression::LibraryDefault);
}

BENCHMARK(BM_WholeExportDrawnArea)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawOnly)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawnAreaSearch)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeFast)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeLibraryDefault)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
