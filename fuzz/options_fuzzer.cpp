// "Preferences.ini": any bytes read without harm, and options read from a
// JSON object write and read back to the same options.
#include <cstddef>
#include <cstdint>
#include <string>

#include "io/options/options_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavisk::sPzOptions options;
  tavisk::SetDefaultOptions(options);
  if (!tavisk::OptionsFromJson(std::string(reinterpret_cast<const char*>(data), size), options)) {
    return 0;
  }
  const std::string json = tavisk::OptionsToJson(options);
  tavisk::sPzOptions again;
  if (!tavisk::OptionsFromJson(json, again) || tavisk::OptionsToJson(again) != json) {
    __builtin_trap();
  }
  return 0;
}
