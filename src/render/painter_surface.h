// The drawing surface on a QPainter over a QImage (premultiplied ARGB32 is
// the fast format). The path is kept in device coordinates as it is built, so
// a path left unpainted survives later transform changes; widths, dashes and
// dots are taken in the user units in force when the path is painted.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QTransform>
#include <optional>
#include <string>
#include <vector>

#include "render/paint_op.h"
#include "render/surface.h"
#include "render/text_path_cache.h"

namespace tavisk {

class PainterSurface final : public Surface {
 public:
  // image must outlive the surface. Text outlines are kept in textCache when
  // one is given, else in a cache of this surface's own.
  explicit PainterSurface(QImage& image, TextPathCache* textCache = nullptr);
  ~PainterSurface() override;
  PainterSurface(const PainterSurface&) = delete;
  PainterSurface& operator=(const PainterSurface&) = delete;

  bool BeginSurface() override;
  void EndSurface() override;

  void ResetTransform() override;
  void ScaleTransform(double sx, double sy) override;
  void RotateTransform(double cx, double cy, double degrees) override;
  void TranslateTransform(double dx, double dy) override;
  double DeviceToUserX(double x, double y) const override;
  double DeviceToUserY(double x, double y) const override;

  void MovePathCursor(double x, double y, bool relative = false) override;
  void AddPathSegment(double x, double y) override;
  void AddPathCurve(double x1, double y1, double x2, double y2, double x3, double y3,
                    bool relative = false) override;
  void AddPathBox(double x, double y, double w, double h) override;
  void AddPathEllipse(double x, double y, double rx, double ry) override;
  void AddPathCircleArc(double x, double y, double r, bool relative = false) override;
  void CloseFigure() override;

  void VectorFont(const std::string& face, int64_t style, double size) override;
  void AddPathText(const std::string& text) override;
  double MeasureTextWidth(const std::string& text) override;
  double MeasureTextHeight(const std::string& text) override;

  void VectorSourceColor(int64_t rgba) override;
  void SetAntialiasing(bool on) override;

  void FillPath() override;
  void StrokePath(double width, bool roundEnds) override;
  void DashPath(double width, double length) override;
  void DotPath(double width, double distance, bool roundEnds) override;

  bool IsPointInPath(double x, double y) const override;
  bool IsPointNearPath(double x, double y, double reach) const override;

  void DrawImageAtCursor(const QImage& image, int alpha, double w, double h) override;

  // While ops is set, paints are appended to it (bounds and hash sealed)
  // instead of being drawn; nullptr draws again.
  void RecordPaintsInto(std::vector<PaintOp>* ops) { record_ = ops; }
  std::vector<PaintOp>* RecordedPaints() const { return record_; }
  // Replaces every pixel of the image with picture, which has its size.
  void ShowPicture(const QImage& picture);
  // Lays the area of picture (of the image's size) over the image.
  void BlendPicture(const QImage& picture, const QRect& area);
  // Paints a recorded paint on the image.
  void Play(const PaintOp& op);
  // No figure waits for a paint (a lone cursor move adds none).
  bool PathIsEmpty() const { return path_.isEmpty(); }
  // The figures waiting for the next paint, in device space; a kept shape
  // puts back the figures it left.
  const QPainterPath& PendingPath() const { return path_; }
  void SetPendingPath(const QPainterPath& path);
  const QTransform& Transform() const { return transform_; }
  // The only device area whose pixels the paints are for: texts are
  // outlined, and figures reach a paint, only where they can change it.
  // Unset, texts are outlined over the image and every figure is painted.
  void SetVisibleArea(const QRectF& area) { visible_ = area; }

 private:
  QPointF Device(double x, double y) const { return transform_.map(QPointF(x, y)); }
  QPointF UserCursor() const { return inverse_.map(cursor_); }
  void TransformChanged();
  void EnsureFigure();
  void Paint(PaintKind kind, double width, double length, bool roundEnds);
  void Emit(PaintOp& op);

  QImage& image_;
  QPainter painter_;
  PaintPlayer player_{painter_};
  TextPathCache own_text_cache_;
  TextPathCache* text_cache_;
  std::vector<PaintOp>* record_ = nullptr;

  QTransform transform_;
  QTransform inverse_;
  QPainterPath path_;
  QPointF cursor_;
  QRgb color_ = 0xFF000000u;
  bool antialias_ = true;
  QFont font_;
  std::string font_key_;
  bool font_valid_ = false;
  std::optional<QRectF> visible_;
};

}  // namespace tavisk
