#include "io/svg/svg_writer.h"

#include <QImage>
#include <algorithm>

#include "io/svg/svg_document.h"
#include "io/svg/svg_recording_surface.h"
#include "platform/file_io.h"
#include "render/renderer.h"

namespace tavisk {

namespace {

using Objects = std::vector<const sObject*>;

// Each object as the image export draws it, after the transform start.
void DrawObjects(const EditorContext& ctx, Surface& surface, const Objects& objects,
                 const QTransform& start) {
  surface.ResetTransform();
  surface.TranslateTransform(start.dx(), start.dy());
  for (const sObject* object : objects) DrawObjectForExport(ctx, surface, *object);
}

struct Recording {
  std::vector<SvgPaint> Paints;
  std::vector<QRectF> TextAreas;
};

// The paints of the objects, built against frame as the picture of the
// image export is (frame bounds the texts).
Recording Record(const EditorContext& ctx, QImage& frame, const Objects& objects,
                 const QTransform& start) {
  SvgRecordingSurface recorder(frame);
  if (!recorder.BeginSurface()) return {};
  recorder.ResetTransform();
  recorder.TranslateTransform(start.dx(), start.dy());
  for (const sObject* object : objects) {
    recorder.StartGroup();
    DrawObjectForExport(ctx, recorder, *object);
  }
  recorder.EndSurface();
  return {recorder.Paints(), recorder.TextAreas()};
}

Objects ChosenObjects(const EditorContext& ctx, int64_t only) {
  Objects objects;
  if (only >= 0) {
    if (ValidIndex(ctx.Obj, only)) objects.push_back(&ctx.Obj[static_cast<size_t>(only)]);
    return objects;
  }
  for (const sObject& object : ctx.Obj) {
    if (object.Hide == 0) objects.push_back(&object);
  }
  return objects;
}

}  // namespace

SvgScene SceneSvgText(const EditorContext& ctx, const SvgExportOptions& options, int canvasWidth,
                      int canvasHeight) {
  SvgScene scene;
  const sPzOptions& o = ctx.Options;
  const int width = std::max<int>(canvasWidth, o.CameraW);
  const int height = std::max<int>(canvasHeight, o.CameraH);
  if (width <= 0 || height <= 0) return scene;
  if (int64_t{width} * height > kMaxExportPixels) {
    scene.Result = SvgExportResult::TooLarge;
    return scene;
  }
  if (options.Object >= 0 && !ValidIndex(ctx.Obj, options.Object)) return scene;
  const Objects objects = ChosenObjects(ctx, options.Object);
  QImage frame(width, height, QImage::Format_ARGB32_Premultiplied);
  if (frame.isNull()) return scene;
  PaintForExport(frame, [&](Surface& surface) { DrawObjects(ctx, surface, objects, {}); });
  const QRect area = options.Area == kExportCamera
                         ? QRect(o.CameraX, o.CameraY, o.CameraW, o.CameraH)
                         : DrawnArea(frame);
  if (area.isEmpty() || !frame.rect().contains(area)) return scene;
  scene.Text =
      SvgDocumentText(Record(ctx, frame, objects, {}).Paints, area, {}, options.TextAsPaths);
  scene.Result = SvgExportResult::Saved;
  return scene;
}

SvgExportResult SaveSceneSvg(const EditorContext& ctx, const SvgExportOptions& options,
                             int canvasWidth, int canvasHeight, const std::string& path) {
  const SvgScene scene = SceneSvgText(ctx, options, canvasWidth, canvasHeight);
  if (scene.Result != SvgExportResult::Saved) return scene.Result;
  return WriteFileAtomically(path, scene.Text) ? SvgExportResult::Saved
                                               : SvgExportResult::WriteFailed;
}

std::string ShapesSvgText(const EditorContext& ctx, const std::vector<sShape>& shapes) {
  if (shapes.empty()) return "";
  sObject holder;
  holder.Shape = shapes;
  const Objects objects{&holder};
  // Where the shapes reach, found without a picture: the bounds of every
  // paint and of every text.
  QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  const Recording sizing = Record(ctx, probe, objects, {});
  QRect reach;
  for (const SvgPaint& paint : sizing.Paints) reach |= paint.Op.bounds;
  for (const QRectF& area : sizing.TextAreas) reach |= area.toAlignedRect();
  if (reach.isEmpty() || int64_t{reach.width()} * reach.height() > kMaxExportPixels) return "";

  // The frame covers the reach; drawn there, the shapes give their drawn area.
  QImage frame(reach.size(), QImage::Format_ARGB32_Premultiplied);
  if (frame.isNull()) return "";
  const QTransform toFrame = QTransform::fromTranslate(-reach.x(), -reach.y());
  PaintForExport(frame, [&](Surface& surface) { DrawObjects(ctx, surface, objects, toFrame); });
  const QRect area = DrawnArea(frame);
  if (area.isEmpty() || !frame.rect().contains(area)) return "";
  const QTransform toScene = toFrame.inverted();
  return SvgDocumentText(Record(ctx, frame, objects, toFrame).Paints, toScene.mapRect(QRectF(area)),
                         toScene, false);
}

std::string SvgFileName(const std::string& answer) {
  return WithExtension(answer, "svg");
}

}  // namespace tavisk
