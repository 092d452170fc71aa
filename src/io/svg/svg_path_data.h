// The path data of SVG (the d attribute) both ways: written from a painter
// path for the export, and read with its whole grammar for the import.
#pragma once

#include <QPainterPath>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavisk {

// Moves, lines and cubics; a figure of more than one segment that ends on
// its start is closed with "Z", as the painter strokes it with a join there.
std::string SvgPathData(const QPainterPath& path);

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
