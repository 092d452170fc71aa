#include "io/svg/svg_path_data.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "io/svg/svg_markup.h"
#include "io/svg/svg_numbers.h"

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

namespace {

bool IsCommand(char c) {
  return std::string_view("MmLlHhVvCcSsQqTtAaZz").find(c) != std::string_view::npos;
}

// The unsigned angle from u to v, signed by their cross product.
double VectorAngle(double ux, double uy, double vx, double vy) {
  return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
}

class PathBuilder {
 public:
  PathBuilder(QPainterPath& path, int64_t& budget) : path_(path), budget_(budget) {}

  // Runs one command with its numbers; false on an error in them. Points
  // are counted as the shapes will hold them: three a segment.
  bool Run(char command, SvgNumberScanner& in);
  bool OverBudget() const { return budget_ < 0; }

 private:
  bool Take(int64_t points) {
    budget_ -= points;
    return budget_ >= 0;
  }
  QPointF Point(SvgNumberScanner& in, bool relative, bool& ok) {
    double x = 0, y = 0;
    ok = ok && in.Number(x) && in.Number(y);
    return relative ? current_ + QPointF(x, y) : QPointF(x, y);
  }
  void MoveTo(QPointF p) {
    path_.moveTo(p);
    current_ = start_ = p;
  }
  void LineTo(QPointF p) {
    path_.lineTo(p);
    current_ = p;
  }
  void CubicTo(QPointF c1, QPointF c2, QPointF p) {
    path_.cubicTo(c1, c2, p);
    lastCubicControl_ = c2;
    current_ = p;
  }
  void QuadTo(QPointF c, QPointF p) {
    CubicTo(current_ + (c - current_) * (2.0 / 3.0), p + (c - p) * (2.0 / 3.0), p);
    lastQuadControl_ = c;
  }

  QPainterPath& path_;
  int64_t& budget_;
  QPointF current_;
  QPointF start_;
  QPointF lastCubicControl_;
  QPointF lastQuadControl_;
  char previous_ = 0;
};

bool PathBuilder::Run(char command, SvgNumberScanner& in) {
  const bool relative = command >= 'a' && command <= 'z';
  const char upper = static_cast<char>(relative ? command - 32 : command);
  bool ok = true;
  const char previous = previous_;
  previous_ = upper;
  switch (upper) {
    case 'Z':
      path_.closeSubpath();
      current_ = start_;
      return Take(3);
    case 'M': {
      const QPointF p = Point(in, relative, ok);
      if (ok) MoveTo(p);
      return ok && Take(1);
    }
    case 'L': {
      const QPointF p = Point(in, relative, ok);
      if (ok) LineTo(p);
      return ok && Take(3);
    }
    case 'H':
    case 'V': {
      double v = 0;
      if (!in.Number(v)) return false;
      QPointF p = current_;
      if (upper == 'H') {
        p.setX(relative ? p.x() + v : v);
      } else {
        p.setY(relative ? p.y() + v : v);
      }
      LineTo(p);
      return Take(3);
    }
    case 'C': {
      const QPointF c1 = Point(in, relative, ok);
      const QPointF c2 = Point(in, relative, ok);
      const QPointF p = Point(in, relative, ok);
      if (ok) CubicTo(c1, c2, p);
      return ok && Take(3);
    }
    case 'S': {
      const QPointF c1 =
          previous == 'C' || previous == 'S' ? 2 * current_ - lastCubicControl_ : current_;
      const QPointF c2 = Point(in, relative, ok);
      const QPointF p = Point(in, relative, ok);
      if (ok) CubicTo(c1, c2, p);
      return ok && Take(3);
    }
    case 'Q': {
      const QPointF c = Point(in, relative, ok);
      const QPointF p = Point(in, relative, ok);
      if (ok) QuadTo(c, p);
      return ok && Take(3);
    }
    case 'T': {
      const QPointF c =
          previous == 'Q' || previous == 'T' ? 2 * current_ - lastQuadControl_ : current_;
      const QPointF p = Point(in, relative, ok);
      if (ok) QuadTo(c, p);
      return ok && Take(3);
    }
    case 'A': {
      double rx = 0, ry = 0, angle = 0;
      bool large = false, sweep = false;
      ok = in.Number(rx) && in.Number(ry) && in.Number(angle) && in.Flag(large) && in.Flag(sweep);
      const QPointF p = Point(in, relative, ok);
      if (!ok) return false;
      // At most four quarter turns of three points each.
      if (!Take(12)) return false;
      AppendArc(path_, rx, ry, angle, large, sweep, p);
      current_ = p;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

PathDataResult ParsePathData(std::string_view d, QPainterPath& path, int64_t& pointBudget) {
  PathBuilder builder(path, pointBudget);
  SvgNumberScanner in(d);
  in.SkipSpaces();
  char command = 0;
  bool first = true;
  while (!in.AtEnd()) {
    const char c = in.Peek();
    if (IsCommand(c)) {
      command = c;
      in.Advance();
      in.SkipSpaces();
    } else if (command == 0 || command == 'Z' || command == 'z') {
      // Numbers with no command, or after a close, which takes none.
      return PathDataResult::StoppedAtError;
    } else if (command == 'M') {
      command = 'L';  // the implicit repeats of a move are lines
    } else if (command == 'm') {
      command = 'l';
    }
    if (first && command != 'M' && command != 'm') return PathDataResult::StoppedAtError;
    first = false;
    if (!builder.Run(command, in)) {
      return builder.OverBudget() ? PathDataResult::OverBudget : PathDataResult::StoppedAtError;
    }
  }
  return PathDataResult::Complete;
}

void AppendArc(QPainterPath& path, double rx, double ry, double xAxisRotationDegrees, bool largeArc,
               bool sweep, QPointF to) {
  const QPointF from = path.currentPosition();
  rx = std::abs(rx);
  ry = std::abs(ry);
  if (from == to) return;
  if (rx == 0 || ry == 0) {
    path.lineTo(to);
    return;
  }
  const double phi = xAxisRotationDegrees * std::numbers::pi / 180.0;
  const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
  // The endpoints in the ellipse's own axes, centred between them.
  const double dx = (from.x() - to.x()) / 2, dy = (from.y() - to.y()) / 2;
  const double x1 = cosPhi * dx + sinPhi * dy;
  const double y1 = -sinPhi * dx + cosPhi * dy;
  // Radii too small to reach are scaled up until they just do.
  const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
  if (lambda > 1) {
    rx *= std::sqrt(lambda);
    ry *= std::sqrt(lambda);
  }
  const double numerator = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
  const double denominator = rx * rx * y1 * y1 + ry * ry * x1 * x1;
  double factor = denominator > 0 ? std::sqrt(std::max(0.0, numerator / denominator)) : 0;
  if (largeArc == sweep) factor = -factor;
  const double cx1 = factor * rx * y1 / ry;
  const double cy1 = -factor * ry * x1 / rx;
  const double cx = cosPhi * cx1 - sinPhi * cy1 + (from.x() + to.x()) / 2;
  const double cy = sinPhi * cx1 + cosPhi * cy1 + (from.y() + to.y()) / 2;
  const double ux = (x1 - cx1) / rx, uy = (y1 - cy1) / ry;
  const double vx = (-x1 - cx1) / rx, vy = (-y1 - cy1) / ry;
  const double theta = VectorAngle(1, 0, ux, uy);
  double delta = VectorAngle(ux, uy, vx, vy);
  if (!sweep && delta > 0) delta -= 2 * std::numbers::pi;
  if (sweep && delta < 0) delta += 2 * std::numbers::pi;

  const int pieces = std::clamp(
      static_cast<int>(std::ceil(std::abs(delta) / (std::numbers::pi / 2) - 1e-9)), 1, 4);
  const double step = delta / pieces;
  // The control distance of a cubic that follows a circular arc of step.
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  auto onEllipse = [&](double t, double& x, double& y, double& tx, double& ty) {
    const double ex = rx * std::cos(t), ey = ry * std::sin(t);
    const double dex = -rx * std::sin(t), dey = ry * std::cos(t);
    x = cosPhi * ex - sinPhi * ey + cx;
    y = sinPhi * ex + cosPhi * ey + cy;
    tx = cosPhi * dex - sinPhi * dey;
    ty = sinPhi * dex + cosPhi * dey;
  };
  double t = theta;
  double x0, y0, tx0, ty0;
  onEllipse(t, x0, y0, tx0, ty0);
  for (int i = 0; i < pieces; ++i) {
    const double t1 = t + step;
    double x3, y3, tx3, ty3;
    onEllipse(t1, x3, y3, tx3, ty3);
    // The last piece ends exactly on the requested point.
    const QPointF end = i + 1 == pieces ? to : QPointF(x3, y3);
    path.cubicTo(QPointF(x0 + k * tx0, y0 + k * ty0), QPointF(x3 - k * tx3, y3 - k * ty3), end);
    x0 = x3;
    y0 = y3;
    tx0 = tx3;
    ty0 = ty3;
    t = t1;
  }
}

}  // namespace tavisk
