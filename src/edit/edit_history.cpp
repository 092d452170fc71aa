#include "edit/edit_history.h"

#include <utility>

namespace tavisk {

bool EditHistory::Cursor::SameCurrent(const Cursor& other) const {
  return object == other.object && shape == other.shape && point == other.point && fx == other.fx;
}

EditHistory::EditHistory(EditorContext& ctx) : ctx_(ctx), base_(ctx.Obj) {}

void EditHistory::Begin(int mergeKey) {
  if (open_ && mergeKey != openKey_) CloseOpenStep();
  if (!open_) before_ = Capture();
}

void EditHistory::End(const std::string& name, int mergeKey) {
  SceneDelta delta = SceneDelta::Between(base_, ctx_.Obj);
  const Cursor now = Capture();
  EditorChanges changes;
  changes.objects = delta.ObjectsReplaced() || delta.ObjectFieldsChanged();
  changes.shapes = delta.ObjectsReplaced() || delta.ShapesChanged();
  changes.cursor = !now.SameCurrent(before_);
  changes.selection = now.selected != before_.selected;
  const bool wasModified = Modified();
  // Read before the delta is moved into a step.
  const bool changed = !delta.Empty();
  if (mergeKey != 0) {
    open_ = true;
    openKey_ = mergeKey;
    openName_ = name;
    openChanged_ = changed;
  } else if (changed) {
    Push(name, std::move(delta));
  }
  changes.history = changed || Modified() != wasModified;
  Announce(changes);
}

void EditHistory::CloseOpenStep() {
  if (!open_) return;
  open_ = false;
  openChanged_ = false;
  SceneDelta delta = SceneDelta::Between(base_, ctx_.Obj);
  if (delta.Empty()) return;
  Push(openName_, std::move(delta));
  EditorChanges changes;
  changes.history = true;
  Announce(changes);
}

void EditHistory::Push(const std::string& name, SceneDelta delta) {
  delta.Apply(base_, DeltaWay::kForward);
  // A saved scene only a redo reached is gone with the redo steps.
  if (savedDepth_ > static_cast<int64_t>(undo_.size())) savedDepth_ = -1;
  for (const Step& dropped : redo_) bytes_ -= dropped.bytes;
  redo_.clear();
  Step step{name, std::move(delta), before_, Capture()};
  step.bytes = sizeof(Step) + step.delta.ApproximateBytes() +
               (step.before.selected.size() + step.after.selected.size()) * sizeof(SelectionRun);
  bytes_ += step.bytes;
  undo_.push_back(std::move(step));
  before_ = undo_.back().after;
  while (bytes_ > kBudgetBytes && undo_.size() > 1) {
    bytes_ -= undo_.front().bytes;
    undo_.erase(undo_.begin());
    savedDepth_ = savedDepth_ > 0 ? savedDepth_ - 1 : -1;
  }
}

void EditHistory::Undo() {
  CloseOpenStep();
  Travel(undo_, redo_, DeltaWay::kBackward);
}

void EditHistory::Redo() {
  CloseOpenStep();
  Travel(redo_, undo_, DeltaWay::kForward);
}

void EditHistory::Travel(std::vector<Step>& from, std::vector<Step>& to, DeltaWay way) {
  if (from.empty()) return;
  Step step = std::move(from.back());
  from.pop_back();
  if (!step.delta.FitsIn(ctx_.Obj, way) || !step.delta.FitsIn(base_, way)) {
    // The scene was changed behind the history's back: its steps no longer
    // describe it, and applying them would damage it.
    Forget();
    savedDepth_ = -1;
    return;
  }
  step.delta.Apply(ctx_.Obj, way);
  step.delta.Apply(base_, way);
  Restore(way == DeltaWay::kForward ? step.after : step.before);
  to.push_back(std::move(step));
  before_ = Capture();
  Announce(EditorChanges{true, true, true, true, true});
}

std::string EditHistory::UndoName() const {
  if (openChanged_) return openName_;
  return undo_.empty() ? std::string() : undo_.back().name;
}

std::string EditHistory::RedoName() const { return redo_.empty() ? std::string() : redo_.back().name; }

void EditHistory::Forget() {
  base_ = ctx_.Obj;
  undo_.clear();
  redo_.clear();
  open_ = false;
  openChanged_ = false;
  savedDepth_ = 0;
  bytes_ = 0;
  before_ = Capture();
  // A new or loaded scene: everything shown changed.
  Announce(EditorChanges{true, true, true, true, true});
}

void EditHistory::MarkSaved() {
  CloseOpenStep();
  savedDepth_ = static_cast<int64_t>(undo_.size());
  EditorChanges changes;
  changes.history = true;
  Announce(changes);
}

bool EditHistory::Modified() const {
  return openChanged_ || savedDepth_ != static_cast<int64_t>(undo_.size());
}

EditHistory::Cursor EditHistory::Capture() const {
  Cursor cursor{ctx_.CurrentObject, ctx_.CurrentShape, ctx_.CurrentPoint, ctx_.CurrentFx, {}};
  for (size_t o = 0; o < ctx_.Obj.size(); ++o) {
    const std::vector<sShape>& shapes = ctx_.Obj[o].Shape;
    for (size_t s = 0; s < shapes.size(); ++s) {
      if (shapes[s].Selected == 0) continue;
      SelectionRun* last = cursor.selected.empty() ? nullptr : &cursor.selected.back();
      if (last != nullptr && last->object == static_cast<int64_t>(o) &&
          last->first + last->count == static_cast<int64_t>(s)) {
        ++last->count;
      } else {
        cursor.selected.push_back({static_cast<int64_t>(o), static_cast<int64_t>(s), 1});
      }
    }
  }
  return cursor;
}

void EditHistory::Restore(const Cursor& cursor) {
  ctx_.CurrentObject = cursor.object;
  ctx_.CurrentShape = cursor.shape;
  ctx_.CurrentPoint = cursor.point;
  ctx_.CurrentFx = cursor.fx;
  for (sObject& object : ctx_.Obj) {
    for (sShape& shape : object.Shape) shape.Selected = 0;
  }
  for (const SelectionRun& run : cursor.selected) {
    if (!ValidIndex(ctx_.Obj, run.object)) continue;
    std::vector<sShape>& shapes = ctx_.Obj[static_cast<size_t>(run.object)].Shape;
    for (int64_t s = run.first; s < run.first + run.count && ValidIndex(shapes, s); ++s) {
      shapes[static_cast<size_t>(s)].Selected = 1;
    }
  }
}

void EditHistory::Announce(EditorChanges changes) {
  if (changes.Any() && ctx_.Hooks != nullptr) ctx_.Hooks->Changed(changes);
}

}  // namespace tavisk
