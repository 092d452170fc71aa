// The question before unsaved changes are left behind (quit, close, new
// document, load): save them, throw them away, or stay.
#pragma once

#include <string>

#include "document/editor_context.h"
#include "edit/edit_history.h"

namespace tavisk {

inline constexpr const char* kUnsavedChangesText =
    "The document has changes that are not saved. Save them first?";

// Saves the document under file (empty: asks for a name) and, when it was
// written, marks the history's scene as the saved one.
bool SaveAndMark(EditorContext& ctx, EditHistory& history, const std::string& file);

// True when the caller may go on: nothing to lose, the user chose to save
// (and the save succeeded) or to discard. False keeps everything as it was.
// Asks only with the ConfirmExit option on.
bool MayLeaveDocument(EditorContext& ctx, EditHistory& history);

}  // namespace tavisk
