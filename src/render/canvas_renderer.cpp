#include "render/canvas_renderer.h"

#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>
#include <span>
#include <utility>

#include "document/numeric.h"
#include "render/hasher.h"
#include "render/lay_ahead.h"
#include "render/painter_surface.h"
#include "render/renderer.h"
#include "render/shape_bounds.h"
#include "render/shape_paint.h"

namespace tavisk {

namespace {

// Tiles kept painted around the canvas, so a pan finds them ready.
constexpr int kMargin = TileCache::kTileSize;
// When the editor is idle the scene is recorded this far around the canvas,
// so that a pan finds the paints of what comes near it recorded.
constexpr int kRecordAhead = 2 * TileCache::kTileSize;
// Figures are cut to the recorded area grown this much, and the cut stays
// while the area lies inside it: the paints of a shape then stay the same as
// the area follows the canvas, and the tiles painted from them stand.
constexpr int kCutMargin = 4 * TileCache::kTileSize;

// Device pixels past a shape's bound that its antialiasing may touch.
constexpr double kFringe = 3;

Backdrop BackdropOf(const sPzOptions& options) {
  const int64_t c = options.BgColor;
  return Backdrop{qRgba(Red(c), Green(c), Blue(c), Alpha(c)), options.BgImg != 0};
}

bool ShapeShown(const EditorContext& ctx, const sShape& shape, int64_t index) {
  return shape.Hide == 0 && (ctx.Options.ShowOnlySel == 0 || index == ctx.CurrentShape);
}

// The shapes a drag changes: the selected ones and the one whose points are
// edited.
bool ShapeActive(const EditorContext& ctx, const sShape& shape, int64_t index) {
  return shape.Selected == 1 || index == ctx.CurrentShape;
}

uint64_t Owner(int64_t object, int64_t shape) {
  return static_cast<uint64_t>(object) << 32 | static_cast<uint32_t>(shape);
}

// The current object's active shapes, sorted.
std::vector<uint64_t> ActiveOwners(const EditorContext& ctx) {
  std::vector<uint64_t> active;
  if (!ValidIndex(ctx.Obj, ctx.CurrentObject)) return active;
  const sObject& object = ctx.Obj[static_cast<size_t>(ctx.CurrentObject)];
  for (int64_t j = 0; j <= LastIndex(object.Shape); ++j) {
    if (ShapeActive(ctx, object.Shape[static_cast<size_t>(j)], j)) {
      active.push_back(Owner(ctx.CurrentObject, j));
    }
  }
  return active;
}

// Whether figures of shapes before it wait for the shape's paint.
bool FiguresWaitFor(const EditorContext& ctx, const sObject& object, int64_t shape) {
  for (int64_t k = shape - 1; k >= 0; --k) {
    if (ShapeShown(ctx, object.Shape[static_cast<size_t>(k)], k)) return ShapeLeavesFigures(object, k);
  }
  return false;
}

// Whether the shape's paints are made together with its neighbours'.
bool SharesFigures(const EditorContext& ctx, const sObject& object, int64_t shape) {
  return ShapeLeavesFigures(object, shape) || FiguresWaitFor(ctx, object, shape);
}

// A whole recording leaves out a shape far from area while no figure waits
// for a paint; reach: how far the paints of a shape that leaves figures
// reach (SceneReach).
bool LeftOut(const PainterSurface& surface, const sObject& object, int64_t shape,
             const std::optional<QRectF>& onDevice, const QRectF& area, double reach) {
  if (!surface.PathIsEmpty() || !onDevice) return false;
  const double r = ShapeLeavesFigures(object, shape) ? reach : kFringe;
  return !onDevice->adjusted(-r, -r, r, r).intersects(area);
}

// What of the recorded area a shape's paints depend on (ShapeFingerprint):
// figures and text pieces are left out only beyond it, and a shape's own
// figures within reach of the part of it near the shape. Nothing when the
// shape lies inside it; all of it when figures of earlier shapes wait.
QRectF AreaKey(const PainterSurface& surface, const std::optional<QRectF>& onDevice,
               const QRectF& area, double reach) {
  if (!surface.PathIsEmpty() || !onDevice) return area;
  if (area.contains(*onDevice)) return QRectF();
  return area.intersected(onDevice->adjusted(-reach, -reach, reach, reach));
}

bool SamePaints(const std::vector<PaintOp>& a, std::span<const PaintOp> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const PaintOp& x, const PaintOp& y) {
    return x.hash == y.hash && x.bounds == y.bounds;
  });
}

bool ObjectDrawn(const sObject& object) { return object.Hide == 0 && object.HasShape != 0; }

// The pan moved through the object's scale and rotation, on the device:
// shapes add the pan to their positions in the object's user space.
QPointF PanOnDevice(const sObject& object, const CanvasView& view, double zoom) {
  QTransform linear;
  linear.scale(object.W * 0.01, object.H * 0.01);
  linear.rotate(object.Angle);
  const double px = static_cast<double>(view.PanX);
  const double py = static_cast<double>(view.PanY);
  return {zoom * (linear.m11() * px + linear.m21() * py),
          zoom * (linear.m12() * px + linear.m22() * py)};
}

// The whole tiles over area grown by margin.
QRect TilesAround(const QRect& area, int margin) {
  const int t = TileCache::kTileSize;
  const QRect grown = area.adjusted(-margin, -margin, margin, margin);
  const int left = static_cast<int>(std::floor(grown.left() / double(t))) * t;
  const int top = static_cast<int>(std::floor(grown.top() / double(t))) * t;
  const int right = static_cast<int>(std::floor(grown.right() / double(t)) + 1) * t;
  const int bottom = static_cast<int>(std::floor(grown.bottom() / double(t)) + 1) * t;
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace

void CanvasRenderer::Invalidate() {
  tiles_.Clear();
  ahead_.reset();
  cut_ = QRect();
  memo_ = ShapeMemo();
  recordedEdits_.reset();
}

bool CanvasRenderer::PaintAhead(const EditorContext& ctx, const CanvasView& view, bool settle) {
  if (RecordAhead(ctx, view)) return true;
  return tiles_.PaintAhead(2, settle, TilesAround(viewport_, kMargin));
}

bool CanvasRenderer::RecordAhead(const EditorContext& ctx, const CanvasView& view) {
  // Only a recording of the live scene, unchanged since, can be trusted to
  // hold the shapes the redraws would record.
  const uint64_t edits = edits_;
  if (!told_ || recordedEdits_ != edits || viewport_.isEmpty() || (ahead_ && ahead_->edits != edits)) {
    ahead_.reset();
    return false;
  }
  const Placement placement = PlacementOf(ctx, view);
  QImage none;
  PainterSurface recorder(none, &text_cache_);
  if (FrameKey(ctx, view, placement, recorder) != recordedFrame_) {
    ahead_.reset();
    return false;
  }
  const QRect viewport = QRect(QPoint(0, 0), viewport_.size()).translated(-placement.shift);
  const QRect wanted = TilesAround(viewport, kMargin);
  // Begun for a canvas that has gone elsewhere since.
  if (ahead_ && !ahead_->area.contains(wanted)) ahead_.reset();
  if (!ahead_) {
    if (tiles_.Paints().Area().contains(wanted)) return false;
    ahead_ = StartRun(ctx, placement, TilesAround(viewport, kRecordAhead), viewport);
    ahead_->edits = edits;
  }
  // A slice at a time, so that input waits no longer than for a tile; at
  // least a shape a slice.
  const auto until = std::chrono::steady_clock::now() + recordSlice_;
  bool first = true;
  const auto sliceOver = [until, &first] {
    return !std::exchange(first, false) && std::chrono::steady_clock::now() > until;
  };
  if (RecordObjects(ctx, view, placement, recorder, *ahead_, sliceOver)) {
    Install(ctx, std::move(*ahead_));
    ahead_.reset();
  }
  return true;
}

CanvasRenderer::Placement CanvasRenderer::PlacementOf(const EditorContext& ctx,
                                                      const CanvasView& view) {
  Placement placement;
  placement.zoom = ZoomFactor(ctx.Options);
  const double dx = placement.zoom * static_cast<double>(view.PanX);
  const double dy = placement.zoom * static_cast<double>(view.PanY);
  placement.pan = QPointF(dx, dy);
  placement.shift = PanShift(ctx, view);
  return placement;
}

void CanvasRenderer::PlaceObject(PainterSurface& surface, const sObject& object,
                                 const CanvasView& view, const Placement& placement) {
  // Zero unless the object is scaled or rotated: the pan itself is the
  // shift of the canvas.
  const QPointF offset = PanOnDevice(object, view, placement.zoom) - placement.pan;
  surface.ResetTransform();
  surface.TranslateTransform(offset.x(), offset.y());
  surface.ScaleTransform(placement.zoom, placement.zoom);
  ApplyObjectTransform(surface, object);
}

uint64_t CanvasRenderer::FrameKey(const EditorContext& ctx, const CanvasView& view,
                                  const Placement& placement, PainterSurface& surface) {
  Hasher h;
  h.Add(placement.zoom);
  h.Add(int64_t{ctx.Options.ShowOnlySel});
  h.Add(ctx.Options.ShowOnlySel != 0 ? ctx.CurrentShape : 0);
  h.Add(static_cast<int64_t>(ctx.Obj.size()));
  for (const sObject& object : ctx.Obj) {
    h.Add(static_cast<int64_t>(ObjectDrawn(object)));
    h.Add(static_cast<int64_t>(object.Shape.size()));
    PlaceObject(surface, object, view, placement);
    const QTransform& t = surface.Transform();
    for (double v : {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()}) h.Add(v);
  }
  return h.Value();
}

bool CanvasRenderer::RecordActive(const EditorContext& ctx, const CanvasView& view,
                                  const Placement& placement, PainterSurface& surface) {
  std::vector<uint64_t> active = ActiveOwners(ctx);
  const std::vector<uint64_t>& before = tiles_.Paints().ActiveOwners();
  std::vector<uint64_t> owners;
  std::set_union(active.begin(), active.end(), before.begin(), before.end(),
                 std::back_inserter(owners));
  const QRectF area(tiles_.Paints().Area());
  const QRectF cut(cut_);
  std::vector<std::pair<uint64_t, std::vector<PaintOp>>> changed;
  std::vector<uint64_t> chains;
  for (uint64_t owner : owners) {
    const auto i = static_cast<int64_t>(owner >> 32);
    const auto j = static_cast<int64_t>(owner & 0xFFFFFFFF);
    const sObject& object = ctx.Obj[static_cast<size_t>(i)];
    const sShape& shape = object.Shape[static_cast<size_t>(j)];
    std::vector<PaintOp> ops;
    if (ObjectDrawn(object) && ShapeShown(ctx, shape, j)) {
      PlaceObject(surface, object, view, placement);
      if (SharesFigures(ctx, object, j)) {
        // Its paints are made together with its neighbours': they stand
        // while it is as it was recorded, else the chain is recorded again.
        const auto kept = SharingOf(owner);
        if ((kept == sharing_.end() || kept->second != SharingKey(ctx, surface, i, j)) &&
            !RecordChain(ctx, surface, i, j, chains, changed)) {
          return false;
        }
        continue;
      }
      const std::optional<QRectF> onDevice = OnDevice(ctx, surface, object, j);
      if (!onDevice || onDevice->adjusted(-kFringe, -kFringe, kFringe, kFringe).intersects(area)) {
        surface.RecordPaintsInto(&ops);
        RecordShape(ctx, surface, i, j, AreaKey(surface, onDevice, cut, figureReach_));
      }
    }
    if (!SamePaints(ops, tiles_.Paints().Of(owner))) changed.emplace_back(owner, std::move(ops));
  }
  for (auto& [owner, ops] : changed) tiles_.ReplacePaints(owner, std::move(ops));
  tiles_.SetActive(std::move(active));
  return true;
}

CanvasRenderer::SharingKeys::iterator CanvasRenderer::SharingOf(uint64_t owner) {
  const auto at = std::lower_bound(
      sharing_.begin(), sharing_.end(), owner,
      [](const std::pair<uint64_t, uint64_t>& s, uint64_t o) { return s.first < o; });
  return at != sharing_.end() && at->first == owner ? at : sharing_.end();
}

bool CanvasRenderer::RecordChain(const EditorContext& ctx, PainterSurface& surface, int64_t i,
                                 int64_t j, std::vector<uint64_t>& chains,
                                 std::vector<std::pair<uint64_t, std::vector<PaintOp>>>& changed) {
  const sObject& object = ctx.Obj[static_cast<size_t>(i)];
  // From the shape after the last one that left no figures to the one that
  // paints them, within the object.
  int64_t first = j;
  bool openBefore = true;
  for (int64_t k = j - 1; k >= 0; --k) {
    if (!ShapeShown(ctx, object.Shape[static_cast<size_t>(k)], k)) continue;
    if (!ShapeLeavesFigures(object, k)) {
      openBefore = false;
      break;
    }
    first = k;
  }
  int64_t last = j;
  for (int64_t k = j; k <= LastIndex(object.Shape); ++k) {
    if (!ShapeShown(ctx, object.Shape[static_cast<size_t>(k)], k)) continue;
    last = k;
    if (!ShapeLeavesFigures(object, k)) break;
  }
  // Figures may come from the layer before or go on to the next one.
  if ((openBefore && i > 0) || ShapeLeavesFigures(object, last)) return false;
  if (std::find(chains.begin(), chains.end(), Owner(i, first)) != chains.end()) return true;
  chains.push_back(Owner(i, first));
  const QRectF area(tiles_.Paints().Area());
  std::vector<PaintOp> ops;
  surface.RecordPaintsInto(&ops);
  surface.SetPendingPath(QPainterPath());
  for (int64_t k = first; k <= last; ++k) {
    if (!ShapeShown(ctx, object.Shape[static_cast<size_t>(k)], k)) continue;
    const uint64_t owner = Owner(i, k);
    const std::optional<QRectF> onDevice = OnDevice(ctx, surface, object, k);
    ops.clear();
    // As a whole recording would.
    if (!LeftOut(surface, object, k, onDevice, area, figureReach_)) {
      const uint64_t key = SharingKey(ctx, surface, i, k);
      if (const auto kept = SharingOf(owner); kept != sharing_.end()) {
        kept->second = key;
      } else {
        sharing_.insert(std::upper_bound(sharing_.begin(), sharing_.end(), std::pair(owner, key)),
                        {owner, key});
      }
      RecordShape(ctx, surface, i, k, AreaKey(surface, onDevice, QRectF(cut_), figureReach_));
    }
    if (!SamePaints(ops, tiles_.Paints().Of(owner))) changed.emplace_back(owner, ops);
  }
  return true;
}

std::optional<QRectF> CanvasRenderer::OnDevice(const EditorContext& ctx,
                                               const PainterSurface& surface,
                                               const sObject& object, int64_t j) {
  const std::optional<QRectF> bounds = bounds_.UserBounds(ctx, object, j);
  return bounds ? std::optional(surface.Transform().mapRect(*bounds)) : std::nullopt;
}

uint64_t CanvasRenderer::SharingKey(const EditorContext& ctx, const PainterSurface& surface,
                                    int64_t i, int64_t j) {
  const sObject& object = ctx.Obj[static_cast<size_t>(i)];
  return ShapeFingerprint(ctx, object, j, surface.Transform(), QPainterPath(), QRectF());
}

void CanvasRenderer::RecordShape(const EditorContext& ctx, PainterSurface& surface, int64_t i,
                                 int64_t j, const QRectF& areaKey) {
  const sObject& object = ctx.Obj[static_cast<size_t>(i)];
  const sShape& shape = object.Shape[static_cast<size_t>(j)];
  ++recorded_;
  // Paints of an unchanged shape are taken as they were, with the figures
  // it left for the next paint.
  const uint64_t fingerprint =
      ShapeFingerprint(ctx, object, j, surface.Transform(), surface.PendingPath(), areaKey);
  std::vector<PaintOp>& ops = *surface.RecordedPaints();
  if (const ShapeDrawing* kept = memo_.Find(i, j, fingerprint)) {
    ops.insert(ops.end(), kept->ops.begin(), kept->ops.end());
    surface.SetPendingPath(kept->leftover);
    return;
  }
  const size_t begin = ops.size();
  const CanvasView unpanned;
  DrawShapeFxLayer(ctx, unpanned, surface, object, j, 0);
  BuildShapePath(ctx, unpanned, surface, object, j);
  // A linked shape leaves its path to the next one: one even-odd paint.
  if (shape.Link == 0 || j == LastIndex(object.Shape)) PaintShapePath(surface, shape);
  DrawShapeFxLayer(ctx, unpanned, surface, object, j, 1);
  memo_.Keep(i, j, fingerprint,
             ShapeDrawing{std::vector<PaintOp>(ops.begin() + static_cast<ptrdiff_t>(begin), ops.end()),
                          surface.PathIsEmpty() ? QPainterPath() : surface.PendingPath()});
}

CanvasRenderer::RecordingRun CanvasRenderer::StartRun(const EditorContext& ctx,
                                                      const Placement& placement,
                                                      const QRect& area, const QRect& shown) const {
  RecordingRun run;
  run.area = area;
  run.cut = cut_.contains(area) ? cut_ : area.adjusted(-kCutMargin, -kCutMargin, kCutMargin, kCutMargin);
  run.shown = shown;
  run.reach = SceneReach(ctx, placement.zoom);
  run.active = ActiveOwners(ctx);
  return run;
}

void CanvasRenderer::Install(const EditorContext& ctx, RecordingRun run) {
  // Shapes active while it was made may have changed since they were
  // recorded: the next redraw records them again.
  std::vector<uint64_t> active = ActiveOwners(ctx);
  std::vector<uint64_t> either;
  std::set_union(active.begin(), active.end(), run.active.begin(), run.active.end(),
                 std::back_inserter(either));
  tiles_.SetPaints(std::move(run.recording.ops), std::move(run.recording.owners), std::move(either),
                   run.area);
  cut_ = run.cut;
  figureReach_ = run.reach;
  sharing_ = std::move(run.recording.sharing);
}

bool CanvasRenderer::Record(const EditorContext& ctx, const CanvasView& view,
                            const Placement& placement, PainterSurface& surface, const QRect& area,
                            const QRect& shown, const std::function<bool()>& stop) {
  ahead_.reset();
  RecordingRun run = StartRun(ctx, placement, area, shown);
  if (!RecordObjects(ctx, view, placement, surface, run, stop)) return false;
  Install(ctx, std::move(run));
  return true;
}

// Each object's transform starts again from the view, so a layer never
// inherits the scale or rotation of the layers drawn before it. Shapes far
// outside area are skipped when no figure waits for a paint: a shape that
// leaves figures to a later paint only when they lie beyond the reach of
// any paint, which would leave them out (PainterSurface::SetVisibleArea).
bool CanvasRenderer::RecordObjects(const EditorContext& ctx, const CanvasView& view,
                                   const Placement& placement, PainterSurface& surface,
                                   RecordingRun& run, const std::function<bool()>& stop) {
  const QRectF recorded(run.area);
  const QRectF cutArea(run.cut);
  Recording& recording = run.recording;
  surface.SetVisibleArea(cutArea);
  surface.RecordPaintsInto(&recording.ops);
  surface.SetPendingPath(run.pending);
  // The paints the canvas shows are laid on another core meanwhile.
  LayAhead layAhead;
  for (int64_t i = run.object; i <= LastIndex(ctx.Obj); ++i, run.shape = 0) {
    run.object = i;
    const sObject& object = ctx.Obj[static_cast<size_t>(i)];
    // A layer whose last shape was deleted keeps a placeholder that is not
    // drawn; the other layers are.
    if (!ObjectDrawn(object)) continue;
    PlaceObject(surface, object, view, placement);
    for (int64_t j = run.shape; j <= LastIndex(object.Shape); ++j) {
      const sShape& shape = object.Shape[static_cast<size_t>(j)];
      if (!ShapeShown(ctx, shape, j)) continue;
      const std::optional<QRectF> onDevice = OnDevice(ctx, surface, object, j);
      if (LeftOut(surface, object, j, onDevice, recorded, run.reach)) continue;
      // Every kept paint so far is whole: stopping here leaves nothing half
      // done, and the run can go on from here.
      if (stop && stop()) {
        run.shape = j;
        run.pending = surface.PendingPath();
        return false;
      }
      if (SharesFigures(ctx, object, j)) {
        recording.sharing.emplace_back(Owner(i, j), SharingKey(ctx, surface, i, j));
      }
      const size_t begin = recording.ops.size();
      RecordShape(ctx, surface, i, j, AreaKey(surface, onDevice, cutArea, run.reach));
      recording.owners.resize(recording.ops.size(), Owner(i, j));
      for (size_t k = begin; k < recording.ops.size(); ++k) {
        const PaintOp& op = recording.ops[k];
        if (op.laid && op.bounds.intersects(run.shown)) layAhead.Add(op);
      }
    }
  }
  return true;
}

bool CanvasRenderer::Redraw(const EditorContext& ctx, const CanvasView& view, QImage& canvas,
                            const RedrawOptions& options) {
  if (canvas.isNull() || canvas.width() <= 0 || canvas.height() <= 0) return true;

  const Placement placement = PlacementOf(ctx, view);
  const Backdrop backdrop = BackdropOf(ctx.Options);
  // A checker stays put on the canvas while the shapes pan: tiles then hold
  // the shapes alone, laid over it.
  const bool checker = backdrop.checker;
  tiles_.SetBasis({placement.zoom, checker ? Backdrop{} : backdrop});
  const QRect viewport = QRect(QPoint(0, 0), canvas.size()).translated(-placement.shift);
  viewport_ = viewport;
  recorded_ = 0;
  {
    PainterSurface recorder(canvas, &text_cache_);
    const bool trusted = told_ && options.live;
    const uint64_t edits = edits_;
    const uint64_t frame = trusted ? FrameKey(ctx, view, placement, recorder) : 0;
    // The notice is the only way to know that nothing else changed.
    const bool kept = trusted && recordedEdits_ == edits && recordedFrame_ == frame &&
                      tiles_.Paints().Area().contains(viewport);
    if (kept) recorder.SetVisibleArea(QRectF(cut_));
    if (!kept || !RecordActive(ctx, view, placement, recorder)) {
      // Shapes a refused gesture recording looked at are counted once.
      recorded_ = 0;
      if (!Record(ctx, view, placement, recorder, TilesAround(viewport, kMargin), viewport,
                  options.stop)) {
        return false;
      }
      recordedEdits_ = trusted ? std::optional(edits) : std::nullopt;
      recordedFrame_ = frame;
    }
  }
  tiles_.Update(viewport);
  if (checker) {
    QPainter painter(&canvas);
    PaintBackdrop(painter, backdrop, canvas.size());
  }
  tiles_.Compose(canvas, placement.shift, checker);

  if (options.overlays) DrawCanvasOverlays(ctx, view, canvas);
  return true;
}

}  // namespace tavisk
