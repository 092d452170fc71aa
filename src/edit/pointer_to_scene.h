// Converts a pointer position on the canvas into the current object's user
// units (MX, MY) and into scene units without the pan (SX, SY).
#pragma once

#include <QTransform>
#include <cstdint>
#include <optional>

#include "edit/editor.h"

namespace tavisk {

struct ScenePointer {
  int64_t MX = 0;
  int64_t MY = 0;
  int64_t SX = 0;
  int64_t SY = 0;
};

// The object's drawing transform: scale in percent, rotation about its
// centre, then its offset.
QTransform ObjectTransform(const sObject& object);

// nullopt when the current object's transform cannot be inverted (a scale
// of 0): no tool can act then.
std::optional<ScenePointer> PointerToScene(const Editor& ctx, double pointerX, double pointerY);

}  // namespace tavisk
