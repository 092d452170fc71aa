// Named Fx presets: one "data\shapefx\<name>.sfx" file per preset, saved
// from and applied to the current Fx of the current shape.
#pragma once

#include <string>
#include <vector>

#include "document/editor_context.h"

namespace tavisk {

// Asks for a name, renames the current Fx to it (also when the file cannot
// be written), writes the preset (making the folder when it is missing, and
// telling the user when the file cannot be written) and shows the new Fx
// and preset lists.
void SaveFxPreset(EditorContext& ctx);

// Applies the preset of that name (see PresetListName) to the current Fx,
// then refreshes the Fx gadgets and the canvas, also when there is no such
// file. A preset file that is not a regular file (a FIFO, a device) is not
// read, and the user is told; so is a save over one.
void LoadFxPreset(EditorContext& ctx, const std::string& name);

// The preset names found in the folder, in the folder's order.
std::vector<std::string> ListFxPresets();

// The file name (without ".sfx") a preset name is kept under: path
// separators and a leading dot become "_", so whatever is typed the file
// stays a visible file inside the preset folder. A name that is already a
// file name maps to itself.
std::string PresetFileName(const std::string& name);

// The name a preset list entry applies: its first 20 characters, so a
// longer name is listed but finds no file.
std::string PresetListName(const std::string& entry);

}  // namespace tavisk
