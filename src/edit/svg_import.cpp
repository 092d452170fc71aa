#include "edit/svg_import.h"

#include "document/object_creation.h"
#include "document/special_file_message.h"
#include "io/svg/svg_limits.h"
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

std::string LayerName(const std::string& path) {
  std::string name = FileNamePart(path);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name.empty() ? "SVG" : name;
}

}  // namespace

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
  layer.Name = name;
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
      file.empty() ? ctx.Req->OpenFile(kSvgImportTitle, "", "SVG pictures|*.svg|All Files|*.*", 0) : file;
  if (path.empty()) return false;
  if (IsSpecialFile(path)) {
    TellNotARegularFile(*ctx.Req, path);
    return false;
  }
  if (FileSize(path) > static_cast<int64_t>(kMaxSvgBytes)) {
    ctx.Req->Message(kSvgImportTitle,
                     "The file is larger than an SVG import may be (32 MiB): " + path,
                     MessageIcon::Error);
    return false;
  }
  std::string text;
  const FileOutcome outcome = ReadFile(path, text);
  if (outcome == FileOutcome::NotRegular) {
    TellNotARegularFile(*ctx.Req, path);
    return false;
  }
  if (outcome != FileOutcome::Done) {
    ctx.Req->Message(kSvgImportTitle, "Cannot read the file: " + path, MessageIcon::Error);
    return false;
  }
  SvgImportOptions options;
  options.Scale = scale;
  return ImportSvgLayer(ctx, ReadSvgText(text, options), LayerName(path));
}

}  // namespace tavisk
