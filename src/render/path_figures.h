// A path's figures (each starts at a move), found and copied by element
// index without flattening the curves.
#pragma once

#include <QPainterPath>
#include <vector>

namespace tavisk {

// One figure's elements, [first, end) of the path's.
struct PathFigure {
  int first = 0;
  int end = 0;
};

std::vector<PathFigure> FiguresOf(const QPainterPath& path);

// Appends the figure's elements to out as they are.
void AppendFigure(const QPainterPath& path, const PathFigure& figure, QPainterPath& out);

}  // namespace tavisk
