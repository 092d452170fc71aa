// The formats a copy of shapes goes to the system clipboard in: our own
// document text for pasting into Tavisk, SVG for programs that read
// drawings (and for text editors, as plain text), a picture for the rest.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "document/editor_context.h"
#include "platform/system_clipboard.h"

namespace tavisk {

inline constexpr const char* kShapesMimeType = "application/x-tavisk-shapes";
inline constexpr const char* kSvgMimeType = "image/svg+xml";
inline constexpr const char* kPlainTextMimeType = "text/plain";

// Plain text longer than this is never taken for SVG: the check must not
// hand an arbitrary clipboard to the SVG reader.
inline constexpr size_t kMaxSvgTextBytes = size_t{32} << 20;

// Every format of a copy of shapes, which are drawn as the image export
// draws them (without their object's transform).
ClipboardContent ShapesClipboardContent(const EditorContext& ctx,
                                        const std::vector<sShape>& shapes);

// Plain text that begins, after blanks, as an SVG document does ("<?xml" or
// "<svg") and is at most kMaxSvgTextBytes long.
bool LooksLikeSvgText(std::string_view text);

}  // namespace tavisk
