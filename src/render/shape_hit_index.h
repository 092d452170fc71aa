// Which shapes of the current object lie under the pointer, from geometry
// alone: nothing is painted. Each shown shape's path is built as a redraw
// builds it (with the figures earlier linked shapes leave pending), once,
// and kept under a fingerprint of everything it was made from; only shapes
// whose fingerprint changed are built again. Their bounds sit in a uniform
// grid, so a query tests exactly only the shapes near the pointer. The path
// of a shape that neither takes figures from the shape before nor leaves
// any to the next is built only when a press first lands within its bounds.
//
// An index told of every edit (the editor's, through the edit history's
// notice) does not fingerprint every shape at each press: until the next
// notice it checks only what a press itself may have changed before its
// pick, the current and the selected shapes.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "document/canvas_view.h"
#include "document/editor_context.h"
#include "render/shape_bounds.h"
#include "render/text_path_cache.h"

namespace tavisk {

class PainterSurface;

class ShapeHitIndex {
 public:
  enum class Edits { kFound, kTold };
  // kFound: every query looks for changed shapes itself. kTold: the owner
  // calls SceneEdited after every edit of the scene.
  explicit ShapeHitIndex(Edits edits = Edits::kFound) : told_(edits == Edits::kTold) {}

  // The scene was edited: the next query fingerprints every shape again.
  void SceneEdited() { trusted_ = false; }

  // Of the shown shapes of the current object under the pointer (x, y), in
  // the current object's units as the tools compute them, the one drawn
  // last (topmost) or first, or -1. A shape is under it inside its even-odd
  // area or within reach of its outline; a picture inside the rectangle it
  // is drawn in. Candidates are tested from that end and the first hit ends
  // the search.
  int64_t ShapeUnder(const EditorContext& ctx, const CanvasView& view, int64_t x, int64_t y,
                     bool topmost);

 private:
  // One shape's path in device space without the pan, as the pick sees it.
  struct Geometry {
    // False while only the bounds are known (a generous rectangle).
    bool built = true;
    QPainterPath path;
    // The figures left for the next shape's paint.
    QPainterPath leftover;
    double reach = 0;
    // A picture: its rectangle in the object's units, without the pan.
    bool picture = false;
    QRectF pictureRect;
    QRectF bounds;
    // The band around the outline, built at the first test that needs it.
    mutable std::unique_ptr<QPainterPath> band;
  };
  struct Entry {
    int64_t shape;
    uint64_t fingerprint;
    std::shared_ptr<Geometry> geometry;
  };

  // What the kept paths were made for besides the shapes themselves.
  struct Basis {
    int64_t object = -1;
    size_t shapes = 0;
    // With only the current shape shown, which one; -1 otherwise.
    int64_t onlyShown = -1;
    bool operator==(const Basis&) const = default;
  };

  static Basis BasisOf(const EditorContext& ctx, const sObject& object);
  // Nothing was edited since the last refresh but, perhaps, the shapes a
  // press acts on: those are fingerprinted again.
  bool StillValid(const EditorContext& ctx, const sObject& object);
  // The view and object transform the paths are kept in.
  QTransform DeviceTransform(const EditorContext& ctx, const sObject& object);
  void Refresh(const EditorContext& ctx, const sObject& object);
  // Builds the shape's path on surface, which holds the figures left
  // pending for it, and the picture rectangle and reach.
  void Build(const EditorContext& ctx, const sObject& object, int64_t shape,
             PainterSurface& surface, Geometry& geometry);
  // The picture rectangle, reach and generous bounds alone; false when the
  // bounds are not known cheaply.
  bool Bound(const EditorContext& ctx, const sObject& object, int64_t shape,
             Geometry& geometry);
  // The picture rectangle and reach, and for a picture its bounds, in
  // which case true.
  bool Describe(const EditorContext& ctx, const sObject& object, int64_t shape,
                Geometry& geometry) const;
  void FillGrid();
  bool Hits(const Geometry& geometry, QPointF device, double x, double y) const;

  QImage no_picture_;
  TextPathCache text_cache_;
  QTransform transform_;
  std::vector<Entry> entries_;
  std::unordered_map<uint64_t, std::shared_ptr<Geometry>> by_fingerprint_;
  ShapeBounds shape_bounds_;
  const bool told_;
  bool trusted_ = false;
  Basis basis_;
  // Entries by grid cell; shapes spread over too many cells are tested always.
  std::unordered_map<uint64_t, std::vector<uint32_t>> cells_;
  std::vector<uint32_t> spread_;
};

}  // namespace tavisk
