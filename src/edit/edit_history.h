// The one seam every change to the document passes through. Each entry point
// (a canvas gesture, a panel edit, a menu operation) opens an edit with Begin
// and closes it with End: what changed in between becomes one undoable step
// and is announced to the shell, which refreshes from the announcement.
//
// A step keeps only the runs of objects and shapes that changed, against a
// mirror of the scene as the last step left it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/editor_context.h"
#include "edit/scene_delta.h"

namespace tavisk {

class EditHistory {
 public:
  explicit EditHistory(EditorContext& ctx);

  // Before an edit changes anything. mergeKey names a kind of repeated edit
  // (a spin held or typed into): edits of the same key in a row make one
  // step, which stays open until another edit begins or CloseOpenStep.
  void Begin(int mergeKey = 0);
  // After it: what changed since Begin becomes the step `name`.
  void End(const std::string& name, int mergeKey = 0);
  // The open step of repeated edits is finished (the field lost the focus).
  void CloseOpenStep();

  void Undo();
  void Redo();
  bool CanUndo() const { return !undo_.empty() || openChanged_; }
  bool CanRedo() const { return !redo_.empty() && !openChanged_; }
  std::string UndoName() const;
  std::string RedoName() const;

  // The scene as it is now starts a new history and counts as saved: after
  // a new document or a load.
  void Forget();
  // The scene as it is now is the one in the file.
  void MarkSaved();
  // There are changes the file does not hold.
  bool Modified() const;

  size_t ApproximateBytes() const { return bytes_; }

  // A budget for the recorded steps; the oldest are dropped beyond it.
  static constexpr size_t kBudgetBytes = size_t{256} << 20;

 private:
  struct SelectionRun {
    int64_t object = 0;
    int64_t first = 0;
    int64_t count = 0;
    bool operator==(const SelectionRun&) const = default;
  };
  struct Cursor {
    int64_t object = 0;
    int64_t shape = -1;
    int64_t point = -1;
    int64_t fx = 0;
    std::vector<SelectionRun> selected;
    bool SameCurrent(const Cursor& other) const;
  };
  struct Step {
    std::string name;
    SceneDelta delta;
    Cursor before;
    Cursor after;
    size_t bytes = 0;
  };

  Cursor Capture() const;
  void Restore(const Cursor& cursor);
  void Push(const std::string& name, SceneDelta delta);
  void Travel(std::vector<Step>& from, std::vector<Step>& to, DeltaWay way);
  void Announce(EditorChanges changes);

  EditorContext& ctx_;
  std::vector<sObject> base_;
  std::vector<Step> undo_;
  std::vector<Step> redo_;
  Cursor before_;
  bool open_ = false;
  bool openChanged_ = false;
  int openKey_ = 0;
  std::string openName_;
  // How many undo steps lead to the saved scene; -1 when no undo or redo
  // reaches it any more.
  int64_t savedDepth_ = 0;
  size_t bytes_ = 0;
};

}  // namespace tavisk
