// PNG encoding of a 3840 x 2160 drawing: the quick settings against libpng's
// defaults, time and file size side by side.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "platform/file_io.h"
#include "platform/png_writer.h"

namespace {

// Shapes over a transparent background, antialiased like the export.
QImage Drawing() {
  QImage image(3840, 2160, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 60; ++i) {
    const int x = (i * 613) % 3400;
    const int y = (i * 379) % 1900;
    painter.setBrush(QColor::fromHsv((i * 37) % 360, 200, 230, 128 + (i * 11) % 128));
    painter.setPen(QPen(QColor(20, 20, 20), 3));
    if (i % 3 == 0) painter.drawEllipse(x, y, 300, 200);
    if (i % 3 == 1) painter.drawRect(x, y, 400, 150);
    if (i % 3 == 2) painter.drawRoundedRect(x, y, 250, 250, 40, 40);
  }
  return image;
}

void Encode(benchmark::State& state, tavisk::PngCompression compression) {
  static const QImage image = Drawing();
  QTemporaryDir dir;
  const std::string path = dir.filePath("out.png").toStdString();
  for (auto _ : state) {
    if (!tavisk::WritePng(path, image, compression)) state.SkipWithError("write failed");
  }
  state.counters["bytes"] = static_cast<double>(tavisk::FileSize(path));
}

void BM_PngFast(benchmark::State& state) {
  Encode(state, tavisk::PngCompression::Fast);
}
void BM_PngLibraryDefault(benchmark::State& state) {
  Encode(state, tavisk::PngCompression::LibraryDefault);
}

BENCHMARK(BM_PngFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngLibraryDefault)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
