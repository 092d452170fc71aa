#include "edit/shape_creation.h"

#include <string>

#include "document/field_text.h"
#include "document/numeric.h"
#include "document/object_creation.h"
#include "document/picture_loader.h"
#include "edit/shape_template.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

struct ShapeSource {
  std::string Prefix;
  int64_t Picture = 0;
  std::string PicturePath;
};

std::string WithoutExtension(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// The document stores the path in a field that ",", ";" and line breaks
// would end: such a path could not be read back, so it is refused here
// rather than changed into the path of another file.
bool StorablePath(const std::string& path) {
  return SanitizeFieldText(path, true) == path;
}

// The picture at path, loaded for an image shape; false (the user told why)
// when it cannot be one.
bool TakePicture(EditorContext& ctx, const std::string& path, ShapeSource& source) {
  source.PicturePath = path;
  if (!StorablePath(source.PicturePath)) {
    ctx.Req->Message("Error",
                     "The document cannot keep a picture whose path holds \",\", \";\" or a "
                     "line break: rename " +
                         SanitizeFieldText(source.PicturePath, true) + " and pick it again.",
                     MessageIcon::Error);
    return false;
  }
  ctx.Pictures.StartBatch();
  // LoadPicture has already told the user why a picture failed, or that it
  // does not fit in the picture budget.
  source.Picture = LoadPicture(ctx, 0, source.PicturePath);
  if (ctx.Pictures.Get(source.Picture) == nullptr || ctx.Pictures.IsPlaceholder(source.Picture)) {
    return false;
  }
  source.Prefix = WithoutExtension(FileNamePart(source.PicturePath));
  return true;
}

bool ChoosePicture(EditorContext& ctx, ShapeSource& source) {
  const std::string path = ctx.Req->OpenFile("Image", "", "Png(.png)|*.png|Jpg|*.jpg", 0);
  return !path.empty() && TakePicture(ctx, path, source);
}

// The name prefix of the new shape and, for the image tool, its picture;
// false when no shape is to be made.
bool ChooseSource(EditorContext& ctx, ShapeType type, ShapeSource& source) {
  switch (type) {
    case kBox:
      source.Prefix = "Box_";
      return true;
    case kCircle:
      source.Prefix = "Circle_";
      return true;
    case kLine:
      source.Prefix = "Line_";
      return true;
    case kCurve:
      source.Prefix = "Curve_";
      return true;
    case kText:
      source.Prefix = "Text_";
      return true;
    case kImage:
      return ChoosePicture(ctx, source);
    default:  // no rounded box yet
      return false;
  }
}

// The template's shapes keep their layout; the first lands where the user
// pressed, not where the template was drawn.
int AddComplexShape(EditorContext& ctx, int64_t x, int64_t y) {
  MakeTemplateSlot(ctx);
  if (!InsertShapeTemplate(ctx)) return 0;
  sObject* object = ctx.CurrentObjectPtr();
  const size_t first = static_cast<size_t>(ctx.CurrentShape);
  const int64_t dx = x - object->Shape[first].X;
  const int64_t dy = y - object->Shape[first].Y;
  for (size_t i = first; i < object->Shape.size(); ++i) {
    object->Shape[i].X = Wrap16(object->Shape[i].X + dx);
    object->Shape[i].Y = Wrap16(object->Shape[i].Y + dy);
  }
  ctx.ObjReady = 1;
  ctx.CurrentShape = LastIndex(object->Shape);
  object->HasShape = 1;
  return 1;
}

}  // namespace

// A shape of type from source, pressed at (x, y).
int PlaceShape(EditorContext& ctx, ShapeType type, const ShapeSource& source, int64_t x,
               int64_t y) {
  sObject& object = *ctx.CurrentObjectPtr();
  // An object without shapes fills its placeholder.
  if (object.HasShape != 0) object.Shape.emplace_back();
  const int64_t s = LastIndex(object.Shape);
  object.HasShape = 1;
  ctx.ObjReady = 1;
  ctx.CurrentShape = s;

  sShape& shape = object.Shape[static_cast<size_t>(s)];
  ResizeToLast(shape.Pt, 0);
  shape.Width = 10;
  shape.Height = 5;
  shape.Dist = 5;
  // The press position is point 0, except for a curve, whose four points
  // are spread around it.
  shape.Pt[0].X = x;
  shape.Pt[0].Y = y;
  if (type == kLine) {
    ResizeToLast(shape.Pt, 1);
    shape.Pt[1].X = x;
    shape.Pt[1].Y = y;
    shape.Style = kLineStyle;
  } else if (type == kCurve) {
    ResizeToLast(shape.Pt, 3);
    for (int64_t i = 0; i < 4; ++i) {
      shape.Pt[static_cast<size_t>(i)].X = x + 5 * i - 10;
      shape.Pt[static_cast<size_t>(i)].Y = y + 5 * i - 10;
    }
    shape.Style = kLineStyle;
  }
  shape.StartX = Wrap16(x);
  shape.StartY = Wrap16(y);
  shape.Id = s;
  shape.Id8 = Wrap8(s);
  shape.W = 5;
  shape.H = 5;
  shape.Name = source.Prefix + std::to_string(s);
  shape.Alpha = 255;
  shape.Color = RGBA(220, 220, 120, 255);
  shape.Typ = type;

  // Box, circle, text and image keep their place in X, Y around the point
  // (0, 0); lines and curves keep it in their points.
  if (type != kLine && type != kCurve) {
    shape.X = Wrap16(x);
    shape.Y = Wrap16(y);
    shape.Pt[0].X = 0;
    shape.Pt[0].Y = 0;
  }
  if (type == kText) {
    shape.W = 10;
    shape.Text = "Text_0";
    shape.FontName = "Times New roman";
    shape.FontStyle = kFontBold;
    shape.Font = ctx.Fonts.Load("Times New roman", 20, kFontBold);
  } else if (type == kImage) {
    const QImage* picture = ctx.Pictures.Get(source.Picture);
    shape.Image = source.Picture;
    shape.W = Wrap16(picture->width());
    shape.H = Wrap16(picture->height());
    shape.ImageFile = source.PicturePath;
  }

  InitShapeFx(ctx, 0);
  return 1;
}

int AddShape(EditorContext& ctx, ShapeType type, int64_t x, int64_t y) {
  ctx.CurrentPoint = 0;
  if (ctx.CurrentObjectPtr() == nullptr) return 0;
  if (type == kComplexShape) return AddComplexShape(ctx, x, y);
  ShapeSource source;
  if (!ChooseSource(ctx, type, source)) return 0;
  return PlaceShape(ctx, type, source, x, y);
}

int AddPictureShape(EditorContext& ctx, const std::string& path, int64_t x, int64_t y) {
  ctx.CurrentPoint = 0;
  if (ctx.CurrentObjectPtr() == nullptr) return 0;
  ShapeSource source;
  if (!TakePicture(ctx, path, source)) return 0;
  return PlaceShape(ctx, kImage, source, x, y);
}

void InitShapeFx(EditorContext& ctx, int64_t k) {
  sShape* shape = ctx.CurrentShapePtr();
  if (shape != nullptr && ValidIndex(shape->Fx, k)) {
    SetNewShapeFx(shape->Fx[static_cast<size_t>(k)], k);
  }
}

}  // namespace tavisk
