#include "edit/svg_import.h"

#include "document/field_text.h"
#include "document/object_creation.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

std::string DroppedText(const std::vector<std::string>& dropped) {
  std::string text = "The picture was imported without what this drawing cannot hold: ";
  for (size_t i = 0; i < dropped.size(); ++i) {
    text += (i == 0 ? "" : ", ") + dropped[i];
  }
  return text + ".";
}

}  // namespace

std::string SvgLayerName(const std::string& path) {
  std::string name = FileNamePart(path);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name.empty() ? "SVG" : CutToCharacters(SanitizeFieldText(name, false), kNameCharacters);
}

bool ImportSvgLayer(EditorContext& ctx, const SvgReadResult& read, const std::string& name) {
  if (!read.Read) {
    ctx.Req->Message(kSvgImportTitle, "The picture could not be imported. " + read.Error,
                     MessageIcon::Error);
    return false;
  }
  AddObject(ctx, 1);
  sObject& layer = *ctx.CurrentObjectPtr();
  const uint8_t depth = layer.Depth;
  layer = read.Layer;
  layer.Depth = depth;
  layer.Name = CutToCharacters(SanitizeFieldText(name, false), kNameCharacters);
  for (sShape& shape : layer.Shape) {
    if (shape.Typ == kText) {
      shape.Font = ctx.Fonts.Load(shape.FontName, shape.W, shape.FontStyle);
    }
  }
  ctx.CurrentShape = 0;
  ctx.CurrentPoint = 0;
  ctx.ObjReady = 1;
  if (!read.Dropped.empty()) {
    ctx.Req->Message(kSvgImportTitle, DroppedText(read.Dropped), MessageIcon::Info);
  }
  return true;
}

bool ImportSvgFile(EditorContext& ctx, const std::string& file, double scale) {
  const std::string path =
      file.empty() ? ctx.Req->OpenFile(kSvgImportTitle, "", "SVG pictures|*.svg|All Files|*.*", 0)
                   : file;
  if (path.empty()) return false;
  SvgImportOptions options;
  options.Scale = scale;
  return ImportSvgLayer(ctx, ReadSvgFile(path, options), SvgLayerName(path));
}

}  // namespace tavisk
