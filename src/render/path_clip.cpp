#include "render/path_clip.h"

#include <QPolygonF>
#include <cmath>

namespace tavisk {

namespace {

// The part of the segment a + (b - a) t, t in [0, 1], inside area
// (Liang-Barsky); false when there is none.
bool ClipSegment(QPointF a, QPointF b, const QRectF& area, double& tIn, double& tOut) {
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(),
                       area.bottom() - a.y()};
  tIn = 0;
  tOut = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > tOut) return false;
      if (t > tIn) tIn = t;
    } else {
      if (t < tIn) return false;
      if (t < tOut) tOut = t;
    }
  }
  return true;
}

// Appends the parts of one flattened figure inside area to out.
void ClipFigure(const QPolygonF& figure, const QRectF& area, double period, QPainterPath& out) {
  double along = 0;  // length of the figure before the current edge
  bool drawing = false;
  for (qsizetype i = 0; i + 1 < figure.size(); ++i) {
    const QPointF a = figure[i];
    const QPointF b = figure[i + 1];
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    double tIn = 0;
    double tOut = 0;
    if (length > 0 && ClipSegment(a, b, area, tIn, tOut)) {
      if (!drawing) {
        // Back to the last period start before the entry; on the edge's
        // line, before its start if need be, which is outside area too.
        const double entry = along + tIn * length;
        const double start = period > 0 ? std::floor(entry / period) * period : entry;
        out.moveTo(a + (b - a) * ((start - along) / length));
        drawing = true;
      }
      out.lineTo(a + (b - a) * tOut);
      drawing = tOut >= 1;
    } else {
      drawing = drawing && length == 0;
    }
    along += length;
  }
}

}  // namespace

QPainterPath ClipPathForPattern(const QPainterPath& path, const QRectF& area, double period) {
  QPainterPath out;
  out.setFillRule(path.fillRule());
  const int count = path.elementCount();
  for (int first = 0; first < count;) {
    int end = first + 1;
    while (end < count && path.elementAt(end).type != QPainterPath::MoveToElement) ++end;
    QPainterPath figure;
    figure.moveTo(path.elementAt(first));
    for (int i = first + 1; i < end; ++i) {
      const QPainterPath::Element e = path.elementAt(i);
      if (e.type == QPainterPath::LineToElement) {
        figure.lineTo(e);
      } else if (e.type == QPainterPath::CurveToElement && i + 2 < end) {
        figure.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
        i += 2;
      }
    }
    if (area.contains(figure.controlPointRect())) {
      out.addPath(figure);
    } else {
      for (const QPolygonF& flat : figure.toSubpathPolygons()) ClipFigure(flat, area, period, out);
    }
    first = end;
  }
  return out;
}

}  // namespace tavisk
