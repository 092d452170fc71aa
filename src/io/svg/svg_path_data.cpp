#include "io/svg/svg_path_data.h"

#include "io/svg/svg_markup.h"

namespace tavisk {

namespace {

void AddPoint(std::string& d, const QPainterPath::Element& e) {
  d += SvgNumber(e.x);
  d += ' ';
  d += SvgNumber(e.y);
}

}  // namespace

std::string SvgPathData(const QPainterPath& path) {
  std::string d;
  const int count = path.elementCount();
  QPointF start;
  int segments = 0;
  const auto closeIfBack = [&](const QPointF& end) {
    if (segments > 1 && end == start) d += " Z";
  };
  for (int i = 0; i < count; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        if (i > 0) closeIfBack(path.elementAt(i - 1));
        // A move that no segment follows draws nothing.
        if (i + 1 == count || path.elementAt(i + 1).type == QPainterPath::MoveToElement) {
          segments = 0;
          start = e;
          continue;
        }
        if (!d.empty()) d += ' ';
        d += 'M';
        AddPoint(d, e);
        start = e;
        segments = 0;
        break;
      case QPainterPath::LineToElement:
        d += " L";
        AddPoint(d, e);
        ++segments;
        break;
      case QPainterPath::CurveToElement:
        d += " C";
        AddPoint(d, e);
        break;
      case QPainterPath::CurveToDataElement:
        d += ' ';
        AddPoint(d, e);
        if (i + 1 == count || path.elementAt(i + 1).type != QPainterPath::CurveToDataElement) {
          ++segments;
        }
        break;
    }
  }
  if (count > 0) closeIfBack(path.elementAt(count - 1));
  return d;
}

}  // namespace tavisk
