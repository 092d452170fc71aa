// The SVG export: what the canvas and the image export draw, as an SVG 1.1
// document. Every paint of a shape (its effects below, the shape, its
// effects above) becomes an element in drawing order, one group per object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/editor_context.h"
#include "document/scene.h"
#include "render/image_export.h"

namespace tavisk {

enum class SvgExportResult {
  Saved,
  // Nothing drawn in the rectangle, a rectangle outside the drawing or no
  // such object.
  NothingSaved,
  WriteFailed,
  // The drawing the rectangle is found on would exceed kMaxExportPixels.
  TooLarge,
};

struct SvgExportOptions {
  int Area = kExportDrawnArea;  // or kExportCamera
  // Every visible object when negative, else this object, even hidden.
  int64_t Object = -1;
  // Texts as their outlines, which look the same without the font.
  bool TextAsPaths = false;
};

struct SvgScene {
  SvgExportResult Result = SvgExportResult::NothingSaved;
  std::string Text;  // the document when Result is Saved
};

// The scene over the rectangle the image export cuts with the same canvas
// size and area, in the same coordinates: the drawn area or the camera.
SvgScene SceneSvgText(const EditorContext& ctx, const SvgExportOptions& options, int canvasWidth,
                      int canvasHeight);

// SceneSvgText written to path in one step.
SvgExportResult SaveSceneSvg(const EditorContext& ctx, const SvgExportOptions& options,
                             int canvasWidth, int canvasHeight, const std::string& path);

// The given shapes alone, as drawn, over their drawn area, in the
// coordinates of the scene; "" when they draw nothing or their area is
// larger than an image export may be.
std::string ShapesSvgText(const EditorContext& ctx, const std::vector<sShape>& shapes);

// The answer with ".svg" appended unless its extension is exactly "svg".
std::string SvgFileName(const std::string& answer);

}  // namespace tavisk
