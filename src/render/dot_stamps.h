// Round dots drawn as stamps: a disc rendered once per diameter, colour and
// quarter-pixel offset, then copied at each dot. Filling thousands of tiny
// discs through the rasteriser costs several times more. Dots that overlap
// another are filled together as one area instead, so that a translucent
// colour is laid once where they meet.
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

// Paints a disc of diameter (device pixels) in colour at each of the
// DotCentres of path; false,
// drawing nothing, when the discs are too large for stamps or no step apart.
// Leaves the painter's pen and brush changed.
bool StampDots(QPainter& painter, const QPainterPath& path, double diameter, double step,
               QRgb colour);

}  // namespace tavisk
