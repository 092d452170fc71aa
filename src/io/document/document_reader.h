// Reads document text into the scene of an editor context, in one of the
// three load modes. Works on a buffer: the file, the requesters and the panel
// refreshes are LoadDocument's.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/editor_context.h"

namespace tavisk {

enum LoadMode : int { kLoadReplace = 0, kLoadMerge = 1, kLoadTemplate = 2 };

// Hostile or damaged documents must not exhaust memory: an index past the
// last allowed element of an array, or a negative one, skips its line; and
// one load may create at most kMaxGapElements blank elements to fill index
// gaps or as the blank a "gen" line adds outside replace mode (lines that
// would need more are skipped too). The writer never leaves gaps, and a
// blank shape costs about half a kilobyte.
inline constexpr int64_t kMaxArrayElements = 1'000'000;
inline constexpr int64_t kMaxGapElements = 100'000;

// Loads the picture of an image shape; the result goes into its Image field.
using PictureLoader = std::function<int64_t(const std::string& path)>;

// True when at least one line carries a tag of the format: without one, the
// text is not a document at all (a picture, a binary or an empty file), and
// reading it would only blank the scene. Decides before the scene is touched.
bool HoldsDocumentLine(std::string_view text);

// Mode 0 first resets the scene to one blank object. Text shapes get their
// fonts from ctx.Fonts; image shapes their pictures from loadPicture. Texts
// longer than kMaxTextBytes are cut, and ctx.Req (when set) told once.
void ReadDocumentText(EditorContext& ctx, int mode, std::string_view text,
                                    const PictureLoader& loadPicture);

// An optional "-" and the leading digits; 0 for anything else or a value
// beyond 64 bits.
int64_t ParseDocumentInt(std::string_view field);

// The leading decimal fraction of the field ("0.13"); 0 when there is none.
double ParseDocumentVersion(std::string_view field);

}  // namespace tavisk
