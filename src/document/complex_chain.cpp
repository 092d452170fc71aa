#include "document/complex_chain.h"

namespace tavisk {

ChainSegment ComplexSegment(int64_t i, int64_t last) {
  ChainSegment s{};
  s.a = i + 1 > last ? 0 : i + 1;
  s.b = s.a + 1 > last ? 0 : s.a + 1;
  s.c = s.b + 1 > last ? 0 : s.b + 1;
  return s;
}

bool ComplexChainIsOpen(const std::vector<sPoint>& points) {
  return points.size() >= 4 && points.size() % 3 == 1;
}

std::vector<ChainFigure> FiguresOfChain(const std::vector<sPoint>& points) {
  std::vector<ChainFigure> figures;
  auto at = [&points](int64_t i) { return points[static_cast<size_t>(i)]; };
  WalkComplexChain(
      points, [&](int64_t start) { figures.push_back({at(start)}); },
      [&](const ChainSegment& s) {
        figures.back().push_back(at(s.a));
        figures.back().push_back(at(s.b));
        figures.back().push_back(at(s.c));
      });
  return figures;
}

bool FigureCloses(const ChainFigure& figure) {
  return figure.size() >= 4 && SamePlace(figure.front(), figure.back());
}

void AppendStraightSegment(ChainFigure& figure, sPoint p, sPoint q) {
  // The difference of two far-apart coordinates needs more than 64 bits; a
  // third of it, taken from either end, lands between them again.
  auto third = [](int64_t from, int64_t to) {
    return static_cast<int64_t>(from + (static_cast<__int128>(to) - from) / 3);
  };
  figure.push_back({third(p.X, q.X), third(p.Y, q.Y), 0, 0});
  figure.push_back({third(q.X, p.X), third(q.Y, p.Y), 0, 0});
  figure.push_back({q.X, q.Y, 0, 0});
}

std::vector<sPoint> ChainOfFigures(const std::vector<ChainFigure>& figures) {
  std::vector<const ChainFigure*> kept;
  for (const ChainFigure& f : figures) {
    if (f.size() >= 4) kept.push_back(&f);
  }
  std::vector<sPoint> out;
  if (kept.empty()) return out;
  if (kept.size() == 1) {
    const ChainFigure& only = *kept.front();
    // Closed: the wrapping segment ends the chain on point 0 again.
    const size_t count = FigureCloses(only) ? only.size() - 1 : only.size() - (only.size() - 1) % 3;
    out.assign(only.begin(), only.begin() + static_cast<std::ptrdiff_t>(count));
    return out;
  }
  for (size_t f = 0; f < kept.size(); ++f) {
    const ChainFigure& figure = *kept[f];
    const size_t whole = figure.size() - (figure.size() - 1) % 3;
    out.insert(out.end(), figure.begin(), figure.begin() + static_cast<std::ptrdiff_t>(whole));
    if (!FigureCloses(figure)) AppendStraightSegment(out, figure[whole - 1], figure.front());
    // The jump: controls on its two anchors. The last one leads back to
    // point 0 by wrapping, so its end anchor is not written.
    const sPoint& next = f + 1 < kept.size() ? kept[f + 1]->front() : kept.front()->front();
    out.push_back({figure.front().X, figure.front().Y, 0, 0});
    out.push_back({next.X, next.Y, 0, 0});
  }
  return out;
}

}  // namespace tavisk
