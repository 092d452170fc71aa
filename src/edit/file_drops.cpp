#include "edit/file_drops.h"

#include <algorithm>
#include <cctype>

#include "edit/document_file.h"
#include "edit/pointer_to_scene.h"
#include "edit/shape_creation.h"
#include "edit/svg_import.h"
#include "io/document/document_reader.h"

namespace tavisk {

namespace {

std::string LowerExtension(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

void PlacePicture(Editor& ctx, const std::string& path, QPointF canvasPointer) {
  const std::optional<ScenePointer> scene =
      PointerToScene(ctx, canvasPointer.x(), canvasPointer.y());
  if (scene) AddPictureShape(ctx, path, scene->SX, scene->SY);
}

}  // namespace

DroppedFileKind KindOfDroppedFile(const std::string& path) {
  const std::string extension = LowerExtension(path);
  if (extension == "txt") return DroppedFileKind::Document;
  if (extension == "svg") return DroppedFileKind::Svg;
  return DroppedFileKind::Picture;
}

void DropFiles(Editor& ctx, const std::vector<std::string>& paths, QPointF canvasPointer) {
  for (const std::string& path : paths) {
    switch (KindOfDroppedFile(path)) {
      case DroppedFileKind::Document:
        LoadDocument(ctx, kLoadMerge, path);
        break;
      case DroppedFileKind::Svg:
        ImportSvgFile(ctx, path);
        break;
      case DroppedFileKind::Picture:
        PlacePicture(ctx, path, canvasPointer);
        break;
    }
  }
}

}  // namespace tavisk
