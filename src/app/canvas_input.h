// Turns the canvas widget's Qt events into the tools' input.
#pragma once

#include <optional>

#include "edit/canvas_tools.h"

class QEvent;
class QWidget;

namespace tavisk {

// nullopt for events the tools do not take (auto-repeated keys among them,
// which would make a held Space flicker, but for the arrows: a held arrow
// keeps moving the selection).
std::optional<CanvasInput> ToCanvasInput(const QEvent* event, const QWidget* canvas);

}  // namespace tavisk
