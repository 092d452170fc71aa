// What one edit changed in the scene, kept as the runs of objects and shapes
// that differ, before and after: enough to take the scene either way without
// a copy of the rest of it.
#pragma once

#include <cstddef>
#include <vector>

#include "document/scene.h"

namespace tavisk {

enum class DeltaWay { kForward, kBackward };

class SceneDelta {
 public:
  // The difference between two scenes. Only the selection marks are left out:
  // selecting is not an edit. Both scenes are briefly touched while compared
  // and left as they were.
  static SceneDelta Between(std::vector<sObject>& before, std::vector<sObject>& after);

  bool Empty() const { return objects_.Empty() && edits_.empty(); }

  // Takes a scene equal to the delta's "before" to its "after" (forward), or
  // back. The selection marks of the shapes replaced are the recorded ones.
  void Apply(std::vector<sObject>& scene, DeltaWay way) const;
  // The scene has room for the runs Apply replaces: false when it was changed
  // behind the history's back.
  bool FitsIn(const std::vector<sObject>& scene, DeltaWay way) const;

  // The object list itself changed: objects added, removed or reordered.
  bool ObjectsReplaced() const { return !objects_.Empty(); }
  // An object's own fields (name, place, visibility...) changed.
  bool ObjectFieldsChanged() const;
  // Some object's shapes changed.
  bool ShapesChanged() const;

  // Memory held by the recorded runs, roughly, for the cost figures.
  size_t ApproximateBytes() const;

 private:
  template <typename T>
  struct Run {
    size_t at = 0;
    std::vector<T> before;
    std::vector<T> after;
    bool Empty() const { return before.empty() && after.empty(); }
  };
  // An object kept in place whose fields or shapes changed; the recorded
  // fields carry no shapes.
  struct ObjectEdit {
    size_t index = 0;
    bool fieldsChanged = false;
    sObject fieldsBefore;
    sObject fieldsAfter;
    Run<sShape> shapes;
  };

  Run<sObject> objects_;
  std::vector<ObjectEdit> edits_;
};

}  // namespace tavisk
