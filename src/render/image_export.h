// "Export shape as image" (the drawn area) and "Export Scene (image)" (the
// camera rectangle): every shape of every visible object at scale 1 on a
// transparent picture, saved as PNG with alpha.
#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <string>

#include "document/editor_context.h"
#include "render/surface.h"

namespace tavisk {

enum ImageExportMode : int { kExportDrawnArea = 0, kExportCamera = 1 };

// The export draws its whole picture in memory, 4 bytes a pixel, before
// cutting it out: at most 64 Mi pixels (8192 x 8192, 256 MiB), four 4K
// screens' worth. The picture is as large as the canvas or the camera,
// whichever is larger on each side.
inline constexpr int64_t kMaxExportPixels = int64_t{8192} * 8192;

// What the user is told when the picture would exceed the budget.
inline constexpr const char* kExportTooLargeText =
    "The picture would be larger than an image export may be: at most 67108864 pixels "
    "(8192 x 8192). Make the camera smaller.";

enum class ImageExportResult {
  Saved,
  // No picture to save: nothing drawn, a rectangle outside the drawing, or
  // no drawing image. Not reported to the user.
  NothingSaved,
  WriteFailed,
  // The picture would exceed kMaxExportPixels; nothing was drawn.
  TooLarge,
};

// The smallest rectangle holding every pixel whose alpha is above 0. When
// there is none the rectangle starts at (width, height), outside the image.
QRect DrawnArea(const QImage& image);

// The answer with ".png" appended unless its extension is exactly "png".
std::string ImageFileName(const std::string& answer);

// Clears drawing to transparent and draws every shape of every visible
// object on it at scale 1, as the image export does (on a pool thread).
void PaintSceneForExport(const EditorContext& ctx, QImage& drawing);
// The same with what draw draws on a begun surface over drawing.
void PaintForExport(QImage& drawing, const std::function<void(Surface&)>& draw);

// Draws the scene on an image at least canvas and camera sized, cuts the
// rectangle of mode out of it and writes it to path as it stands, without
// the pan of the canvas. A picture above kMaxExportPixels
// is refused before anything is allocated.
ImageExportResult SaveSceneImage(EditorContext& ctx, int mode, int canvasWidth, int canvasHeight,
                                 const std::string& path);

// The menu command: asks for the file, saves, and tells the user when the
// picture is over the budget or the PNG could not be written.
void ExportImage(EditorContext& ctx, int mode, int canvasWidth, int canvasHeight);

}  // namespace tavisk
