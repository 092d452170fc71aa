// Puts what the document reader read into the scene of an editor context, in
// one of the three load modes. Works on text or read lines: the file, the
// requesters around it and the window title are LoadDocument's.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/editor_context.h"
#include "io/document/document_reader.h"

namespace tavisk {

enum LoadMode : int { kLoadReplace = 0, kLoadMerge = 1, kLoadTemplate = 2 };

// One load may create at most kMaxGapElements blank elements to fill index
// gaps or as the blank a "gen" line adds outside replace mode (lines that
// would need more are skipped, as are lines whose index the mode pushes past
// kMaxArrayElements). The writer never leaves gaps, and a blank shape costs
// about half a kilobyte.
inline constexpr int64_t kMaxGapElements = 100'000;

// Loads the picture of an image shape; the result goes into its Image field.
using PictureLoader = std::function<int64_t(const std::string& path)>;

// Mode 0 first resets the scene to one blank object; 1 adds the document's
// objects after the scene's; 2 adds the document's shapes to the current
// object. Text shapes get their fonts from ctx.Fonts; image shapes their
// pictures from loadPicture (none when it is empty). When texts were cut,
// ctx.Req (when set) is told once.
void PlaceDocument(EditorContext& ctx, int mode, const DocumentReadResult& read,
                   const PictureLoader& loadPicture);

// ReadDocument, then PlaceDocument: text that holds no document line still
// resets the scene in mode 0.
void LoadDocumentText(EditorContext& ctx, int mode, std::string_view text,
                      const PictureLoader& loadPicture);

}  // namespace tavisk
