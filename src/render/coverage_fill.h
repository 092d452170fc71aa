// Antialiased solid fills rasterised here rather than by Qt's engine, for
// the paints the canvas plays most: stroke outlines, dashes and dots. Qt
// keeps each pixel row's edge cells in a list it walks from the start for
// every cell, so a long edge along a row costs the square of its length;
// here the cells of a row sit in an array and a bitmask finds the touched
// ones.
//
// Edges are held in whole 1/256 pixels and every step is integer
// arithmetic on differences, so a fill moved by whole pixels (one tile of
// the canvas, or the canvas itself) gives the same coverage at every pixel.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace tavisk {

// A path flattened to straight edges, in 1/256 device pixels; figures are
// closed as a fill closes them, and kept in groups of a few with their
// bounds, so a fill passes over the groups that miss its image at once.
class FlatPath {
 public:
  FlatPath() = default;
  explicit FlatPath(const QPainterPath& path);

  struct Point {
    int32_t x = 0;
    int32_t y = 0;
  };
  const std::vector<Point>& Points() const { return points_; }
  // One past the last point of each figure.
  const std::vector<uint32_t>& FigureEnds() const { return ends_; }
  struct Group {
    QRect bounds;  // device pixels
    uint32_t firstFigure = 0;
    uint32_t endFigure = 0;
  };
  const std::vector<Group>& Groups() const { return groups_; }
  // False when the path reaches too far to be filled here.
  bool Usable() const { return usable_; }

 private:
  bool usable_ = false;
  std::vector<Point> points_;
  std::vector<uint32_t> ends_;
  std::vector<Group> groups_;
};

// Whether FillFlat may paint on the painter's device: an ARGB32
// premultiplied image of its own, painted over (SourceOver) at full
// opacity, with no clip but the one the caller knows.
bool CanFillFlat(const QPainter& painter, bool clipKnown);

// Fills path (by the nonzero rule when nonzero, else even-odd) in colour
// (not premultiplied) on image, a path point p landing on pixel p + offset,
// only within clip (image pixels) when given.
void FillFlat(QImage& image, QPoint offset, const FlatPath& path, bool nonzero, QRgb colour,
              const QRegion* clip);

}  // namespace tavisk
