#include "edit/scene_delta.h"

#include <algorithm>
#include <utility>

namespace tavisk {

namespace {

// Equal but for the selection mark, which the edit history keeps apart, and
// the drag start that Select All and the tools write for the next gesture:
// neither is the document, so neither makes a step of its own.
bool SameShape(sShape& a, const sShape& b) {
  if (a.Selected == b.Selected && a.StartX == b.StartX && a.StartY == b.StartY) return a == b;
  const uint8_t selected = a.Selected;
  const int16_t startX = a.StartX;
  const int16_t startY = a.StartY;
  a.Selected = b.Selected;
  a.StartX = b.StartX;
  a.StartY = b.StartY;
  const bool same = a == b;
  a.Selected = selected;
  a.StartX = startX;
  a.StartY = startY;
  return same;
}

// The object's own fields, compared with both shape lists set aside.
bool SameFields(sObject& a, sObject& b) {
  std::vector<sShape> shapesA;
  std::vector<sShape> shapesB;
  shapesA.swap(a.Shape);
  shapesB.swap(b.Shape);
  const bool same = a == b;
  a.Shape.swap(shapesA);
  b.Shape.swap(shapesB);
  return same;
}

bool SameShapes(std::vector<sShape>& a, const std::vector<sShape>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!SameShape(a[i], b[i])) return false;
  }
  return true;
}

bool SameObject(sObject& a, sObject& b) { return SameFields(a, b) && SameShapes(a.Shape, b.Shape); }

// A copy of the object's fields; its shape list stays empty.
sObject FieldsOf(sObject& object) {
  std::vector<sShape> aside;
  aside.swap(object.Shape);
  sObject fields = object;
  object.Shape.swap(aside);
  return fields;
}

// The run of the two lists between their longest equal head and tail.
template <typename T, typename Same>
void FindRun(std::vector<T>& before, std::vector<T>& after, Same same, size_t& at,
             size_t& beforeEnd, size_t& afterEnd) {
  const size_t shorter = std::min(before.size(), after.size());
  size_t head = 0;
  while (head < shorter && same(before[head], after[head])) ++head;
  size_t tail = 0;
  while (tail < shorter - head &&
         same(before[before.size() - 1 - tail], after[after.size() - 1 - tail])) {
    ++tail;
  }
  at = head;
  beforeEnd = before.size() - tail;
  afterEnd = after.size() - tail;
}

template <typename T>
void Replace(std::vector<T>& list, size_t at, const std::vector<T>& from, const std::vector<T>& to) {
  const auto start = list.begin() + static_cast<std::ptrdiff_t>(at);
  const size_t common = std::min(from.size(), to.size());
  std::copy(to.begin(), to.begin() + static_cast<std::ptrdiff_t>(common), start);
  if (to.size() > from.size()) {
    list.insert(start + static_cast<std::ptrdiff_t>(common),
                to.begin() + static_cast<std::ptrdiff_t>(common), to.end());
  } else {
    list.erase(start + static_cast<std::ptrdiff_t>(common),
               start + static_cast<std::ptrdiff_t>(from.size()));
  }
}

template <typename T>
size_t BytesOf(const std::vector<T>& list);

size_t BytesOf(const sShape& shape) {
  return sizeof(sShape) + shape.Pt.size() * sizeof(sPoint) + shape.Fx.size() * sizeof(sShapeFx) +
         shape.Name.size() + shape.Text.size() + shape.FontName.size() + shape.ImageFile.size();
}

size_t BytesOf(const sObject& object) {
  return sizeof(sObject) + object.Name.size() + BytesOf(object.Shape);
}

template <typename T>
size_t BytesOf(const std::vector<T>& list) {
  size_t bytes = 0;
  for (const T& item : list) bytes += BytesOf(item);
  return bytes;
}

}  // namespace

SceneDelta SceneDelta::Between(std::vector<sObject>& before, std::vector<sObject>& after) {
  SceneDelta delta;
  size_t at = 0;
  size_t beforeEnd = 0;
  size_t afterEnd = 0;
  FindRun(before, after, SameObject, at, beforeEnd, afterEnd);
  if (at == beforeEnd && at == afterEnd) return delta;
  if (before.size() != after.size()) {
    delta.objects_.at = at;
    delta.objects_.before.assign(before.begin() + static_cast<std::ptrdiff_t>(at),
                                 before.begin() + static_cast<std::ptrdiff_t>(beforeEnd));
    delta.objects_.after.assign(after.begin() + static_cast<std::ptrdiff_t>(at),
                                after.begin() + static_cast<std::ptrdiff_t>(afterEnd));
    return delta;
  }
  // The same objects in the same places: only what changed in each is kept.
  for (size_t i = at; i < beforeEnd; ++i) {
    sObject& was = before[i];
    sObject& is = after[i];
    ObjectEdit edit;
    edit.index = i;
    // A record's fields hold no shapes, not even the blank a new object has.
    edit.fieldsBefore.Shape = std::vector<sShape>();
    edit.fieldsAfter.Shape = std::vector<sShape>();
    if (!SameFields(was, is)) {
      edit.fieldsChanged = true;
      edit.fieldsBefore = FieldsOf(was);
      edit.fieldsAfter = FieldsOf(is);
    }
    size_t shapeAt = 0;
    size_t shapesBeforeEnd = 0;
    size_t shapesAfterEnd = 0;
    FindRun(was.Shape, is.Shape, SameShape, shapeAt, shapesBeforeEnd, shapesAfterEnd);
    edit.shapes.at = shapeAt;
    edit.shapes.before.assign(was.Shape.begin() + static_cast<std::ptrdiff_t>(shapeAt),
                              was.Shape.begin() + static_cast<std::ptrdiff_t>(shapesBeforeEnd));
    edit.shapes.after.assign(is.Shape.begin() + static_cast<std::ptrdiff_t>(shapeAt),
                             is.Shape.begin() + static_cast<std::ptrdiff_t>(shapesAfterEnd));
    if (edit.fieldsChanged || !edit.shapes.Empty()) delta.edits_.push_back(std::move(edit));
  }
  return delta;
}

void SceneDelta::Apply(std::vector<sObject>& scene, DeltaWay way) const {
  const bool forward = way == DeltaWay::kForward;
  if (!objects_.Empty()) {
    Replace(scene, objects_.at, forward ? objects_.before : objects_.after,
            forward ? objects_.after : objects_.before);
  }
  for (const ObjectEdit& edit : edits_) {
    sObject& object = scene[edit.index];
    if (edit.fieldsChanged) {
      std::vector<sShape> shapes;
      shapes.swap(object.Shape);
      object = forward ? edit.fieldsAfter : edit.fieldsBefore;
      object.Shape.swap(shapes);
    }
    if (!edit.shapes.Empty()) {
      Replace(object.Shape, edit.shapes.at, forward ? edit.shapes.before : edit.shapes.after,
              forward ? edit.shapes.after : edit.shapes.before);
    }
  }
}

bool SceneDelta::FitsIn(const std::vector<sObject>& scene, DeltaWay way) const {
  const bool forward = way == DeltaWay::kForward;
  if (!objects_.Empty()) {
    const size_t replaced = (forward ? objects_.before : objects_.after).size();
    return objects_.at + replaced <= scene.size();
  }
  for (const ObjectEdit& edit : edits_) {
    if (edit.index >= scene.size()) return false;
    const size_t replaced = (forward ? edit.shapes.before : edit.shapes.after).size();
    if (edit.shapes.at + replaced > scene[edit.index].Shape.size()) return false;
  }
  return true;
}

bool SceneDelta::ObjectFieldsChanged() const {
  return std::any_of(edits_.begin(), edits_.end(),
                     [](const ObjectEdit& edit) { return edit.fieldsChanged; });
}

bool SceneDelta::ShapesChanged() const {
  return std::any_of(edits_.begin(), edits_.end(),
                     [](const ObjectEdit& edit) { return !edit.shapes.Empty(); });
}

size_t SceneDelta::ApproximateBytes() const {
  size_t bytes = sizeof(SceneDelta) + BytesOf(objects_.before) + BytesOf(objects_.after);
  for (const ObjectEdit& edit : edits_) {
    bytes += sizeof(ObjectEdit) + BytesOf(edit.shapes.before) + BytesOf(edit.shapes.after);
  }
  return bytes;
}

}  // namespace tavisk
