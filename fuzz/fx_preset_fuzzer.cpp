// Fx preset files: any bytes apply without harm, and an applied preset saves
// and applies back to the same settings once its name is settled (an empty
// name, which saving never writes, reads back as "fx_" + the index).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "io/fx_presets/fx_preset_text.h"

namespace {

std::string Reformatted(std::string_view text) {
  tavisk::sShapeFx fx;
  tavisk::ApplyFxPresetText(fx, 3, text);
  return tavisk::FormatFxPreset(fx, 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string settled =
      Reformatted(Reformatted(std::string_view(reinterpret_cast<const char*>(data), size)));
  if (Reformatted(settled) != settled) __builtin_trap();
  return 0;
}
