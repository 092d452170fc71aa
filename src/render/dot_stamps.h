// Round dots drawn as stamps: a disc rendered once per diameter, colour and
// quarter-pixel offset, then copied at each dot. Filling thousands of tiny
// discs through the rasteriser costs several times more. Dots that overlap
// another are filled together as one area instead, so that a translucent
// colour is laid once where they meet.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRgb>
#include <optional>
#include <vector>

#include "render/path_pieces.h"

class QPainter;

namespace tavisk {

// Centres of dots step apart along every figure of path, the first on the
// figure's start.
std::vector<QPointF> DotCentres(const QPainterPath& path, double step);

// Where the dots of a dotted line go: the discs stamped alone, and the area
// of those that overlap another, to fill at once.
struct DotLayout {
  double diameter = 0;
  std::vector<QPointF> stamped;
  PathPieces joined;
};

// The discs of diameter (device pixels) at each of the DotCentres of path;
// nothing when the discs are too large for stamps or no step apart.
std::optional<DotLayout> LayDots(const QPainterPath& path, double diameter, double step);

// Stamps the dots that overlap no other in colour in the painter's
// coordinates (a translation of the device, if any), skipping those
// outside the device.
void StampLoneDots(QPainter& painter, const DotLayout& dots, QRgb colour);

// StampLoneDots, then fills the joined dots. Leaves the painter's pen and
// brush changed.
void StampDots(QPainter& painter, const DotLayout& dots, QRgb colour);

// LayDots then StampDots, with the painter's transform reset; false,
// drawing nothing, when the dots cannot be laid.
bool StampDots(QPainter& painter, const QPainterPath& path, double diameter, double step,
               QRgb colour);

}  // namespace tavisk
