// Documents drawn and saved as PNG, as the image export does. The first byte
// picks the export mode (drawn area or camera). Whatever the document, the
// export ends in a PNG of the area it cut or in no file, in bounded memory
// and time: paths and texts far larger than the picture cost what shows.
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "edit/document_loading.h"
#include "platform/picture_decoder.h"
#include "render/image_export.h"

namespace {

using namespace tavisk;

const PictureLoader kNoPictures = [](const std::string&) { return int64_t{0}; };

// Where every input's PNG goes, in a folder of this run's own.
std::string& PngPath() {
  static std::string path;
  return path;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

// Fonts and painting need a GUI application; the offscreen platform needs
// no display.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication application(*argc, *argv);
  char pattern[] = "/tmp/tavisk-image-export-XXXXXX";
  const char* dir = mkdtemp(pattern);
  if (dir == nullptr) std::abort();
  PngPath() = std::string(dir) + "/export.png";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int mode = data[0] % 2 == 0 ? kExportDrawnArea : kExportCamera;
  EditorContext ctx;
  ctx.Options.CameraX = 10;
  ctx.Options.CameraY = 10;
  ctx.Options.CameraW = 200;
  ctx.Options.CameraH = 150;
  LoadDocumentText(ctx, kLoadReplace,
                   std::string_view(reinterpret_cast<const char*>(data + 1), size - 1),
                   kNoPictures);
  std::remove(PngPath().c_str());
  const ImageExportResult result = SaveSceneImage(ctx, mode, 320, 240, PngPath());
  if (result != ImageExportResult::Saved) return 0;
  // What was saved is a picture no larger than the drawing it was cut from.
  const QImage saved = DecodePicture(ReadAll(PngPath()));
  if (saved.isNull() || saved.width() > 320 || saved.height() > 240) __builtin_trap();
  return 0;
}
