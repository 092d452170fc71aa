// The toolbar strip: the tool buttons, the transformation-offset list and
// the snap settings.
#pragma once

#include <cstdint>
#include <functional>

#include "app/editor_icons.h"
#include "document/editor_context.h"

class QWidget;

namespace tavisk {

// Fills a fresh strip; onTool receives the tool of a pressed button.
void FillToolbar(QWidget* strip, EditorContext& ctx, const EditorIconSet& icons,
                 const std::function<void(uint8_t)>& onTool);

// Exactly the button of tool shows pressed.
void ShowToolPressed(QWidget* strip, uint8_t tool);

// The gadget of a strip by number; nullptr when absent.
QWidget* ToolbarGadget(QWidget* strip, int gadget);

}  // namespace tavisk
