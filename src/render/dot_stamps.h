// Round dots drawn as stamps: a disc rendered once per diameter, colour and
// quarter-pixel offset, then copied at each dot. Filling thousands of tiny
// discs through the rasteriser costs several times more.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRgb>
#include <vector>

class QPainter;

namespace tavisk {

// Centres of dots step apart along every figure of path, the first on the
// figure's start.
std::vector<QPointF> DotCentres(const QPainterPath& path, double step);

// Stamps a disc of diameter (device pixels) in colour at each centre; false,
// drawing nothing, when the discs would overlap (step below the diameter)
// or are too large for stamps.
bool StampDots(QPainter& painter, const QPainterPath& path, double diameter, double step,
               QRgb colour);

}  // namespace tavisk
