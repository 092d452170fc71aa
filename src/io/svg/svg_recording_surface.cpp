#include "io/svg/svg_recording_surface.h"

#include <QFontMetricsF>
#include <utility>

#include "document/numeric.h"
#include "render/text_path_cache.h"

namespace tavisk {

SvgRecordingSurface::SvgRecordingSurface(QImage& frame) : inner_(frame) {
  inner_.RecordPaintsInto(&ops_);
}

void SvgRecordingSurface::AddPathSegment(double x, double y) {
  AddOtherFigure();
  inner_.AddPathSegment(x, y);
}

void SvgRecordingSurface::AddPathCurve(double x1, double y1, double x2, double y2, double x3,
                                       double y3, bool relative) {
  AddOtherFigure();
  inner_.AddPathCurve(x1, y1, x2, y2, x3, y3, relative);
}

void SvgRecordingSurface::AddPathBox(double x, double y, double w, double h) {
  // Only a box drawn from its top-left corner starts its outline (and its
  // dashes) where an SVG rect does; the others are written as outlines.
  AddSoleFigure(SvgFigure::Box, QRectF(x, y, w, h), w > 0 && h > 0);
  inner_.AddPathBox(x, y, w, h);
}

void SvgRecordingSurface::AddPathEllipse(double x, double y, double rx, double ry) {
  AddSoleFigure(SvgFigure::Ellipse, QRectF(x, y, rx, ry), rx > 0 && ry > 0);
  inner_.AddPathEllipse(x, y, rx, ry);
}

void SvgRecordingSurface::AddSoleFigure(SvgFigure figure, const QRectF& rect, bool positive) {
  if (figures_ != 0 || !positive) {
    AddOtherFigure();
    return;
  }
  pending_.Figure = figure;
  pending_.Rect = rect;
  ++figures_;
}

void SvgRecordingSurface::AddPathCircleArc(double x, double y, double r, bool relative) {
  AddOtherFigure();
  inner_.AddPathCircleArc(x, y, r, relative);
}

void SvgRecordingSurface::VectorFont(const std::string& face, int64_t style, double size) {
  face_ = face;
  style_ = style;
  pixels_ = static_cast<int>(RoundInt(size));
  inner_.VectorFont(face, style, size);
}

void SvgRecordingSurface::AddPathText(const std::string& text) {
  // The inner surface outlines nothing for these.
  if (pixels_ < 1 || text.empty()) return;
  const QPointF at = inner_.Transform().inverted().map(inner_.PendingPath().currentPosition());
  const QFontMetricsF metrics(OutlineFont(face_, style_, pixels_));
  const double height = metrics.height();
  const QRectF area(at.x() - height, at.y() - height,
                    metrics.horizontalAdvance(QString::fromStdString(text)) + 2 * height,
                    3 * height);
  text_areas_.push_back(inner_.Transform().mapRect(area));
  if (figures_ == 0 || pending_.Figure == SvgFigure::Text) {
    pending_.Figure = SvgFigure::Text;
    pending_.Texts.push_back({text, face_, style_, pixels_, at});
    ++figures_;
  } else {
    AddOtherFigure();
  }
  inner_.AddPathText(text);
}

void SvgRecordingSurface::TakePaint() {
  if (!ops_.empty()) {
    pending_.Op = std::move(ops_.front());
    pending_.Group = group_;
    paints_.push_back(std::move(pending_));
  }
  ops_.clear();
  pending_ = SvgPaint();
  figures_ = 0;
}

void SvgRecordingSurface::FillPath() {
  inner_.FillPath();
  TakePaint();
}

void SvgRecordingSurface::StrokePath(double width, bool roundEnds) {
  inner_.StrokePath(width, roundEnds);
  TakePaint();
}

void SvgRecordingSurface::DashPath(double width, double length) {
  inner_.DashPath(width, length);
  TakePaint();
}

void SvgRecordingSurface::DotPath(double width, double distance, bool roundEnds) {
  inner_.DotPath(width, distance, roundEnds);
  TakePaint();
}

void SvgRecordingSurface::DrawImageAtCursor(const QImage& image, int alpha, double w, double h) {
  inner_.DrawImageAtCursor(image, alpha, w, h);
  if (ops_.empty()) return;
  SvgPaint picture;
  picture.Op = std::move(ops_.front());
  picture.Group = group_;
  ops_.clear();
  paints_.push_back(std::move(picture));
}

}  // namespace tavisk
