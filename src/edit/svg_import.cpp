#include "edit/svg_import.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

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

// Our points are whole units: a picture smaller than kSmallPictureSide on
// its larger side would lose its detail at scale 1, so the import offers a
// whole scale that makes it at least kEnlargedPictureSide.
constexpr double kSmallPictureSide = 64;
constexpr double kEnlargedPictureSide = 128;
constexpr double kMaxImportScale = 1024;

double SuggestedScale(const SvgReadResult& read) {
  const double side = std::max(read.Width, read.Height);
  if (!read.Read || !(side > 0) || side >= kSmallPictureSide) return 1;
  return std::min(std::ceil(kEnlargedPictureSide / side), kMaxImportScale);
}

// The scale the user chose for a small picture; nothing when they cancelled
// or typed no scale (they are told so).
std::optional<double> AskScale(EditorContext& ctx, const SvgReadResult& read) {
  const double suggested = SuggestedScale(read);
  if (suggested == 1) return 1.0;
  const std::string answer =
      ctx.Req->Input(kSvgImportTitle,
                     "The picture is " + std::to_string(std::lround(read.Width)) + " x " +
                         std::to_string(std::lround(read.Height)) +
                         " units, and points are whole units. Import it at this scale:",
                     std::to_string(std::lround(suggested)));
  if (answer.empty()) return std::nullopt;
  char* end = nullptr;
  const double scale = std::strtod(answer.c_str(), &end);
  if (end == answer.c_str() || *end != '\0' || !(scale > 0) || scale > kMaxImportScale) {
    ctx.Req->Message(kSvgImportTitle, "The scale must be a number above 0 and at most 1024.",
                     MessageIcon::Error);
    return std::nullopt;
  }
  return scale;
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

bool ImportSvgFile(EditorContext& ctx, const std::string& file) {
  const std::string path =
      file.empty() ? ctx.Req->OpenFile(kSvgImportTitle, "", "SVG pictures|*.svg|All Files|*.*", 0)
                   : file;
  if (path.empty()) return false;
  SvgReadResult read = ReadSvgFile(path);
  const std::optional<double> scale = AskScale(ctx, read);
  if (!scale) return false;
  if (*scale != 1) {
    SvgImportOptions options;
    options.Scale = *scale;
    read = ReadSvgFile(path, options);
  }
  return ImportSvgLayer(ctx, read, SvgLayerName(path));
}

}  // namespace tavisk
