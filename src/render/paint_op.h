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
#include <QTransform>
#include <cstdint>

class QPainter;

namespace tavisk {

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
  // A solid antialiased stroke as it reaches the device (see LayStroke):
  // laid once, kept paints replay it without flattening again.
  QPainterPath laid;
  bool laidOutline = false;  // laid is the area to fill, not a line for the pen
};

// Fills in bounds and hash, and lays a solid antialiased stroke; call once
// the other fields are set.
void SealPaintOp(PaintOp& op);

// Sets laid so that the stroke carries the ink of its width and length. Qt's
// pen draws a pixel or less as a hairline, short of ink on diagonals and
// curves: such a stroke becomes its outline to fill. Wider, the pen is true
// on straight lines but offsets curves coarsely enough to leave them thin:
// the curves become fine polylines for the pen.
void LayStroke(PaintOp& op);

// A hash of the elements of a path.
uint64_t HashPath(const QPainterPath& path);

// Plays paints on one painter, keeping the pen and brush of the previous
// paint when the next one needs the same.
class PaintPlayer {
 public:
  explicit PaintPlayer(QPainter& painter) : painter_(painter) {}
  void Play(const PaintOp& op);
  // The painter's pen, brush or hints were changed behind the player's back.
  void Forget() {
    pen_valid_ = false;
    antialias_ = -1;
  }

 private:
  // The device area, grown by the pen, where a dash or dot can show.
  QRectF PatternArea(const PaintOp& op) const;
  // A dash or dot path reaching outside the device, cut to it first.
  void PlayPattern(const PaintOp& op);
  void PlayWhole(const PaintOp& op);
  // Strokes path (device space) with the pen of op.
  void StrokeWithPen(const PaintOp& op, const QPainterPath& path);
  void PlaySolidStroke(const PaintOp& op);
  void FillDeviceArea(const QPainterPath& area, QRgb color);
  void UsePen(const PaintOp& op, double scale);
  void UseAntialiasing(bool on);

  QPainter& painter_;
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
