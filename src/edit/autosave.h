// The autosave: the whole scene written at the interval of the options into
// "data\shapes\_autosave\", without touching the document's own name.
#pragma once

#include <cstdint>
#include <string>

#include "document/editor_context.h"

namespace tavisk {

// "data/shapes/_autosave/autosave" + number + ".txt"
std::string AutosavePath(int64_t number);

// Start-up: picks this run's autosave number (0 to 1000000) and sets the
// clock so the first autosave is due two periods after nowMs.
void StartAutosaveClock(EditorContext& ctx, int64_t nowMs);

// Once per event: when autosave is on and nowMs is past the clock plus the
// period (at least kMinAutosaveSeconds), restarts the clock and saves a copy,
// creating the folder when it is missing. Every failure is silent; the next
// due event tries again.
void CheckAutosave(EditorContext& ctx, int64_t nowMs);

}  // namespace tavisk
