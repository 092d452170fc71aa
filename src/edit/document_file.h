// Saving and loading documents: the file requesters, the document's file
// name, the window title and the panel refreshes around the document text.
#pragma once

#include <string>

#include "document/editor_context.h"
#include "edit/document_loading.h"

namespace tavisk {

// file empty: asks for a name ("Save"). copy 0 adopts the name (DocFile and
// the window title); copy 1 (the autosave, the command-line tool) changes
// neither. Every ".txt" is
// removed from the file name part and one is appended. True only when the
// file was written whole. A failed copy 0 tells the user why (a target that
// is not a regular file, a FIFO or a device, is never replaced) and keeps
// the previous name and title; the autosave fails silently.
bool SaveDocument(EditorContext& ctx, const std::string& file, int copy);

enum class DocumentFileLoad { Loaded, Unreadable, NotRegular, NotADocument };

// Reads the document at path into the scene in mode (see PlaceDocument),
// telling the user of nothing but cut texts. A file that is not a regular
// file (a FIFO, a device) is not read, and one without a single document
// line (a picture, an empty file) changes nothing at all.
DocumentFileLoad LoadDocumentFile(EditorContext& ctx, int mode, const std::string& path,
                                  const PictureLoader& loadPicture);

// mode 0 replaces the scene, 1 merges the file's objects, 2 inserts the
// file's shapes into the current object; file empty asks for one. True when the file was read into
// the scene. A file that is not a regular file (a FIFO, a device) is not read, and one without a
// single document line (a picture, an empty file) changes nothing at all; the user is told of both.
// Other failures are silent.
bool LoadDocument(EditorContext& ctx, int mode, const std::string& file);

// The path as written: every ".txt" removed from its file name part (not
// from its folders), then ".txt" appended.
std::string DocumentFilePath(const std::string& chosen);

}  // namespace tavisk
