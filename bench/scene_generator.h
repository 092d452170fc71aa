// Seeded scenes for the benchmarks: every shape type and style, one shape in
// six a text, sizes 8 to 256 pixels, a third with an active effect, spread
// over a canvas.
#pragma once

#include <cstdint>

#include "document/editor_context.h"

namespace tavisk::bench {

struct SceneRecipe {
  int shapes = 1000;
  uint32_t seed = 1;
  int width = 1920;
  int height = 1080;
  int shapesPerObject = 1000;
};

// Replaces the scene of ctx (objects of at most shapesPerObject shapes) and
// makes it ready to draw, with the first object current.
void GenerateScene(EditorContext& ctx, const SceneRecipe& recipe);

}  // namespace tavisk::bench
