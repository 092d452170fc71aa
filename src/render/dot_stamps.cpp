#include "render/dot_stamps.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace tavisk {

namespace {

constexpr int kPhases = 4;  // quarter-pixel placement
constexpr double kMaxDiameter = 64;
constexpr size_t kMaxStamps = 4096;

// A colour's premultiplied channel scaled by a coverage of 0..255, rounded
// as the rasteriser blends a solid fill into a cleared pixel.
uint32_t Scaled(uint32_t channel, uint32_t coverage) {
  const uint32_t t = channel * coverage + 128;
  return (t + (t >> 8)) >> 8;
}

class StampCache {
 public:
  const QImage& Get(double diameter, QRgb colour, int phaseX, int phaseY) {
    const int64_t size16 = std::llround(diameter * 16);
    const uint64_t shapeKey = static_cast<uint64_t>(size16) << 8 ^
                              static_cast<uint64_t>(phaseX * kPhases + phaseY);
    const uint64_t key = shapeKey << 32 ^ uint64_t{colour};
    auto found = stamps_.find(key);
    if (found != stamps_.end()) return found->second;
    if (stamps_.size() >= kMaxStamps) stamps_.clear();
    // Each shape has a colour of its own: the disc is rasterised once per
    // size and phase, and each colour is its coverage times the colour.
    const QImage& disc = Coverage(shapeKey, size16, phaseX, phaseY);
    QImage stamp(disc.size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb premultiplied = qPremultiply(colour);
    for (int y = 0; y < disc.height(); ++y) {
      const auto* from = reinterpret_cast<const QRgb*>(disc.constScanLine(y));
      auto* to = reinterpret_cast<QRgb*>(stamp.scanLine(y));
      for (int x = 0; x < disc.width(); ++x) {
        const uint32_t c = qAlpha(from[x]);
        to[x] = qRgba(Scaled(qRed(premultiplied), c), Scaled(qGreen(premultiplied), c),
                      Scaled(qBlue(premultiplied), c), Scaled(qAlpha(premultiplied), c));
      }
    }
    return stamps_.emplace(key, std::move(stamp)).first->second;
  }

 private:
  const QImage& Coverage(uint64_t key, int64_t size16, int phaseX, int phaseY) {
    auto found = discs_.find(key);
    if (found != discs_.end()) return found->second;
    if (discs_.size() >= kMaxStamps) discs_.clear();
    const double r = size16 / 32.0;
    const int side = static_cast<int>(std::ceil(2 * r)) + 2;
    QImage disc(side, side, QImage::Format_ARGB32_Premultiplied);
    disc.fill(Qt::transparent);
    {
      QPainter p(&disc);
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(1 + r + phaseX / double(kPhases), 1 + r + phaseY / double(kPhases)),
                    r, r);
    }
    return discs_.emplace(key, std::move(disc)).first->second;
  }

  std::unordered_map<uint64_t, QImage> stamps_;
  std::unordered_map<uint64_t, QImage> discs_;
};

StampCache& Stamps() {
  // One per thread: tiles are painted on several at once.
  static thread_local StampCache cache;
  return cache;
}

// For each centre, whether its disc of diameter overlaps another's: centres
// are sorted into cells a diameter wide, so only neighbouring cells are
// compared.
std::vector<bool> OverlappingDiscs(const std::vector<QPointF>& centres, double diameter) {
  using Cell = std::pair<double, double>;
  std::vector<std::pair<Cell, size_t>> sorted;
  sorted.reserve(centres.size());
  for (size_t i = 0; i < centres.size(); ++i) {
    const Cell cell{std::floor(centres[i].x() / diameter), std::floor(centres[i].y() / diameter)};
    sorted.emplace_back(cell, i);
  }
  std::sort(sorted.begin(), sorted.end());
  std::vector<bool> overlapping(centres.size(), false);
  const double reach = diameter * diameter;
  for (const auto& [cell, i] : sorted) {
    for (double dx = -1; dx <= 1 && !overlapping[i]; ++dx) {
      const Cell to{cell.first + dx, cell.second + 1};
      auto it = std::lower_bound(sorted.begin(), sorted.end(),
                                 std::pair{Cell{cell.first + dx, cell.second - 1}, size_t{0}});
      for (; it != sorted.end() && it->first <= to; ++it) {
        const QPointF d = centres[it->second] - centres[i];
        if (it->second != i && d.x() * d.x() + d.y() * d.y() < reach) {
          overlapping[i] = true;
          break;
        }
      }
    }
  }
  return overlapping;
}

}  // namespace

std::vector<QPointF> DotCentres(const QPainterPath& path, double step) {
  std::vector<QPointF> centres;
  if (!(step > 0)) return centres;
  for (const QPolygonF& figure : path.toSubpathPolygons()) {
    if (figure.isEmpty()) continue;
    double next = 0;  // distance along the current edge to the next dot
    for (qsizetype i = 0; i + 1 < figure.size(); ++i) {
      const QPointF a = figure[i];
      const QPointF b = figure[i + 1];
      const QPointF d = b - a;
      const double length = std::sqrt(d.x() * d.x() + d.y() * d.y());
      if (length == 0) continue;
      for (; next <= length; next += step) centres.push_back(a + (b - a) * (next / length));
      next -= length;
    }
  }
  return centres;
}

std::optional<DotLayout> LayDots(const QPainterPath& path, double diameter, double step) {
  if (!(diameter > 0) || diameter > kMaxDiameter || !(step > 0)) return std::nullopt;
  DotLayout dots;
  dots.diameter = diameter;
  const double r = std::llround(diameter * 16) / 32.0;
  const std::vector<QPointF> centres = DotCentres(path, step);
  const std::vector<bool> overlapping = OverlappingDiscs(centres, diameter);
  QPainterPath joined;
  joined.setFillRule(Qt::WindingFill);  // one area where discs meet
  for (size_t i = 0; i < centres.size(); ++i) {
    if (overlapping[i]) {
      joined.addEllipse(centres[i], r, r);
    } else {
      dots.stamped.push_back(centres[i]);
    }
  }
  dots.joined = PathPieces(joined);
  return dots;
}

namespace {

// The device in the painter's coordinates.
QRectF DeviceArea(const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  return painter.transform().inverted().mapRect(QRectF(0, 0, device->width(), device->height()));
}

}  // namespace

void StampLoneDots(QPainter& painter, const DotLayout& dots, QRgb colour) {
  const double r = std::llround(dots.diameter * 16) / 32.0;
  // The device grown by a stamp.
  const QRectF shown = DeviceArea(painter).adjusted(-r - 3, -r - 3, r + 3, r + 3);
  // The stamps of this colour by phase, looked up once each; held by value
  // since the cache may drop its entries meanwhile.
  std::array<QImage, kPhases * kPhases> byPhase;
  for (const QPointF& c : dots.stamped) {
    if (!shown.contains(c)) continue;
    // The stamp's disc centre sits at 1 + r + phase from its corner.
    const double left = c.x() - r - 1;
    const double top = c.y() - r - 1;
    const double x = std::floor(left);
    const double y = std::floor(top);
    const int phaseX = static_cast<int>(std::lround((left - x) * kPhases));
    const int phaseY = static_cast<int>(std::lround((top - y) * kPhases));
    // A phase rounded up to a whole pixel moves the corner instead.
    QImage& stamp = byPhase[static_cast<size_t>(phaseX % kPhases * kPhases + phaseY % kPhases)];
    if (stamp.isNull()) stamp = Stamps().Get(dots.diameter, colour, phaseX % kPhases, phaseY % kPhases);
    painter.drawImage(QPointF(x + phaseX / kPhases, y + phaseY / kPhases), stamp);
  }
}

void StampDots(QPainter& painter, const DotLayout& dots, QRgb colour) {
  StampLoneDots(painter, dots, colour);
  if (!dots.joined.IsEmpty()) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(colour));
    painter.drawPath(DetachedCopy(dots.joined.Over(DeviceArea(painter).adjusted(-1, -1, 1, 1))));
  }
}

bool StampDots(QPainter& painter, const QPainterPath& path, double diameter, double step,
               QRgb colour) {
  const std::optional<DotLayout> dots = LayDots(path, diameter, step);
  if (!dots) return false;
  painter.resetTransform();
  StampDots(painter, *dots, colour);
  return true;
}

}  // namespace tavisk
