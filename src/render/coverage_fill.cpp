#include "render/coverage_fill.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <cmath>
#include <span>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tavisk {

namespace {

constexpr int64_t kOne = 256;  // a pixel in fixed units
// Curves are flattened to within an eighth of a pixel.
constexpr double kFlatness = kOne / 8.0;
constexpr int kMaxCurveSteps = 512;
// Figures are grouped until a group has this many points.
constexpr uint32_t kGroupPoints = 64;
// Beyond this many pixels from the origin the products of the edge steps
// would overflow: such paths are left to Qt.
constexpr double kMaxCoordinate = 1 << 22;
// Rows are swept in bands of about this many cells.
constexpr int kBandCells = 1 << 17;

int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The box around some points.
class Extent {
 public:
  explicit Extent(FlatPath::Point p) : left_(p.x), right_(p.x), top_(p.y), bottom_(p.y) {}
  void Add(FlatPath::Point p) {
    left_ = std::min(left_, p.x);
    right_ = std::max(right_, p.x);
    top_ = std::min(top_, p.y);
    bottom_ = std::max(bottom_, p.y);
  }
  // The pixels the points lie in.
  QRect Pixels() const {
    return QRect(QPoint(static_cast<int>(FloorDiv(left_, kOne)), static_cast<int>(FloorDiv(top_, kOne))),
                 QPoint(static_cast<int>(FloorDiv(right_, kOne)),
                        static_cast<int>(FloorDiv(bottom_, kOne))));
  }

 private:
  int32_t left_, right_, top_, bottom_;
};

// v rounded half away from zero, as lround rounds, without a library call.
int32_t Rounded(double v) { return static_cast<int32_t>(v + (v >= 0 ? 0.5 : -0.5)); }

FlatPath::Point Fixed(QPointF p) { return {Rounded(p.x() * kOne), Rounded(p.y() * kOne)}; }

}  // namespace

FlatPath::FlatPath(const QPainterPath& path) {
  const QRectF reach = path.controlPointRect();
  if (path.isEmpty() || !(std::abs(reach.left()) < kMaxCoordinate) ||
      !(std::abs(reach.right()) < kMaxCoordinate) || !(std::abs(reach.top()) < kMaxCoordinate) ||
      !(std::abs(reach.bottom()) < kMaxCoordinate)) {
    return;
  }
  usable_ = true;
  const int count = path.elementCount();
  size_t figureStart = 0;
  for (int i = 0; i < count; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      if (points_.size() > figureStart) ends_.push_back(static_cast<uint32_t>(points_.size()));
      figureStart = points_.size();
      points_.push_back(Fixed(e));
    } else if (e.isLineTo()) {
      points_.push_back(Fixed(e));
    } else if (i + 2 < count) {
      // A cubic: its control points, then as many straight steps as its
      // bend needs to stay within the flatness.
      const Point start = points_.back();
      const QPointF p0(start.x, start.y);
      const QPointF p1 = QPointF(e) * kOne;
      const QPointF p2 = QPointF(path.elementAt(i + 1)) * kOne;
      const QPointF p3 = QPointF(path.elementAt(i + 2)) * kOne;
      const QPointF d1 = p0 - 2 * p1 + p2;
      const QPointF d2 = p1 - 2 * p2 + p3;
      const double bend = std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
      const int steps =
          std::clamp(static_cast<int>(std::ceil(std::sqrt(0.75 * bend / kFlatness))), 1, kMaxCurveSteps);
      for (int k = 1; k < steps; ++k) {
        const double t = static_cast<double>(k) / steps;
        const double u = 1 - t;
        const QPointF p = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        points_.push_back({Rounded(p.x()), Rounded(p.y())});
      }
      points_.push_back(Fixed(path.elementAt(i + 2)));
      i += 2;
    }
  }
  if (points_.size() > figureStart) ends_.push_back(static_cast<uint32_t>(points_.size()));
  // Figures gathered in groups of about kGroupPoints points.
  Group group;
  Extent extent(points_.front());
  uint32_t begin = 0;
  for (uint32_t f = 0; f < ends_.size(); ++f) {
    for (uint32_t k = begin; k < ends_[f]; ++k) extent.Add(points_[k]);
    begin = ends_[f];
    const bool last = f + 1 == ends_.size();
    if (last || ends_[f] - (group.firstFigure == 0 ? 0 : ends_[group.firstFigure - 1]) >= kGroupPoints) {
      group.endFigure = f + 1;
      group.bounds = extent.Pixels();
      groups_.push_back(group);
      group.firstFigure = f + 1;
      if (!last) extent = Extent(points_[begin]);
    }
  }
}

bool CanFillFlat(const QPainter& painter, bool clipKnown) {
  QPaintDevice* device = painter.device();
  if (device == nullptr || device->devType() != QInternal::Image) return false;
  const auto* image = static_cast<const QImage*>(device);
  return image->format() == QImage::Format_ARGB32_Premultiplied && image->isDetached() &&
         painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
         painter.opacity() == 1.0 && (clipKnown || !painter.hasClipping());
}

namespace {

struct Cell {
  int32_t cover = 0;  // signed height of the edges in the cell, fixed units
  int32_t area = 0;   // their height times twice their distance from its left side
};

// The cells of a band of rows of the image, reused from fill to fill.
class Band {
 public:
  // Every cell is clear between fills: a sweep clears what it reads.
  void Reset(int width, int top, int rows) {
    width_ = width;
    top_ = top;
    rows_ = rows;
    words_ = (width + 63) / 64;
    const auto cells = static_cast<size_t>(width) * rows;
    if (cells_.size() < cells) cells_.resize(cells);
    if (left_.size() < static_cast<size_t>(rows)) left_.resize(static_cast<size_t>(rows));
    const auto words = static_cast<size_t>(words_) * rows;
    if (touched_.size() < words) touched_.resize(words);
  }

  // Adds the edge from (x0, y0) to (x1, y1), in fixed units of the image.
  void AddEdge(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    // Edges right of the image change none of its pixels.
    if (y0 == y1 || std::min(x0, x1) >= int64_t{width_} * kOne) return;
    int sign = 1;
    if (y0 > y1) {
      std::swap(x0, x1);
      std::swap(y0, y1);
      sign = -1;
    }
    const int64_t from = std::max(y0, int64_t{top_} * kOne);
    const int64_t to = std::min(y1, int64_t{top_ + rows_} * kOne);
    if (from >= to) return;
    auto xAt = [&](int64_t y) { return x0 + FloorDiv((x1 - x0) * (y - y0), y1 - y0); };
    for (int64_t row = FloorDiv(from, kOne); row * kOne < to; ++row) {
      const int64_t ya = std::max(y0, row * kOne);
      const int64_t yb = std::min(y1, (row + 1) * kOne);
      AddRowPiece(static_cast<int>(row - top_), xAt(ya), ya - row * kOne, xAt(yb), yb - row * kOne,
                  sign);
    }
  }

  // Hands paint each run of pixels of the band's rows from column first
  // (no cell lies left of it) with its coverage, and clears the cells.
  template <typename Paint>
  void Sweep(const Paint& paint, int first) {
    for (int r = 0; r < rows_; ++r) {
      int64_t cover = left_[r];
      left_[r] = 0;
      int x = first;
      Cell* cells = &cells_[static_cast<size_t>(r) * width_];
      uint64_t* touched = &touched_[static_cast<size_t>(r) * words_];
      for (int w = first / 64; w < words_; ++w) {
        uint64_t bits = touched[w];
        touched[w] = 0;
        while (bits != 0) {
          const int c = w * 64 + std::countr_zero(bits);
          bits &= bits - 1;
          if (c > x) paint(top_ + r, x, c, cover * 2 * kOne);
          cover += cells[c].cover;
          paint(top_ + r, c, c + 1, cover * 2 * kOne - cells[c].area);
          cells[c] = Cell{};
          x = c + 1;
        }
      }
      if (x < width_) paint(top_ + r, x, width_, cover * 2 * kOne);
    }
  }

 private:
  void Deposit(int row, int64_t column, int64_t cover, int64_t area) {
    if (column < 0) {
      left_[row] += static_cast<int32_t>(cover);
      return;
    }
    if (column >= width_) return;
    Cell& cell = cells_[static_cast<size_t>(row) * width_ + column];
    cell.cover += static_cast<int32_t>(cover);
    cell.area += static_cast<int32_t>(area);
    touched_[static_cast<size_t>(row) * words_ + column / 64] |= uint64_t{1} << (column % 64);
  }

  // A piece of an edge within one row, from (xa, ya) to (xb, yb), ya < yb
  // in fixed units from the row's top; sign tells its direction.
  void AddRowPiece(int row, int64_t xa, int64_t ya, int64_t xb, int64_t yb, int sign) {
    const int64_t limit = int64_t{width_} * kOne;
    if (std::max(xa, xb) < 0) {
      left_[row] += static_cast<int32_t>(sign * (yb - ya));
      return;
    }
    if (std::min(xa, xb) >= limit) return;
    int64_t c = FloorDiv(xa, kOne);
    const int64_t last = FloorDiv(xb, kOne);
    if (c == last) {
      const int64_t dy = sign * (yb - ya);
      Deposit(row, c, dy, dy * (xa + xb - 2 * c * kOne));
      return;
    }
    // Walking across the cells, y where the edge meets each cell side.
    const int step = xa < xb ? 1 : -1;
    const auto yAt = [&](int64_t x) { return ya + FloorDiv((x - xa) * (yb - ya), xb - xa); };
    int64_t px = xa;
    int64_t py = ya;
    // Cells beyond the image are skipped at once: those on the left only
    // add their height, those on the right nothing.
    if (step > 0 && c < 0) {
      const int64_t y = yAt(0);
      left_[row] += static_cast<int32_t>(sign * (y - py));
      px = 0;
      py = y;
      c = 0;
    } else if (step < 0 && c >= width_) {
      px = limit;
      py = yAt(limit);
      c = width_ - 1;
    }
    while (c != last) {
      if (step > 0 && c >= width_) return;
      if (step < 0 && c < 0) {
        left_[row] += static_cast<int32_t>(sign * (yb - py));
        return;
      }
      const int64_t side = step > 0 ? (c + 1) * kOne : c * kOne;
      const int64_t y = yAt(side);
      const int64_t dy = sign * (y - py);
      Deposit(row, c, dy, dy * (px + side - 2 * c * kOne));
      px = side;
      py = y;
      c += step;
    }
    const int64_t dy = sign * (yb - py);
    Deposit(row, c, dy, dy * (px + xb - 2 * c * kOne));
  }

  int width_ = 0;
  int top_ = 0;
  int rows_ = 0;
  int words_ = 0;
  std::vector<Cell> cells_;
  std::vector<int32_t> left_;
  std::vector<uint64_t> touched_;
};

// x times a (0..255) on each channel, rounded as the raster engine rounds.
uint32_t ByteMul(uint32_t x, uint32_t a) {
  uint64_t t = ((uint64_t{x} | (uint64_t{x} << 24)) & 0x00ff00ff00ff00ffULL) * a;
  t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
  t &= 0x00ff00ff00ff00ffULL;
  return static_cast<uint32_t>(t) | static_cast<uint32_t>(t >> 24);
}

void BlendSpan(uint32_t* pixels, int from, int to, uint32_t premultiplied, int alpha) {
  const uint32_t source = alpha == 255 ? premultiplied : ByteMul(premultiplied, alpha);
  if (source == 0) return;
  const uint32_t rest = 255 - qAlpha(source);
  if (rest == 0) {
    std::fill(pixels + from, pixels + to, source);
    return;
  }
  int x = from;
#ifdef __SSE2__
  // Four pixels at a time, each channel rounded as ByteMul rounds.
  const __m128i zero = _mm_setzero_si128();
  const __m128i factor = _mm_set1_epi16(static_cast<int16_t>(rest));
  const __m128i half = _mm_set1_epi16(0x80);
  const __m128i add = _mm_set1_epi32(static_cast<int>(source));
  auto scale = [&](__m128i wide) {
    const __m128i t = _mm_mullo_epi16(wide, factor);
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), half), 8);
  };
  for (; x + 4 <= to; x += 4) {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x));
    const __m128i low = scale(_mm_unpacklo_epi8(d, zero));
    const __m128i high = scale(_mm_unpackhi_epi8(d, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + x),
                     _mm_add_epi32(_mm_packus_epi16(low, high), add));
  }
#endif
  for (; x < to; ++x) pixels[x] = source + ByteMul(pixels[x], rest);
}

}  // namespace

void FillFlat(QImage& image, QPoint offset, const FlatPath& path, bool nonzero, QRgb colour,
              const QRegion* clip) {
  // A closed figure wholly beyond the image changes none of its pixels.
  auto onImage = [&](const FlatPath::Group& group) {
    return group.bounds.translated(offset).adjusted(0, 0, 1, 1) & image.rect();
  };
  QRect reach;
  for (const FlatPath::Group& group : path.Groups()) reach |= onImage(group);
  QRect area = reach;
  // The clip's rectangles, as the region holds them.
  std::span<const QRect> clipRects;
  if (clip != nullptr) {
    area &= clip->boundingRect();
    clipRects = std::span<const QRect>(clip->begin(), clip->end());
  }
  if (area.isEmpty()) return;

  static thread_local Band band;
  const uint32_t premultiplied = qPremultiply(colour);
  const int64_t dx = int64_t{offset.x()} * kOne;
  const int64_t dy = int64_t{offset.y()} * kOne;
  // Only the columns from the image's left edge to the area's right are
  // kept: edges further left add their height to the first.
  const int width = area.right() + 1;
  auto paint = [&](int y, int from, int to, int64_t value) {
    int64_t alpha = std::abs(value) >> 9;
    if (!nonzero) {
      alpha &= 511;
      if (alpha > 256) alpha = 512 - alpha;
    }
    if (alpha == 0) return;
    const int a = static_cast<int>(std::min<int64_t>(alpha, 255));
    auto* pixels = reinterpret_cast<uint32_t*>(const_cast<uchar*>(image.constScanLine(y)));
    from = std::max(from, area.left());
    to = std::min(to, area.right() + 1);
    if (clipRects.empty()) {
      if (from < to) BlendSpan(pixels, from, to, premultiplied, a);
      return;
    }
    for (const QRect& r : clipRects) {
      if (y < r.top() || y > r.bottom()) continue;
      const int left = std::max(from, r.left());
      const int right = std::min(to, r.right() + 1);
      if (left < right) BlendSpan(pixels, left, right, premultiplied, a);
    }
  };
  const int bandRows = std::max(16, kBandCells / width);
  const int first = std::max(reach.left(), 0);
  for (int top = area.top(); top <= area.bottom(); top += bandRows) {
    const int rows = std::min(bandRows, area.bottom() + 1 - top);
    band.Reset(width, top, rows);
    const std::vector<FlatPath::Point>& points = path.Points();
    const std::vector<uint32_t>& ends = path.FigureEnds();
    for (const FlatPath::Group& group : path.Groups()) {
      const QRect bounds = onImage(group);
      if (bounds.isEmpty() || bounds.bottom() < top || bounds.top() >= top + rows) continue;
      for (uint32_t f = group.firstFigure; f < group.endFigure; ++f) {
        const uint32_t begin = f == 0 ? 0 : ends[f - 1];
        const uint32_t end = ends[f];
        for (uint32_t k = begin; k < end; ++k) {
          const FlatPath::Point& a = points[k];
          const FlatPath::Point& b = points[k + 1 < end ? k + 1 : begin];
          band.AddEdge(a.x + dx, a.y + dy, b.x + dx, b.y + dy);
        }
      }
    }
    band.Sweep(paint, first);
  }
}

}  // namespace tavisk
