// Documents and templates in every load mode. The first byte picks the mode;
// merge and template modes read onto the scene the same text made in replace
// mode, so they meet damaged scenes as well as damaged lines. A loaded scene
// must save and export; saving what was loaded settles after one more load
// (the first may still turn placeholders into real shapes).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "edit/document_loading.h"
#include "io/document/document_writer.h"
#include "io/purebasic/source_export.h"

namespace {

using namespace tavisk;

const PictureLoader kNoPictures = [](const std::string&) { return int64_t{0}; };

std::string SavedText(std::string_view text, int mode) {
  EditorContext ctx;
  LoadDocumentText(ctx, kLoadReplace, text, kNoPictures);
  if (mode != kLoadReplace) LoadDocumentText(ctx, mode, text, kNoPictures);
  for (const sObject& object : ctx.Obj) ObjectSourceText(object, "01/01/2000");
  return WriteDocumentText(ctx.Obj);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int mode = data[0] % 3;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string settled = SavedText(SavedText(text, mode), kLoadReplace);
  if (SavedText(settled, kLoadReplace) != settled) __builtin_trap();
  return 0;
}
