// A surface that draws nothing: it builds paths exactly as the canvas surface
// does and keeps each paint, with what the SVG writer needs beyond the
// painted outline (the plain box or ellipse a paint is, the texts it holds).
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <string>
#include <vector>

#include "render/paint_op.h"
#include "render/painter_surface.h"
#include "render/surface.h"

namespace tavisk {

// One text as the renderer outlines it: top-left at at (user units).
struct SvgTextRun {
  std::string Text;
  std::string Face;
  int64_t Style = 0;
  int Pixels = 0;
  QPointF At;
};

// What the figures of one paint are, when they are one simple thing.
enum class SvgFigure {
  Path,     // anything else: written as its outline
  Box,      // one box, Rect in user units (corner and signed size)
  Ellipse,  // one ellipse, Rect = centre and radii
  Text,     // only texts, in Texts
};

struct SvgPaint {
  PaintOp Op;  // as the canvas would play it
  SvgFigure Figure = SvgFigure::Path;
  QRectF Rect;
  std::vector<SvgTextRun> Texts;
  int Group = 0;  // paints of one object share the number
};

class SvgRecordingSurface final : public Surface {
 public:
  // frame bounds the texts as the picture of an image export does: pieces of
  // text outside it are left out. It must outlive the surface.
  explicit SvgRecordingSurface(QImage& frame);

  // The paints from here on belong to another object.
  void StartGroup() { ++group_; }
  const std::vector<SvgPaint>& Paints() const { return paints_; }
  // Device areas that hold every text asked for, painted or left out of the
  // frame, with room for glyphs that overhang their advance.
  const std::vector<QRectF>& TextAreas() const { return text_areas_; }

  bool BeginSurface() override { return inner_.BeginSurface(); }
  void EndSurface() override { inner_.EndSurface(); }

  void ResetTransform() override { inner_.ResetTransform(); }
  void ScaleTransform(double sx, double sy) override { inner_.ScaleTransform(sx, sy); }
  void RotateTransform(double cx, double cy, double degrees) override {
    inner_.RotateTransform(cx, cy, degrees);
  }
  void TranslateTransform(double dx, double dy) override { inner_.TranslateTransform(dx, dy); }
  double DeviceToUserX(double x, double y) const override { return inner_.DeviceToUserX(x, y); }
  double DeviceToUserY(double x, double y) const override { return inner_.DeviceToUserY(x, y); }

  void MovePathCursor(double x, double y, bool relative = false) override {
    inner_.MovePathCursor(x, y, relative);
  }
  void AddPathSegment(double x, double y) override;
  void AddPathCurve(double x1, double y1, double x2, double y2, double x3, double y3,
                    bool relative = false) override;
  void AddPathBox(double x, double y, double w, double h) override;
  void AddPathEllipse(double x, double y, double rx, double ry) override;
  void AddPathCircleArc(double x, double y, double r, bool relative = false) override;
  void CloseFigure() override { inner_.CloseFigure(); }

  void VectorFont(const std::string& face, int64_t style, double size) override;
  void AddPathText(const std::string& text) override;
  double MeasureTextWidth(const std::string& text) override {
    return inner_.MeasureTextWidth(text);
  }
  double MeasureTextHeight(const std::string& text) override {
    return inner_.MeasureTextHeight(text);
  }

  void VectorSourceColor(int64_t rgba) override { inner_.VectorSourceColor(rgba); }
  void SetAntialiasing(bool on) override { inner_.SetAntialiasing(on); }

  void FillPath() override;
  void StrokePath(double width, bool roundEnds) override;
  void DashPath(double width, double length) override;
  void DotPath(double width, double distance, bool roundEnds) override;

  bool IsPointInPath(double x, double y) const override { return inner_.IsPointInPath(x, y); }
  bool IsPointNearPath(double x, double y, double reach) const override {
    return inner_.IsPointNearPath(x, y, reach);
  }

  void DrawImageAtCursor(const QImage& image, int alpha, double w, double h) override;

 private:
  // A figure other than one box, one ellipse or texts joins the path.
  void AddOtherFigure() {
    pending_.Figure = SvgFigure::Path;
    ++figures_;
  }
  // A box or an ellipse of positive size that starts the path may be
  // written as its own element; anything after it makes the path a path.
  void AddSoleFigure(SvgFigure figure, const QRectF& rect, bool positive);
  // Keeps the paint the inner surface recorded, if it recorded one.
  void TakePaint();

  PainterSurface inner_;
  std::vector<PaintOp> ops_;
  std::vector<SvgPaint> paints_;
  std::vector<QRectF> text_areas_;
  SvgPaint pending_;
  int figures_ = 0;
  int group_ = 0;
  std::string face_;
  int64_t style_ = 0;
  int pixels_ = 0;
};

}  // namespace tavisk
