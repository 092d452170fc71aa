#include "edit/autosave.h"

#include <algorithm>

#include "edit/document_file.h"
#include "platform/clock.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

// AutosaveTime comes from the options file: a period so long that the due
// time leaves 64 bits never comes due, and one shorter than the minimum
// (0 or negative included) waits the minimum, so saves never follow every
// event.
bool DueTime(const EditorContext& ctx, int64_t& due) {
  const int64_t seconds = std::max(ctx.Options.AutosaveTime, kMinAutosaveSeconds);
  int64_t period = 0;
  return !__builtin_mul_overflow(seconds, int64_t{1000}, &period) &&
         !__builtin_add_overflow(ctx.AutosaveClock, period, &due);
}

}  // namespace

std::string AutosavePath(int64_t number) {
  return DataPath("data\\shapes\\_autosave\\autosave") + std::to_string(number) + ".txt";
}

void StartAutosaveClock(EditorContext& ctx, int64_t nowMs) {
  ctx.AutosaveNumber = RandomInRange(0, 1000000);
  ctx.AutosaveClock = nowMs;
  int64_t due = 0;
  if (DueTime(ctx, due)) ctx.AutosaveClock = due;
}

void CheckAutosave(EditorContext& ctx, int64_t nowMs) {
  int64_t due = 0;
  if (ctx.Options.Autosave != 1 || !DueTime(ctx, due) || nowMs <= due) return;
  ctx.AutosaveClock = nowMs;
  MakeDirectories(DataPath("data\\shapes\\_autosave"));
  SaveDocument(ctx, AutosavePath(ctx.AutosaveNumber), 1);
}

}  // namespace tavisk
