#include "edit/unsaved_changes.h"

#include "edit/document_file.h"

namespace tavisk {

bool SaveAndMark(EditorContext& ctx, EditHistory& history, const std::string& file) {
  if (!SaveDocument(ctx, file, 0)) return false;
  history.MarkSaved();
  return true;
}

bool MayLeaveDocument(EditorContext& ctx, EditHistory& history) {
  if (ctx.Options.ConfirmExit != 1 || !history.Modified()) return true;
  switch (ctx.Req->AskToSave(kWindowTitle, kUnsavedChangesText)) {
    case SaveAnswer::Save:
      // A document without a name asks for one; a save refused or cancelled
      // keeps the user where they were.
      return SaveAndMark(ctx, history, ctx.DocFile);
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

}  // namespace tavisk
