// The canvas renderer with what it keeps between redraws. The scene is
// recorded as a list of paints in pan-free device space (the pan, rounded
// to whole device pixels, is left out: see PanShift) and painted into
// kept tiles (tile_cache.h), which are repainted only where their paints
// change. A pan shifts the canvas over the same tiles, a selection change
// repaints no tile, and the scene around the canvas is recorded, and its
// tiles painted, ahead when the editor is idle. Every redraw shows exactly
// what a redraw from nothing shows. A redraw only reads the editing state;
// presses are resolved apart from it.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include "document/canvas_view.h"
#include "document/editor_context.h"
#include "render/shape_bounds.h"
#include "render/shape_memo.h"
#include "render/text_path_cache.h"
#include "render/tile_cache.h"

namespace tavisk {

class PainterSurface;

// How much of a frame a redraw paints, and when it gives up.
struct RedrawOptions {
  // Handles, outlines, grid and camera frame over the scene.
  bool overlays = true;
  // Asked between shapes; true stops the redraw, leaving the canvas
  // unfinished and the kept layers as they were.
  std::function<bool()> stop;
  // The scene is the one being edited, not a copy taken earlier: the one
  // the edit notices (CanvasRenderer::SceneEdited) speak of.
  bool live = true;
};

class CanvasRenderer {
 public:
  // RedrawCanvas on this renderer's kept state.
  // false when options.stop cut it short.
  bool Redraw(const EditorContext& ctx, const CanvasView& view, QImage& canvas,
              const RedrawOptions& options = {});
  // One step of the work done while the editor is idle, after a redraw of
  // the live scene in view (ctx and view as they are now): records the
  // scene further around the canvas when it has come near the recorded
  // area's edge, or else paints a few of the tiles around the canvas that
  // are not up to date, and when settle the tiles shown split during a
  // drag. Answers whether more remain.
  bool PaintAhead(const EditorContext& ctx, const CanvasView& view, bool settle);
  // The next redraw repaints everything and builds every path again.
  void Invalidate();
  // From now on the owner calls SceneEdited after every edit of the scene
  // but those a gesture makes to the active shapes (the selected ones and
  // the current one) before it ends. Between two notices a redraw of the
  // live scene at the same zoom records only the active shapes again.
  // Nothing recorded before counts as told.
  void TellOfEdits() {
    told_ = true;
    ++edits_;
  }
  // From any thread.
  void SceneEdited() { ++edits_; }
  const TileCache& Tiles() const { return tiles_; }
  // The longest a step of PaintAhead records (tests take it down to a
  // shape a step).
  void SetRecordSlice(std::chrono::microseconds slice) { recordSlice_ = slice; }
  // The shapes whose paints the last redraw recorded or took from the memo
  // (for tests and benchmarks).
  int64_t RecordedShapes() const { return recorded_; }

 private:
  // Where the pan puts the pan-free space: canvas pixel (0, 0) is the
  // pan-free pixel -shift; pan is the pan on the device before rounding.
  struct Placement {
    double zoom = 1;
    QPoint shift;
    QPointF pan;
  };

  // Shapes (as owners) with their SharingKey, in drawing order.
  using SharingKeys = std::vector<std::pair<uint64_t, uint64_t>>;
  // One redraw's paints and the shape that made each, with the keys of the
  // shapes recorded that share figures with their neighbours.
  struct Recording {
    std::vector<PaintOp> ops;
    std::vector<uint64_t> owners;
    SharingKeys sharing;
  };

  static Placement PlacementOf(const EditorContext& ctx, const CanvasView& view);
  // Sets the surface's transform to the object's user space in pan-free
  // device space.
  static void PlaceObject(PainterSurface& surface, const sObject& object, const CanvasView& view,
                          const Placement& placement);
  // What the recorded paints depend on besides the shapes themselves: the
  // zoom, which shapes are shown, each layer's place and shape count.
  static uint64_t FrameKey(const EditorContext& ctx, const CanvasView& view,
                           const Placement& placement, PainterSurface& surface);
  // A recording of the paints over area, with their figures cut to cut, as
  // far as it has gone: the next shape to look at and the figures waiting
  // for a paint there.
  struct RecordingRun {
    QRect area;
    QRect cut;
    QRect shown;  // the part of area on the canvas
    double reach = 0;  // SceneReach
    Recording recording;
    int64_t object = 0;
    int64_t shape = 0;
    QPainterPath pending;
    // The active shapes when it began, and the notices seen then.
    std::vector<uint64_t> active;
    uint64_t edits = 0;
  };

  // Records the paints over area anew; false, keeping the paints there
  // were, when stop asked to give up.
  bool Record(const EditorContext& ctx, const CanvasView& view, const Placement& placement,
              PainterSurface& surface, const QRect& area, const QRect& shown,
              const std::function<bool()>& stop);
  RecordingRun StartRun(const EditorContext& ctx, const Placement& placement, const QRect& area,
                        const QRect& shown) const;
  // The run's paints become the kept ones.
  void Install(const EditorContext& ctx, RecordingRun run);
  // Records, a slice at a time while idle and allowed to, the area around
  // the canvas; false when there was nothing to do.
  bool RecordAhead(const EditorContext& ctx, const CanvasView& view);
  // Takes the run on from where it stands; false when stop asked to pause
  // it.
  bool RecordObjects(const EditorContext& ctx, const CanvasView& view, const Placement& placement,
                     PainterSurface& surface, RecordingRun& run, const std::function<bool()>& stop);
  // Between two edit notices, in the same frame, with the canvas inside the
  // recorded area: replaces the kept paints of the shapes active now or at
  // the last redraw. False, changing nothing, when one of them that shares
  // figures with its neighbours has changed and its figures cross into
  // another layer.
  bool RecordActive(const EditorContext& ctx, const CanvasView& view, const Placement& placement,
                    PainterSurface& surface);
  // What the paints of an active shape that shares figures with its
  // neighbours are made from, besides the inactive shapes, which edits
  // announce; the surface placed for the object.
  static uint64_t SharingKey(const EditorContext& ctx, const PainterSurface& surface, int64_t i,
                             int64_t j);
  // The shape's bounds on the device, by the surface's transform; none
  // when they are not known.
  std::optional<QRectF> OnDevice(const EditorContext& ctx, const PainterSurface& surface,
                                 const sObject& object, int64_t j);
  // The kept SharingKey of owner, or the end.
  SharingKeys::iterator SharingOf(uint64_t owner);
  // Between two edit notices, records again the shapes that share figures
  // with the active shape j of object i, and adds their changed paints to
  // changed; chains holds the first shapes of the chains recorded so far.
  // False when the figures cross into another layer.
  bool RecordChain(const EditorContext& ctx, PainterSurface& surface, int64_t i, int64_t j,
                   std::vector<uint64_t>& chains,
                   std::vector<std::pair<uint64_t, std::vector<PaintOp>>>& changed);
  // areaKey: the recorded area when the shape's paints depend on it
  // (ShapeFingerprint).
  void RecordShape(const EditorContext& ctx, PainterSurface& surface, int64_t object, int64_t shape,
                   const QRectF& areaKey);

  bool told_ = false;
  std::atomic<uint64_t> edits_{0};
  // The notices seen and the frame when the kept paints were recorded from
  // the live scene; none otherwise.
  std::optional<uint64_t> recordedEdits_;
  uint64_t recordedFrame_ = 0;
  // How far past its figures any paint reaches (SceneReach), at the last
  // recording.
  double figureReach_ = 0;
  // Where the kept paints' figures are cut (kCutMargin), and the canvas of
  // the last redraw, in pan-free device space.
  QRect cut_;
  QRect viewport_;
  // Recording::sharing of the kept paints.
  SharingKeys sharing_;
  // The recording the idle editor is making, if any.
  std::optional<RecordingRun> ahead_;
  std::chrono::microseconds recordSlice_{8000};
  int64_t recorded_ = 0;
  TextPathCache text_cache_;
  ShapeBounds bounds_;
  ShapeMemo memo_;
  TileCache tiles_;
};

}  // namespace tavisk
