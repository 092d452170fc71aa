// Least-squares fitting of cubic Béziers to a digitised run of points: the
// run is fitted with one cubic whose end tangents are given; where the
// fit strays beyond the tolerance the parameters are refined by Newton steps,
// and failing that the run is split at its worst point and each half fitted
// again, the halves meeting with one tangent so the outline stays smooth.
#pragma once

#include <QPointF>
#include <span>
#include <vector>

namespace tavisk {

struct Cubic {
  QPointF p0, p1, p2, p3;
  // A straight run: the controls lie on the chord.
  bool straight = false;

  QPointF At(double t) const;
};

// Fits run (at least two points; its first and last are kept as anchors) with
// consecutive cubics that keep every point within tolerance of the curve and
// the curve between two points within tolerance of the line joining them. startTangent is the unit
// direction leaving the first point, endTangent the unit direction from the last point back into
// the run. A run that stays within tolerance of its chord becomes one straight segment.
std::vector<Cubic> FitCubics(std::span<const QPointF> run, QPointF startTangent, QPointF endTangent,
                             double tolerance);

// The unit vector along v; a null vector stays null.
QPointF Unit(QPointF v);

// The distance from p to the segment [a, b].
double DistanceToSegment(QPointF p, QPointF a, QPointF b);

// The distance from p to the nearest segment of the polyline through points.
double DistanceToPolyline(QPointF p, std::span<const QPointF> points);

}  // namespace tavisk
