// "Export in purebasic": the current object written as one procedure that
// redraws its shapes with path commands, positions relative to the object's
// top-left shape.
#pragma once

#include <string>

#include "document/editor_context.h"
#include "document/scene.h"

namespace tavisk {

// The whole source text (CR LF lines) for object, dated with date (dd/mm/yyyy).
std::string ObjectSourceText(const sObject& object, const std::string& date);

// The file name the export writes for a requester answer: every ".pb" is
// removed from the last path component, then ".pb" is appended unless the
// extension already reads "pb".
std::string SourceFileName(const std::string& answer);

// Writes the current object's source under SourceFileName(answer), replacing
// any file there; false when there is no current object or the write failed.
bool SaveObjectSource(const EditorContext& ctx, const std::string& answer);

// The menu command: asks for the file, then saves. Failures are silent.
void ExportObjectSource(EditorContext& ctx);

}  // namespace tavisk
