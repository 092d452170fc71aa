#include "render/image_export.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/file_io.h"
#include "platform/png_writer.h"
#include "render/painting_failure.h"
#include "render/painting_thread.h"
#include "render/painter_surface.h"
#include "render/renderer.h"

namespace tavisk {

namespace {

bool Drawn(QRgb pixel) {
  return qAlpha(pixel) > 0;
}

}  // namespace

QRect DrawnArea(const QImage& image) {
  const QImage argb = image.format() == QImage::Format_ARGB32_Premultiplied ||
                              image.format() == QImage::Format_ARGB32
                          ? image
                          : image.convertToFormat(QImage::Format_ARGB32);
  const int width = argb.width();
  const int height = argb.height();
  int minX = width, minY = height, maxX = 0, maxY = 0;
  // Row by row in memory order; a row is read from the left up to its first
  // drawn pixel and from the right down to its last, never twice.
  for (int y = 0; y < height; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    int left = 0;
    while (left < width && !Drawn(row[left])) ++left;
    if (left == width) continue;
    int right = width - 1;
    while (!Drawn(row[right])) --right;
    minX = std::min(minX, left);
    maxX = std::max(maxX, right);
    minY = std::min(minY, y);
    maxY = y;
  }
  return QRect(minX, minY, std::abs(maxX - minX) + 1, std::abs(maxY - minY) + 1);
}

std::string ImageFileName(const std::string& answer) { return WithExtension(answer, "png"); }

void PaintForExport(QImage& drawing, const std::function<void(Surface&)>& draw) {
  RunPainting([&] {
    drawing.fill(Qt::transparent);
    PainterSurface surface(drawing);
    if (surface.BeginSurface()) {
      draw(surface);
      surface.EndSurface();
    }
  });
}

void PaintSceneForExport(const EditorContext& ctx, QImage& drawing) {
  PaintForExport(drawing, [&ctx](Surface& surface) { DrawSceneForExport(ctx, surface); });
}

ImageExportResult SaveSceneImage(EditorContext& ctx, int mode, int canvasWidth, int canvasHeight,
                                 const std::string& path) {
  const sPzOptions& o = ctx.Options;
  const int width = std::max<int>(canvasWidth, o.CameraW);
  const int height = std::max<int>(canvasHeight, o.CameraH);
  if (width <= 0 || height <= 0) return ImageExportResult::NothingSaved;
  if (int64_t{width} * height > kMaxExportPixels) return ImageExportResult::TooLarge;
  QImage drawing(width, height, QImage::Format_ARGB32_Premultiplied);
  if (drawing.isNull()) return ImageExportResult::NothingSaved;
  PaintSceneForExport(ctx, drawing);
  const QRect area = mode == kExportCamera ? QRect(o.CameraX, o.CameraY, o.CameraW, o.CameraH)
                                           : DrawnArea(drawing);
  if (area.isEmpty() || !drawing.rect().contains(area)) return ImageExportResult::NothingSaved;
  // The cut-out is a view into the drawing: a 4K picture is not copied.
  const QImage cut(drawing.constScanLine(area.y()) + 4 * static_cast<size_t>(area.x()),
                   area.width(), area.height(), drawing.bytesPerLine(), drawing.format());
  return WritePng(path, cut) ? ImageExportResult::Saved : ImageExportResult::WriteFailed;
}

void ExportImage(EditorContext& ctx, int mode, int canvasWidth, int canvasHeight) {
  const std::string answer =
      ctx.Req->SaveFile("Save Image...", "", "png Images|*.png|All Files|*.*", 0);
  if (answer.empty()) return;
  const std::string path = ImageFileName(answer);
  static PaintingFailureReport failures;
  ImageExportResult result = ImageExportResult::NothingSaved;
  const auto save = [&] { result = SaveSceneImage(ctx, mode, canvasWidth, canvasHeight, path); };
  if (!failures.Run(ctx.Req, save)) return;
  switch (result) {
    case ImageExportResult::WriteFailed:
      ctx.Req->Message("Save image", "Cannot save image: " + path, MessageIcon::Error);
      break;
    case ImageExportResult::TooLarge:
      ctx.Req->Message("Save image", kExportTooLargeText, MessageIcon::Error);
      break;
    case ImageExportResult::Saved:
    case ImageExportResult::NothingSaved:
      break;
  }
}

}  // namespace tavisk
