#include "render/paint_op.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/dot_stamps.h"
#include "render/hasher.h"
#include "render/path_clip.h"
#include "render/stroke_outline.h"

namespace tavisk {

namespace {

bool IsStroke(PaintKind kind) {
  return kind == PaintKind::kStroke || kind == PaintKind::kDash || kind == PaintKind::kDot;
}

// A transform that keeps angles (rotation and uniform scale, maybe mirrored)
// strokes the same whether the path is stroked before or after it, so the
// device path can be stroked with a scaled pen and no path mapping.
bool KeepsAngles(const QTransform& t) {
  if (t.type() >= QTransform::TxProject) return false;
  return (t.m11() == t.m22() && t.m12() == -t.m21()) ||
         (t.m11() == -t.m22() && t.m12() == t.m21());
}

double UniformScale(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

// The largest stretch of a user length on the device, for bounds only.
double MaxStretch(const QTransform& t) {
  return std::max(std::abs(t.m11()) + std::abs(t.m12()), std::abs(t.m21()) + std::abs(t.m22()));
}

double PenWidth(double width) { return width > 0 ? width : 1.0; }

// One whole dash and gap, or dot and gap, in user units, as UsePen lays
// them; 0 for a solid line.
double PatternPeriod(const PaintOp& op) {
  const double unit = PenWidth(op.width);
  if (op.kind == PaintKind::kDash) return op.length > 0 ? 2 * op.length : 0;
  if (op.kind != PaintKind::kDot) return 0;
  const double step = std::max(op.length, 0.0) / unit;
  const double dot = op.roundEnds ? 1e-3 : 1.0;
  return (dot + std::max(step - dot, 1e-3)) * unit;
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
    // A mitred corner reaches at most the pen width (miter limit 2) past the
    // outline; two more pixels cover the antialiasing fringe.
    const double grow =
        IsStroke(op.kind) ? PenWidth(op.width) * MaxStretch(op.transform) + 2.0 : 2.0;
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
  if (op.kind == PaintKind::kStroke && op.antialias) LayStroke(op);
}

void LayStroke(PaintOp& op) {
  const double scale = UniformScale(op.transform);
  const double width = PenWidth(op.width);
  const QPainterPath flat = FlattenFinely(op.path);
  op.laidOutline = width * scale <= 1;
  if (!op.laidOutline) {
    op.laid = flat;
    return;
  }
  QPen pen(Qt::SolidLine);
  pen.setCapStyle(op.roundEnds ? Qt::RoundCap : Qt::FlatCap);
  pen.setJoinStyle(op.roundEnds ? Qt::RoundJoin : Qt::MiterJoin);
  if (KeepsAngles(op.transform)) {
    if (scale == 0) {  // a layer scaled to nothing shows nothing
      op.laid = QPainterPath();
      return;
    }
    pen.setWidthF(width * scale);
    op.laid = StrokeOutline(flat, pen);
  } else {
    // The pen is laid in user units: stroke there, then map back.
    pen.setWidthF(width);
    op.laid = op.transform.map(StrokeOutline(op.transform.inverted().map(flat), pen));
  }
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
  QPen pen(QColor::fromRgba(op.color), width);
  const double unit = PenWidth(op.width);  // dash patterns count in pen widths
  switch (op.kind) {
    case PaintKind::kStroke:
      pen.setCapStyle(op.roundEnds ? Qt::RoundCap : Qt::FlatCap);
      pen.setJoinStyle(op.roundEnds ? Qt::RoundJoin : Qt::MiterJoin);
      break;
    case PaintKind::kDash:
      pen.setCapStyle(Qt::FlatCap);
      pen.setJoinStyle(Qt::MiterJoin);
      if (op.length > 0) pen.setDashPattern({op.length / unit, op.length / unit});
      break;
    case PaintKind::kDot: {
      // A dot is a zero-length dash: with round caps a disc of the pen
      // width, otherwise a square of it; dots are centred distance apart.
      const double step = std::max(op.length, 0.0) / unit;
      const double dot = op.roundEnds ? 1e-3 : 1.0;
      pen.setCapStyle(op.roundEnds ? Qt::RoundCap : Qt::FlatCap);
      pen.setJoinStyle(Qt::RoundJoin);
      pen.setDashPattern({dot, std::max(step - dot, 1e-3)});
      break;
    }
    default:
      break;
  }
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  pen_valid_ = true;
  pen_kind_ = op.kind;
  pen_width_ = width;
  pen_length_ = op.length;
  pen_round_ = op.roundEnds;
  pen_color_ = op.color;
}

QRectF PaintPlayer::PatternArea(const PaintOp& op) const {
  const QPaintDevice* device = painter_.device();
  const double grow = PenWidth(op.width) * MaxStretch(op.transform) + 2.0;
  return QRectF(0, 0, device->width(), device->height()).adjusted(-grow, -grow, grow, grow);
}

void PaintPlayer::Play(const PaintOp& op) {
  const bool patterned = op.kind == PaintKind::kDash || op.kind == PaintKind::kDot;
  if (patterned && !PatternArea(op).contains(op.path.controlPointRect())) {
    PlayPattern(op);
    return;
  }
  PlayWhole(op);
}

void PaintPlayer::PlayPattern(const PaintOp& op) {
  PaintOp visible = op;
  const QRectF area = PatternArea(op);
  if (KeepsAngles(op.transform)) {
    const double period = PatternPeriod(op) * UniformScale(op.transform);
    visible.path = ClipPathForPattern(op.path, area, period);
    PlayWhole(visible);
    return;
  }
  // The pattern is laid in user units: cut there, then map back.
  const QTransform inverse = op.transform.inverted();
  visible.path = op.transform.map(
      ClipPathForPattern(inverse.map(op.path), inverse.mapRect(area), PatternPeriod(op)));
  PlayWhole(visible);
}

void PaintPlayer::StrokeWithPen(const PaintOp& op, const QPainterPath& path) {
  if (KeepsAngles(op.transform)) {
    // A layer scaled to nothing shows nothing; a zero pen would draw
    // hairlines instead.
    if (UniformScale(op.transform) == 0) return;
    UsePen(op, UniformScale(op.transform));
    painter_.resetTransform();
    painter_.drawPath(path);
  } else {
    UsePen(op, 1.0);
    painter_.setTransform(op.transform);
    painter_.drawPath(op.transform.inverted().map(path));
  }
}

void PaintPlayer::FillDeviceArea(const QPainterPath& area, QRgb color) {
  painter_.resetTransform();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(QColor::fromRgba(color));
  pen_valid_ = false;
  painter_.drawPath(area);
}

void PaintPlayer::PlaySolidStroke(const PaintOp& op) {
  if (op.laid.isEmpty()) {  // played as it is made, not kept
    PaintOp laid = op;
    LayStroke(laid);
    if (!laid.laid.isEmpty()) PlaySolidStroke(laid);
    return;
  }
  if (op.laidOutline) {
    FillDeviceArea(op.laid, op.color);
  } else {
    StrokeWithPen(op, op.laid);
  }
}

void PaintPlayer::PlayWhole(const PaintOp& op) {
  UseAntialiasing(op.antialias);
  switch (op.kind) {
    case PaintKind::kFill: {
      FillDeviceArea(op.path, op.color);  // the surface builds its paths even-odd
      break;
    }
    case PaintKind::kDot:
      if (op.roundEnds && op.antialias && KeepsAngles(op.transform)) {
        const double scale = UniformScale(op.transform);
        if (StampDots(painter_, op.path, PenWidth(op.width) * scale, op.length * scale, op.color)) {
          pen_valid_ = false;
          break;
        }
      }
      [[fallthrough]];
    case PaintKind::kStroke:
      if (op.kind == PaintKind::kStroke && op.antialias) {  // dots fall through here
        PlaySolidStroke(op);
        break;
      }
      [[fallthrough]];
    case PaintKind::kDash:
      StrokeWithPen(op, op.path);
      break;
    case PaintKind::kImage:
      if (op.image.isNull()) break;
      painter_.setTransform(op.transform);
      painter_.setRenderHint(QPainter::SmoothPixmapTransform);
      painter_.setOpacity(op.alpha / 255.0);
      painter_.drawImage(op.target, op.image);
      painter_.setOpacity(1.0);
      break;
  }
}

}  // namespace tavisk
