// One paint of the surface, held as data: the device-space path (or the
// image), its colour and pen, the transform in force, the device pixels it
// may touch and a hash of everything that decides those pixels. The canvas
// keeps the paints of the last redraw to repaint only what changed.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QRect>
#include <QRegion>
#include <QTransform>
#include <cstdint>
#include <memory>

class QPainter;

namespace tavisk {

struct LaidPaint;
class PathPieces;

enum class PaintKind : uint8_t { kFill, kStroke, kDash, kDot, kImage };

struct PaintOp {
  PaintKind kind = PaintKind::kFill;
  bool antialias = true;
  bool roundEnds = false;
  QRgb color = 0;        // non-premultiplied ARGB
  double width = 0;      // user units
  double length = 0;     // dash length or dot distance, user units
  QTransform transform;  // user to device when painted
  QPainterPath path;     // device space
  QImage image;
  QRectF target;  // user units
  int alpha = 255;
  QRect bounds;  // device pixels the paint may change
  uint64_t hash = 0;
  // The area an antialiased stroke, dash or dot covers, worked out when
  // first played and shared by the copies of the paint (see laid_paint.h).
  std::shared_ptr<LaidPaint> laid;
};

// Fills in bounds and hash, and gives a stroke, dash or dot the place to
// keep its laid form; call once the other fields are set.
void SealPaintOp(PaintOp& op);

// A hash of the elements of a path.
uint64_t HashPath(const QPainterPath& path);

// Plays paints on one painter, keeping the pen and brush of the previous
// paint when the next one needs the same. Paints land moved by offset on
// the painter's device (a tile of the device space).
class PaintPlayer {
 public:
  // clip: the painter's clip, in its device's pixels, if it has one.
  explicit PaintPlayer(QPainter& painter, QPoint offset = {}, const QRegion* clip = nullptr)
      : painter_(painter),
        offset_(offset),
        origin_(QTransform::fromTranslate(offset.x(), offset.y())),
        clip_(clip) {}
  void Play(const PaintOp& op);
  // The painter's pen, brush or hints were changed behind the player's back.
  void Forget() {
    pen_valid_ = false;
    antialias_ = -1;
  }

 private:
  // The painter's device in the paints' space, grown by grow pixels.
  QRectF DeviceArea(double grow = 1.0) const;
  // The device area, grown by the pen, where a dash or dot can show.
  QRectF PatternArea(const PaintOp& op) const;
  // A dash or dot path, cut to the device first when it reaches outside.
  void PlayPattern(const PaintOp& op);
  // A dash or dot paint within the device, laid and played at once.
  void PlayCut(const PaintOp& op);
  void PlayWhole(const PaintOp& op);
  void PlayLaid(const PaintOp& op, const LaidPaint& laid);
  // Strokes path (device space) with the pen of op.
  void StrokeWithPen(const PaintOp& op, const QPainterPath& path);
  void FillDeviceArea(QPainterPath area, QRgb color);
  // The part of pieces over the device.
  void FillPieces(const PathPieces& pieces, QRgb color);
  void UsePen(const PaintOp& op, double scale);
  void UseAntialiasing(bool on);

  QPainter& painter_;
  QPoint offset_;
  QTransform origin_;
  const QRegion* clip_;
  QPen pen_;
  bool pen_valid_ = false;
  PaintKind pen_kind_ = PaintKind::kFill;
  double pen_width_ = -1;
  double pen_length_ = -1;
  bool pen_round_ = false;
  QRgb pen_color_ = 0;
  int antialias_ = -1;
};

}  // namespace tavisk
