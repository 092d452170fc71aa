#include "render/shape_hit_index.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "document/numeric.h"
#include "render/hit_path.h"
#include "render/painter_surface.h"
#include "render/renderer.h"
#include "render/shape_memo.h"
#include "render/shape_paint.h"

namespace tavisk {

namespace {

// How close to a drawn outline a press still hits it, in screen pixels.
constexpr double kOutlineReachPixels = 4.0;

// Grid cells are squares of this many device pixels; a shape over more than
// kMostCells of them is tested at every query instead.
constexpr double kCellPixels = 64.0;
constexpr int64_t kMostCells = 256;

// Half the stroke in screen pixels plus the reach: a thick outline is hit
// anywhere on its ink, a hairline within a few pixels whatever the zoom.
double OutlineReach(const EditorContext& ctx, const sObject& object, const sShape& shape) {
  const double objectScale = std::max(std::abs(object.W), std::abs(object.H)) * 0.01;
  const double stroke = shape.Style == 0 ? 0.0 : static_cast<double>(shape.Width);
  return kOutlineReachPixels + 0.5 * stroke * ZoomFactor(ctx.Options) * objectScale;
}

bool ShapeShown(const EditorContext& ctx, const sShape& shape, int64_t index) {
  return shape.Hide == 0 && (ctx.Options.ShowOnlySel == 0 || index == ctx.CurrentShape);
}

int64_t CellOf(double v) { return static_cast<int64_t>(std::floor(v / kCellPixels)); }

uint64_t CellKey(int64_t cx, int64_t cy) {
  return static_cast<uint64_t>(static_cast<uint32_t>(cx)) << 32 | static_cast<uint32_t>(cy);
}

}  // namespace

int64_t ShapeHitIndex::ShapeUnder(const EditorContext& ctx, const CanvasView& view, int64_t x,
                                  int64_t y, bool topmost) {
  const sObject* object = ValidIndex(ctx.Obj, ctx.CurrentObject)
                              ? &ctx.Obj[static_cast<size_t>(ctx.CurrentObject)]
                              : nullptr;
  if (object == nullptr) return -1;
  if (!StillValid(ctx, *object)) Refresh(ctx, *object);
  // The paths are kept without the pan: the pointer moves against it instead.
  const double ux = static_cast<double>(x - view.PanX);
  const double uy = static_cast<double>(y - view.PanY);
  const QPointF device = transform_.map(QPointF(ux, uy));
  std::vector<uint32_t> candidates = spread_;
  const auto cell = cells_.find(CellKey(CellOf(device.x()), CellOf(device.y())));
  if (cell != cells_.end()) candidates.insert(candidates.end(), cell->second.begin(), cell->second.end());
  std::sort(candidates.begin(), candidates.end());
  if (topmost) std::reverse(candidates.begin(), candidates.end());
  std::optional<PainterSurface> surface;
  for (uint32_t k : candidates) {
    Geometry& g = *entries_[k].geometry;
    if (!g.built && !g.picture && g.bounds.contains(device)) {
      if (!surface) {
        surface.emplace(no_picture_, &text_cache_);
        ApplyViewTransform(ctx, *surface);
        ApplyObjectTransform(*surface, *object);
      }
      Build(ctx, *object, entries_[k].shape, *surface, g);
    }
    if (Hits(g, device, ux, uy)) return entries_[k].shape;
  }
  return -1;
}

bool ShapeHitIndex::Hits(const Geometry& g, QPointF device, double x, double y) const {
  if (g.picture) {
    return x >= g.pictureRect.left() && x <= g.pictureRect.right() && y >= g.pictureRect.top() &&
           y <= g.pictureRect.bottom();
  }
  if (!g.bounds.contains(device)) return false;
  if (PathAreaHolds(g.path, device)) return true;
  if (g.path.isEmpty() || g.reach <= 0) return false;
  if (!g.band) g.band = std::make_unique<QPainterPath>(OutlineBand(g.path, g.reach));
  return PathOutlineNear(g.path, device, g.reach, g.band.get());
}

ShapeHitIndex::Basis ShapeHitIndex::BasisOf(const EditorContext& ctx, const sObject& object) {
  return Basis{ctx.CurrentObject, object.Shape.size(),
               ctx.Options.ShowOnlySel != 0 ? ctx.CurrentShape : -1};
}

QTransform ShapeHitIndex::DeviceTransform(const EditorContext& ctx, const sObject& object) {
  PainterSurface surface(no_picture_, &text_cache_);
  ApplyViewTransform(ctx, surface);
  ApplyObjectTransform(surface, object);
  return surface.Transform();
}

bool ShapeHitIndex::StillValid(const EditorContext& ctx, const sObject& object) {
  if (!told_ || !trusted_ || BasisOf(ctx, object) != basis_) return false;
  const QTransform t = DeviceTransform(ctx, object);
  if (t != transform_) return false;
  // A press may change the shapes it acts on before its pick runs (a point
  // tool deletes the point it hits): those are checked one by one.
  const QPainterPath nothingPending;
  for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
    const sShape& shape = object.Shape[static_cast<size_t>(j)];
    if (j != ctx.CurrentShape && shape.Selected == 0) continue;
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), j,
                                     [](const Entry& e, int64_t index) { return e.shape < index; });
    const bool kept = at != entries_.end() && at->shape == j;
    if (kept != ShapeShown(ctx, shape, j)) return false;
    if (!kept) continue;
    const QPainterPath& pending =
        at == entries_.begin() ? nothingPending : std::prev(at)->geometry->leftover;
    if (ShapeFingerprint(ctx, object, j, t, pending, QRectF()) != at->fingerprint) return false;
  }
  return true;
}

// Walks the shown shapes as a redraw does, carrying the figures a linked
// shape leaves pending, and builds only shapes not seen before.
void ShapeHitIndex::Refresh(const EditorContext& ctx, const sObject& object) {
  PainterSurface surface(no_picture_, &text_cache_);
  ApplyViewTransform(ctx, surface);
  ApplyObjectTransform(surface, object);
  transform_ = surface.Transform();
  basis_ = BasisOf(ctx, object);
  trusted_ = true;
  const CanvasView unpanned;

  std::vector<Entry> entries;
  entries.reserve(object.Shape.size());
  bool changed = false;
  for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
    const sShape& shape = object.Shape[static_cast<size_t>(j)];
    if (!ShapeShown(ctx, shape, j)) continue;
    const uint64_t fingerprint =
        ShapeFingerprint(ctx, object, j, transform_, surface.PendingPath(), QRectF());
    std::shared_ptr<Geometry> geometry;
    const size_t k = entries.size();
    // Most presses find every shape as the last one left it: no lookup.
    if (k < entries_.size() && entries_[k].shape == j && entries_[k].fingerprint == fingerprint) {
      geometry = entries_[k].geometry;
      surface.SetPendingPath(geometry->leftover);
    } else if (auto found = by_fingerprint_.find(fingerprint); found != by_fingerprint_.end()) {
      geometry = found->second;
      surface.SetPendingPath(geometry->leftover);
    } else {
      auto built = std::make_shared<Geometry>();
      // A shape that neither takes nor leaves figures is built alone, when a
      // press first needs it.
      const bool alone = surface.PathIsEmpty() && !ShapeLeavesFigures(object, j);
      if (!alone || !Bound(ctx, object, j, *built)) Build(ctx, object, j, surface, *built);
      geometry = std::move(built);
      by_fingerprint_.emplace(fingerprint, geometry);
    }
    changed = changed || k >= entries_.size() || entries_[k].shape != j ||
              entries_[k].geometry != geometry;
    entries.push_back(Entry{j, fingerprint, std::move(geometry)});
  }
  changed = changed || entries.size() != entries_.size();
  entries_ = std::move(entries);
  // Paths of shapes since changed are let go once they outnumber the shown ones.
  if (by_fingerprint_.size() > 2 * entries_.size() + 64) {
    by_fingerprint_.clear();
    for (const Entry& entry : entries_) by_fingerprint_.emplace(entry.fingerprint, entry.geometry);
  }
  if (changed) FillGrid();
}

void ShapeHitIndex::Build(const EditorContext& ctx, const sObject& object, int64_t j,
                          PainterSurface& surface, Geometry& g) {
  const sShape& shape = object.Shape[static_cast<size_t>(j)];
  const CanvasView unpanned;
  DrawShapeFxLayer(ctx, unpanned, surface, object, j, 0);
  BuildShapePath(ctx, unpanned, surface, object, j);
  g.path = surface.PendingPath();
  if (shape.Link == 0 || j == LastIndex(object.Shape)) PaintShapePath(surface, shape);
  DrawShapeFxLayer(ctx, unpanned, surface, object, j, 1);
  g.leftover = surface.PathIsEmpty() ? QPainterPath() : surface.PendingPath();
  g.built = true;
  if (!Describe(ctx, object, j, g)) {
    const double margin = g.reach + 1;
    g.bounds = g.path.isEmpty() ? QRectF()
                                : g.path.controlPointRect().adjusted(-margin, -margin, margin, margin);
  }
}

bool ShapeHitIndex::Bound(const EditorContext& ctx, const sObject& object, int64_t j,
                          Geometry& g) {
  g.built = false;
  if (Describe(ctx, object, j, g)) return true;
  const std::optional<QRectF> user = shape_bounds_.UserBounds(ctx, object, j);
  if (!user) return false;
  const double margin = g.reach + 1;
  g.bounds = transform_.mapRect(*user).adjusted(-margin, -margin, margin, margin);
  return true;
}

bool ShapeHitIndex::Describe(const EditorContext& ctx, const sObject& object, int64_t j,
                             Geometry& g) const {
  const sShape& shape = object.Shape[static_cast<size_t>(j)];
  g.reach = OutlineReach(ctx, object, shape);
  g.picture = shape.Typ == kImage;
  g.pictureRect = QRectF(QPointF(std::min<double>(shape.X, shape.X + shape.W),
                                 std::min<double>(shape.Y, shape.Y + shape.H)),
                         QPointF(std::max<double>(shape.X, shape.X + shape.W),
                                 std::max<double>(shape.Y, shape.Y + shape.H)));
  if (!g.picture) return false;
  g.bounds = transform_.mapRect(g.pictureRect).adjusted(-1, -1, 1, 1);
  return true;
}

void ShapeHitIndex::FillGrid() {
  cells_.clear();
  spread_.clear();
  for (uint32_t k = 0; k < entries_.size(); ++k) {
    const QRectF& b = entries_[k].geometry->bounds;
    if (b.isNull()) continue;
    const double limit = kCellPixels * 1e9;
    if (std::abs(b.left()) > limit || std::abs(b.right()) > limit || std::abs(b.top()) > limit ||
        std::abs(b.bottom()) > limit) {
      spread_.push_back(k);
      continue;
    }
    const int64_t x0 = CellOf(b.left()), x1 = CellOf(b.right());
    const int64_t y0 = CellOf(b.top()), y1 = CellOf(b.bottom());
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMostCells) {
      spread_.push_back(k);
      continue;
    }
    for (int64_t cx = x0; cx <= x1; ++cx) {
      for (int64_t cy = y0; cy <= y1; ++cy) cells_[CellKey(cx, cy)].push_back(k);
    }
  }
}

}  // namespace tavisk
