#include "render/paint_op.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "render/coverage_fill.h"
#include "render/dot_stamps.h"
#include "render/hasher.h"
#include "render/laid_paint.h"
#include "render/paint_pen.h"
#include "render/path_clip.h"
#include "render/path_pieces.h"

namespace tavisk {

namespace {

bool IsStroke(PaintKind kind) {
  return kind == PaintKind::kStroke || kind == PaintKind::kDash || kind == PaintKind::kDot;
}

}  // namespace

uint64_t HashPath(const QPainterPath& path) {
  Hasher h;
  const int count = path.elementCount();
  h.Add(static_cast<uint64_t>(count));
  for (int i = 0; i < count; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    h.Add(static_cast<uint64_t>(e.type));
    h.Add(e.x);
    h.Add(e.y);
  }
  return h.Value();
}

void SealPaintOp(PaintOp& op) {
  if (op.kind == PaintKind::kImage) {
    op.bounds = op.image.isNull() ? QRect()
                                  : op.transform.mapRect(op.target).toAlignedRect().adjusted(
                                        -2, -2, 2, 2);
  } else if (op.path.isEmpty()) {
    op.bounds = QRect();
  } else {
    // A mitred corner (miter limit 2) reaches twice the pen width past its
    // point; two more pixels cover the antialiasing fringe.
    const double grow =
        IsStroke(op.kind) ? 2 * PenWidth(op.width) * MaxStretch(op.transform) + 2.0 : 2.0;
    op.bounds = op.path.controlPointRect().adjusted(-grow, -grow, grow, grow).toAlignedRect();
  }

  Hasher h;
  h.Add(static_cast<uint64_t>(op.kind) | uint64_t{op.antialias} << 8 |
        uint64_t{op.roundEnds} << 9 | uint64_t{op.color} << 16);
  if (op.kind == PaintKind::kImage) {
    h.Add(static_cast<int64_t>(op.image.cacheKey()));
    h.Add(op.target.x());
    h.Add(op.target.y());
    h.Add(op.target.width());
    h.Add(op.target.height());
    h.Add(static_cast<uint64_t>(op.alpha));
  } else {
    if (IsStroke(op.kind)) {
      h.Add(op.width);
      h.Add(op.length);
    }
    h.Add(HashPath(op.path));
  }
  if (op.kind != PaintKind::kFill) {
    h.Add(op.transform.m11());
    h.Add(op.transform.m12());
    h.Add(op.transform.m21());
    h.Add(op.transform.m22());
    h.Add(op.transform.dx());
    h.Add(op.transform.dy());
  }
  op.hash = h.Value();
  if (LaysOut(op)) op.laid = std::make_shared<LaidPaint>();
}

void PaintPlayer::UseAntialiasing(bool on) {
  if (antialias_ == static_cast<int>(on)) return;
  painter_.setRenderHint(QPainter::Antialiasing, on);
  antialias_ = on;
}

void PaintPlayer::UsePen(const PaintOp& op, double scale) {
  const double width = PenWidth(op.width) * scale;
  if (pen_valid_ && pen_kind_ == op.kind && pen_width_ == width && pen_length_ == op.length &&
      pen_round_ == op.roundEnds && pen_color_ == op.color) {
    return;
  }
  painter_.setPen(PenOf(op, scale));
  painter_.setBrush(Qt::NoBrush);
  pen_valid_ = true;
  pen_kind_ = op.kind;
  pen_width_ = width;
  pen_length_ = op.length;
  pen_round_ = op.roundEnds;
  pen_color_ = op.color;
}

QRectF PaintPlayer::DeviceArea(double grow) const {
  const QPaintDevice* device = painter_.device();
  return QRectF(-offset_.x(), -offset_.y(), device->width(), device->height())
      .adjusted(-grow, -grow, grow, grow);
}

QRectF PaintPlayer::PatternArea(const PaintOp& op) const {
  return DeviceArea(PenWidth(op.width) * MaxStretch(op.transform) + 2.0);
}

void PaintPlayer::Play(const PaintOp& op) {
  if (op.laid) {
    PlayLaid(op, LaidOf(op));
    return;
  }
  if (LaysOut(op)) {  // played as it is made, not kept
    LaidPaint laid;
    Lay(op, laid);
    PlayLaid(op, laid);
    return;
  }
  if (op.kind == PaintKind::kDash || op.kind == PaintKind::kDot) {
    PlayPattern(op);
  } else {
    PlayWhole(op);
  }
}

void PaintPlayer::PlayLaid(const PaintOp& op, const LaidPaint& laid) {
  if (!laid.whole) {
    PlayPattern(op);
    return;
  }
  UseAntialiasing(op.antialias);
  if (laid.dots) {
    painter_.setTransform(origin_);
    StampLoneDots(painter_, *laid.dots, op.color);
    if (!laid.dots->joined.IsEmpty()) FillPieces(laid.dots->joined, op.color);
    return;
  }
  FillPieces(laid.area, op.color);
}

void PaintPlayer::PlayPattern(const PaintOp& op) {
  const QRectF area = PatternArea(op);
  if (area.contains(op.path.controlPointRect())) {
    PlayCut(op);
    return;
  }
  PaintOp visible = op;
  visible.laid.reset();
  if (KeepsAngles(op.transform)) {
    const double period = PatternPeriod(op) * UniformScale(op.transform);
    visible.path = ClipPathForPattern(op.path, area, period);
  } else {
    // The pattern is laid in user units: cut there, then map back.
    const QTransform inverse = op.transform.inverted();
    visible.path = op.transform.map(
        ClipPathForPattern(inverse.map(op.path), inverse.mapRect(area), PatternPeriod(op)));
  }
  PlayCut(visible);
}

void PaintPlayer::PlayCut(const PaintOp& op) {
  if (LaysOut(op)) {
    LaidPaint laid;
    Lay(op, laid);
    if (laid.whole) {
      PlayLaid(op, laid);
      return;
    }
  }
  PlayWhole(op);
}

void PaintPlayer::StrokeWithPen(const PaintOp& op, const QPainterPath& path) {
  if (KeepsAngles(op.transform)) {
    // A layer scaled to nothing shows nothing; a zero pen would draw
    // hairlines instead.
    if (UniformScale(op.transform) == 0) return;
    UsePen(op, UniformScale(op.transform));
    painter_.setTransform(origin_);
    painter_.drawPath(DetachedCopy(path));
  } else {
    UsePen(op, 1.0);
    painter_.setTransform(op.transform * origin_);
    painter_.drawPath(op.transform.inverted().map(path));
  }
}

void PaintPlayer::FillDeviceArea(QPainterPath area, QRgb color) {
  painter_.setTransform(origin_);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(QColor::fromRgba(color));
  pen_valid_ = false;
  painter_.drawPath(DetachedCopy(std::move(area)));
}

void PaintPlayer::FillPieces(const PathPieces& pieces, QRgb color) {
  const FlatPath* flat = pieces.Flat();
  if (flat == nullptr || !CanFillFlat(painter_, clip_ != nullptr)) {
    FillDeviceArea(pieces.Over(DeviceArea()), color);
    return;
  }
  auto* image = static_cast<QImage*>(painter_.device());
  FillFlat(*image, offset_, *flat, pieces.Whole().fillRule() == Qt::WindingFill, color, clip_);
}

void PaintPlayer::PlayWhole(const PaintOp& op) {
  UseAntialiasing(op.antialias);
  switch (op.kind) {
    case PaintKind::kFill:
      FillDeviceArea(op.path, op.color);  // the surface builds its paths even-odd
      break;
    case PaintKind::kStroke:
    case PaintKind::kDash:
    case PaintKind::kDot:
      StrokeWithPen(op, op.path);
      break;
    case PaintKind::kImage:
      if (op.image.isNull()) break;
      painter_.setTransform(op.transform * origin_);
      painter_.setRenderHint(QPainter::SmoothPixmapTransform);
      painter_.setOpacity(op.alpha / 255.0);
      painter_.drawImage(op.target, op.image);
      painter_.setOpacity(1.0);
      break;
  }
}

}  // namespace tavisk
