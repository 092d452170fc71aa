// Saving and loading documents: the file requesters, the document's file
// name, the window title and the panel refreshes around the document text.
#pragma once

#include <string>

#include "document/editor_context.h"

namespace tavisk {

// file empty: asks for a name ("Save"). copy 0 adopts the name (DocFile and
// the window title); copy 1 (the autosave) changes neither. Every ".txt" is
// removed from the file name part and one is appended. Failures are silent,
// except that copy 0 tells the user when the target is not a regular file
// (a FIFO, a device): it is never replaced.
bool SaveDocument(EditorContext& ctx, const std::string& file, int copy);

// mode 0 replaces the scene, 1 merges the file's objects, 2 inserts the
// file's shapes into the current object; file empty asks for one. redraw 1
// redraws the canvas at the end. A file that is not a regular file (a FIFO,
// a device) is not read and the user is told; other failures are silent.
bool LoadDocument(EditorContext& ctx, int mode, const std::string& file, int redraw);

// The path as written: every ".txt" removed from its file name part (not
// from its folders), then ".txt" appended.
std::string DocumentFilePath(const std::string& chosen);

}  // namespace tavisk
