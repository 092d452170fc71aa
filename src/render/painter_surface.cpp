#include "render/painter_surface.h"

#include <QFontMetricsF>
#include <algorithm>

#include "document/numeric.h"
#include "render/figure_reach.h"
#include "render/hit_path.h"
#include "render/paint_pen.h"
#include "render/text_reach.h"

namespace tavisk {

namespace {
// Control-point distance of a quarter ellipse drawn as one cubic.
constexpr double kKappa = 0.5522847498307936;

// Long texts are outlined piece by piece, so only the pieces in the picture
// are built; a text of one piece outlines (and kerns) as a whole.
constexpr size_t kTextPieceBytes = 256;

// Figures of one paint farther apart than about a tile of the canvas are
// painted apart.
constexpr double kFarApart = 64;

std::vector<std::string> TextPieces(const std::string& text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = std::min(start + kTextPieceBytes, text.size());
    // Never inside a UTF-8 character.
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    pieces.push_back(text.substr(start, end - start));
    start = end;
  }
  return pieces;
}
}  // namespace

PainterSurface::PainterSurface(QImage& image, TextPathCache* textCache)
    : image_(image), text_cache_(textCache != nullptr ? textCache : &own_text_cache_) {
  path_.setFillRule(Qt::OddEvenFill);
}

PainterSurface::~PainterSurface() { EndSurface(); }

bool PainterSurface::BeginSurface() {
  if (painter_.isActive()) return true;
  if (image_.isNull() || image_.width() <= 0 || image_.height() <= 0) return false;
  if (!painter_.begin(&image_)) return false;
  player_.Forget();
  ResetTransform();
  path_ = QPainterPath();
  path_.setFillRule(Qt::OddEvenFill);
  cursor_ = QPointF();
  return true;
}

void PainterSurface::EndSurface() {
  if (painter_.isActive()) painter_.end();
}

void PainterSurface::TransformChanged() {
  bool invertible = false;
  inverse_ = transform_.inverted(&invertible);
}

void PainterSurface::ResetTransform() {
  transform_.reset();
  TransformChanged();
}

void PainterSurface::ScaleTransform(double sx, double sy) {
  transform_.scale(sx, sy);
  TransformChanged();
}

void PainterSurface::RotateTransform(double cx, double cy, double degrees) {
  transform_.translate(cx, cy);
  transform_.rotate(degrees);
  transform_.translate(-cx, -cy);
  TransformChanged();
}

void PainterSurface::TranslateTransform(double dx, double dy) {
  transform_.translate(dx, dy);
  TransformChanged();
}

double PainterSurface::DeviceToUserX(double x, double y) const {
  return inverse_.map(QPointF(x, y)).x();
}

double PainterSurface::DeviceToUserY(double x, double y) const {
  return inverse_.map(QPointF(x, y)).y();
}

void PainterSurface::MovePathCursor(double x, double y, bool relative) {
  const QPointF user = relative ? UserCursor() + QPointF(x, y) : QPointF(x, y);
  cursor_ = transform_.map(user);
  path_.moveTo(cursor_);
}

void PainterSurface::EnsureFigure() {
  if (path_.elementCount() == 0) path_.moveTo(cursor_);
}

void PainterSurface::AddPathSegment(double x, double y) {
  const QPointF end = Device(x, y);
  // A segment that goes nowhere adds no figure, so a one-point line shows
  // nothing even with round ends.
  if (end == cursor_) return;
  EnsureFigure();
  path_.lineTo(end);
  cursor_ = end;
}

void PainterSurface::AddPathCurve(double x1, double y1, double x2, double y2, double x3,
                                  double y3, bool relative) {
  const QPointF base = relative ? UserCursor() : QPointF();
  EnsureFigure();
  const QPointF end = transform_.map(base + QPointF(x3, y3));
  path_.cubicTo(transform_.map(base + QPointF(x1, y1)), transform_.map(base + QPointF(x2, y2)),
                end);
  cursor_ = end;
}

void PainterSurface::AddPathBox(double x, double y, double w, double h) {
  path_.moveTo(Device(x, y));
  path_.lineTo(Device(x + w, y));
  path_.lineTo(Device(x + w, y + h));
  path_.lineTo(Device(x, y + h));
  path_.closeSubpath();
  cursor_ = Device(x, y);
}

void PainterSurface::AddPathEllipse(double x, double y, double rx, double ry) {
  const QPointF centre = Device(x, y);
  if (rx == 0 || ry == 0) {
    path_.moveTo(centre);
    path_.lineTo(centre);
    cursor_ = centre;
    return;
  }
  const double kx = kKappa * rx;
  const double ky = kKappa * ry;
  path_.moveTo(Device(x + rx, y));
  path_.cubicTo(Device(x + rx, y + ky), Device(x + kx, y + ry), Device(x, y + ry));
  path_.cubicTo(Device(x - kx, y + ry), Device(x - rx, y + ky), Device(x - rx, y));
  path_.cubicTo(Device(x - rx, y - ky), Device(x - kx, y - ry), Device(x, y - ry));
  path_.cubicTo(Device(x + kx, y - ry), Device(x + rx, y - ky), Device(x + rx, y));
  path_.closeSubpath();
  cursor_ = Device(x + rx, y);
}

void PainterSurface::AddPathCircleArc(double x, double y, double r, bool relative) {
  const QPointF centre = relative ? UserCursor() + QPointF(x, y) : QPointF(x, y);
  AddPathEllipse(centre.x(), centre.y(), r, r);
}

void PainterSurface::CloseFigure() {
  path_.closeSubpath();
  cursor_ = path_.currentPosition();
}

void PainterSurface::VectorFont(const std::string& face, int64_t style, double size) {
  const int pixels = static_cast<int>(RoundInt(size));
  font_valid_ = pixels >= 1;
  if (!font_valid_) return;
  font_ = OutlineFont(face, style, pixels);
  font_key_ = face + '\x01' + std::to_string(style) + '\x01' + std::to_string(pixels);
}

void PainterSurface::AddPathText(const std::string& text) {
  if (!font_valid_ || text.empty()) return;
  const QPointF at = UserCursor();
  const QTransform place = QTransform::fromTranslate(at.x(), at.y()) * transform_;
  const QRectF visible = visible_.value_or(QRectF(image_.rect()));
  const QFontMetricsF metrics(font_);
  const TextReach reach = TextReachOf(metrics);
  const std::vector<std::string> pieces = TextPieces(text);
  double x = 0;
  bool shown = false;
  for (const std::string& piece : pieces) {
    // A lone piece is not measured: the widest glyph bounds it.
    const double advance = pieces.size() == 1
                               ? reach.perByte * static_cast<double>(piece.size())
                               : metrics.horizontalAdvance(QString::fromStdString(piece));
    const QRectF box = TextPieceBox(x, advance, reach.height);
    // Without a picture or an area (a surface that only builds paths) every
    // piece counts.
    if ((image_.isNull() && !visible_) || place.mapRect(box).intersects(visible)) {
      const QPainterPath& outline = text_cache_->Get(font_key_, font_, piece);
      path_.addPath((QTransform::fromTranslate(x, 0) * place).map(outline));
      shown = true;
    } else if (shown) {
      break;  // a straight row of text that has left the picture never comes back
    }
    x += advance;
  }
  path_.moveTo(cursor_);
}

double PainterSurface::MeasureTextWidth(const std::string& text) {
  return font_valid_ ? QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(text)) : 0;
}

double PainterSurface::MeasureTextHeight(const std::string& /*text*/) {
  return font_valid_ ? QFontMetricsF(font_).height() : 0;
}

void PainterSurface::VectorSourceColor(int64_t rgba) {
  color_ = qRgba(Red(rgba), Green(rgba), Blue(rgba), Alpha(rgba));
}

void PainterSurface::SetAntialiasing(bool on) { antialias_ = on; }

void PainterSurface::Emit(PaintOp& op) {
  op.antialias = antialias_;
  op.color = color_;
  op.transform = transform_;
  if (record_ != nullptr) {
    SealPaintOp(op);
    record_->push_back(std::move(op));
  } else if (painter_.isActive()) {
    player_.Play(op);
  }
}

void PainterSurface::Paint(PaintKind kind, double width, double length, bool roundEnds) {
  path_.setFillRule(Qt::OddEvenFill);
  QPainterPath path = std::move(path_);
  path_ = QPainterPath();
  path_.setFillRule(Qt::OddEvenFill);
  std::vector<QPainterPath> parts;
  if (visible_) {
    // Only the figures that can change the area, in paints of their own
    // where they lie far apart, so that each paint covers few tiles.
    const double reach = PaintReach(kind, width, MaxStretch(transform_));
    parts = FarApartParts(FiguresNear(path, *visible_, reach), 2 * reach + kFarApart);
  } else {
    parts.push_back(std::move(path));
  }
  for (QPainterPath& part : parts) {
    if (part.isEmpty()) continue;
    PaintOp op;
    op.kind = kind;
    op.width = width;
    op.length = length;
    op.roundEnds = roundEnds;
    op.path = std::move(part);
    Emit(op);
  }
}

void PainterSurface::FillPath() { Paint(PaintKind::kFill, 0, 0, false); }

void PainterSurface::StrokePath(double width, bool roundEnds) {
  Paint(PaintKind::kStroke, width, 0, roundEnds);
}

void PainterSurface::DashPath(double width, double length) {
  Paint(PaintKind::kDash, width, length, false);
}

void PainterSurface::DotPath(double width, double distance, bool roundEnds) {
  Paint(PaintKind::kDot, width, distance, roundEnds);
}

bool PainterSurface::IsPointInPath(double x, double y) const {
  return PathAreaHolds(path_, Device(x, y));
}

bool PainterSurface::IsPointNearPath(double x, double y, double reach) const {
  return PathOutlineNear(path_, Device(x, y), reach);
}

void PainterSurface::DrawImageAtCursor(const QImage& image, int alpha, double w, double h) {
  if (image.isNull()) return;
  PaintOp op;
  op.kind = PaintKind::kImage;
  op.image = image;
  const QSizeF size = (w > 0 && h > 0) ? QSizeF(w, h) : QSizeF(image.size());
  op.target = QRectF(UserCursor(), size);
  op.alpha = std::clamp(alpha, 0, 255);
  Emit(op);
}

void PainterSurface::ShowPicture(const QImage& picture) {
  if (!painter_.isActive()) return;
  painter_.save();
  painter_.resetTransform();
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.drawImage(0, 0, picture);
  painter_.restore();
}

}  // namespace tavisk

namespace tavisk {

void PainterSurface::BlendPicture(const QImage& picture, const QRect& area) {
  if (!painter_.isActive() || area.isEmpty()) return;
  painter_.save();
  painter_.resetTransform();
  painter_.drawImage(area.topLeft(), picture, area);
  painter_.restore();
}

void PainterSurface::SetPendingPath(const QPainterPath& path) {
  path_ = path;
  path_.setFillRule(Qt::OddEvenFill);
  if (!path_.isEmpty()) cursor_ = path_.currentPosition();
}

void PainterSurface::Play(const PaintOp& op) {
  if (painter_.isActive()) player_.Play(op);
}

}  // namespace tavisk
