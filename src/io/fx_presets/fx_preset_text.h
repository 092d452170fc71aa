// The text of an Fx preset file, as pure functions: two lines, "gen" with
// the name and version and "shapefx" with the Fx settings (no Actif).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "document/scene.h"

namespace tavisk {

// fxIndex is the Fx's place in its shape, written but never read back.
std::string FormatFxPreset(const sShapeFx& fx, int64_t fxIndex);

// What a preset's text holds; a later line of a kind replaces an earlier
// one.
struct FxPresetReadResult {
  // The "gen" line's name, cut to a typed name's length; empty when the
  // line gives none.
  std::optional<std::string> Name;
  // The "shapefx" line's settings; its Name and Actif are left blank.
  std::optional<sShapeFx> Settings;
};

// Other lines are skipped and malformed numbers read as 0.
FxPresetReadResult ReadFxPreset(std::string_view text);

// Gives fx what the preset read; an empty name becomes "fx_" + fxIndex.
// Actif is left as it is: a preset never switches an Fx on or off.
void ApplyFxPreset(sShapeFx& fx, int64_t fxIndex, const FxPresetReadResult& preset);

// ReadFxPreset, then ApplyFxPreset: applies every "gen" and "shapefx" line of text to fx; other
// lines are skipped and malformed numbers read as 0. An empty name becomes "fx_" + fxIndex; a
// longer name than a typed one (kNameCharacters) is cut to it. Actif is left as it is: a preset
// never switches an Fx on or off.
void ApplyFxPresetText(sShapeFx& fx, int64_t fxIndex, std::string_view text);

}  // namespace tavisk
