// Outlines cut into straight edges for Qt's path set operations, which work
// on polygons: the cuts are made here, fine enough to keep the curves' shape
// and coarse enough that huge or very detailed outlines stay quick.
#pragma once

#include <QPainterPath>
#include <cstddef>
#include <vector>

#include "edit/cubic_fit.h"

namespace tavisk {

// One closed figure as consecutive cubics.
using CubicFigure = std::vector<Cubic>;

// How many equal parameter steps cut the cubic into chords that stay within
// flatness of it; a cubic whose controls lie on its chord is one piece.
size_t PiecesFor(const Cubic& cubic, double flatness);

// The flatness, at least finest, that cuts all the figures into at most
// budget pieces (as near as whole pieces allow).
double FlatnessWithinBudget(const std::vector<CubicFigure>& figures, double finest, size_t budget);

// How far the chords of the figures cut at flatness may stray from them: at
// most flatness, and nothing for figures of straight segments.
double LargestStray(const std::vector<CubicFigure>& figures, double flatness);

// The figures as one path of closed polygons, filled even-odd.
QPainterPath FlattenedPath(const std::vector<CubicFigure>& figures, double flatness);

}  // namespace tavisk
