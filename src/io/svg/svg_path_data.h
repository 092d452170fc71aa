// The path grammar of SVG (the d attribute): every command, absolute and
// relative, with implicit repeats; quadratics and arcs become cubics.
#pragma once

#include <QPainterPath>
#include <cstdint>
#include <string_view>

namespace tavisk {

enum class PathDataResult {
  Complete,
  // The data held an error; the path holds what came before it, as SVG
  // renderers draw it.
  StoppedAtError,
  // More points than pointBudget allowed; the path is unusable.
  OverBudget,
};

// Appends the path of d; each point added is taken from pointBudget.
PathDataResult ParsePathData(std::string_view d, QPainterPath& path, int64_t& pointBudget);

// Appends the elliptical arc from the current point of path to `to` as
// cubics of at most a quarter turn each.
void AppendArc(QPainterPath& path, double rx, double ry, double xAxisRotationDegrees, bool largeArc,
               bool sweep, QPointF to);

}  // namespace tavisk
