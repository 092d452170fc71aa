// Mode 0 image export of a 3840 x 2160 drawing: the whole command (draw,
// drawn-area search, encode) and each phase, with the quick PNG settings
// against libpng's defaults (time and file size side by side).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "document/numeric.h"
#include "platform/file_io.h"
#include "platform/png_writer.h"
#include "render/image_export.h"
#include "render/painter_surface.h"
#include "render/renderer.h"

namespace {

using namespace tavisk;

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

sShape Shape(uint8_t typ, int x, int y, int w, int h, int64_t color, uint8_t style) {
  sShape shape;
  shape.Typ = typ;
  shape.X = static_cast<int16_t>(x);
  shape.Y = static_cast<int16_t>(y);
  shape.W = static_cast<int16_t>(w);
  shape.H = static_cast<int16_t>(h);
  shape.Color = color;
  shape.Style = style;
  shape.Width = 4;
  shape.Height = 12;
  shape.Dist = 10;
  return shape;
}

// Boxes, ellipses and closed cubic shapes of every style spread over the
// drawing, with margins left empty so the search has something to skip.
EditorContext& Scene() {
  static EditorContext ctx = [] {
    EditorContext c;
    c.Options.CameraW = kWidth;
    c.Options.CameraH = kHeight;
    sObject object;
    object.HasShape = 1;
    object.Shape.clear();
    for (int i = 0; i < 240; ++i) {
      const int x = 200 + (i * 613) % 3300;
      const int y = 150 + (i * 379) % 1800;
      const int64_t color =
          RGBA((i * 53) & 255, (i * 97) & 255, (i * 31) & 255, 128 + (i * 11) % 128);
      const uint8_t style = static_cast<uint8_t>(i % 4);
      if (i % 3 == 0) object.Shape.push_back(Shape(kBox, x, y, 320, 180, color, style));
      if (i % 3 == 1) object.Shape.push_back(Shape(kCircle, x, y, 150, 90, color, style));
      if (i % 3 == 2) {
        sShape blob = Shape(kComplexShape, x, y, 0, 0, color, style);
        blob.Pt = {{0, 0}, {120, -60}, {240, 60}, {200, 160}, {120, 260}, {-40, 200}};
        object.Shape.push_back(blob);
      }
    }
    c.Obj = {object};
    c.ObjReady = 1;
    return c;
  }();
  return ctx;
}

const QImage& Drawing() {
  static const QImage drawing = [] {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    PainterSurface surface(image);
    if (surface.BeginSurface()) {
      DrawSceneForExport(Scene(), surface);
      surface.EndSurface();
    }
    return image;
  }();
  return drawing;
}

void BM_WholeExportDrawnArea(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("out.png").toStdString();
  for (auto _ : state) {
    if (SaveSceneImage(Scene(), kExportDrawnArea, kWidth, kHeight, path) !=
        ImageExportResult::Saved) {
      state.SkipWithError("nothing saved");
    }
  }
  state.counters["bytes"] = static_cast<double>(FileSize(path));
}

void BM_DrawOnly(benchmark::State& state) {
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::transparent);
    PainterSurface surface(image);
    if (surface.BeginSurface()) {
      DrawSceneForExport(Scene(), surface);
      surface.EndSurface();
    }
  }
}

void BM_DrawnAreaSearch(benchmark::State& state) {
  const QImage& drawing = Drawing();
  for (auto _ : state) benchmark::DoNotOptimize(DrawnArea(drawing));
}

void Encode(benchmark::State& state, PngCompression compression) {
  const QImage cut = Drawing().copy(DrawnArea(Drawing()));
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

BENCHMARK(BM_WholeExportDrawnArea)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawnAreaSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeLibraryDefault)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
