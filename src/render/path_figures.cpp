#include "render/path_figures.h"

namespace tavisk {

std::vector<PathFigure> FiguresOf(const QPainterPath& path) {
  std::vector<PathFigure> figures;
  const int count = path.elementCount();
  for (int first = 0; first < count;) {
    int end = first + 1;
    while (end < count && path.elementAt(end).type != QPainterPath::MoveToElement) ++end;
    figures.push_back({first, end});
    first = end;
  }
  return figures;
}

void AppendFigure(const QPainterPath& path, const PathFigure& figure, QPainterPath& out) {
  out.moveTo(path.elementAt(figure.first));
  for (int i = figure.first + 1; i < figure.end; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.type == QPainterPath::CurveToElement && i + 2 < figure.end) {
      out.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
      i += 2;
    } else {
      out.lineTo(e);
    }
  }
}

}  // namespace tavisk
