// New shapes made by the creation tools, and new effects.
#pragma once

#include <cstdint>
#include <string>

#include "document/editor_context.h"

namespace tavisk {

// Creates a shape of type (kComplexShape inserts the shape template) in the
// current object at the scene position (x, y) and makes it current. An image
// asks for a picture file. Answers 1 when a shape was created.
int AddShape(EditorContext& ctx, ShapeType type, int64_t x, int64_t y);

// The image tool's shape for the picture at path, without asking for one;
// the user is told when the file cannot be a picture. Answers 1 when a shape
// was created.
int AddPictureShape(EditorContext& ctx, const std::string& path, int64_t x, int64_t y);

// Gives element k of the current shape's Fx its defaults (inactive, colour
// red 255 green 120 blue 0), then refreshes the Fx list and the properties.
void InitShapeFx(EditorContext& ctx, int64_t k);

}  // namespace tavisk
