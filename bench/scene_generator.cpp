#include "scene_generator.h"

#include <QImage>
#include <algorithm>
#include <random>

#include "document/numeric.h"

namespace tavisk::bench {

namespace {

constexpr const char* kWords[] = {"Tavisk", "layer", "Box 12", "shape", "Fx!", "Hello world",
                                  "curve", "42"};

class Dice {
 public:
  explicit Dice(uint32_t seed) : engine_(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
  int64_t Colour() { return RGBA(Int(0, 255), Int(0, 255), Int(0, 255), Int(128, 255)); }

 private:
  std::mt19937 engine_;
};

QImage MakePicture() {
  QImage picture(64, 64, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) picture.setPixelColor(x, y, QColor(x * 4, y * 4, 128, 255));
  }
  return picture;
}

// Points spread over a square of side size, relative to the shape position.
void ScatterPoints(sShape& shape, Dice& dice, int count, int size) {
  shape.Pt.clear();
  for (int i = 0; i < count; ++i) {
    shape.Pt.push_back(sPoint{dice.Int(0, size), dice.Int(0, size), 0, 0});
  }
}

sShape MakeShape(Dice& dice, const SceneRecipe& recipe, int index, int64_t picture) {
  sShape shape;
  const int size = dice.Int(8, 256);
  shape.Typ = index % 6 == 0 ? kText : static_cast<uint8_t>(dice.Int(0, 6));
  shape.Style = static_cast<uint8_t>(dice.Int(0, 4));
  shape.X = static_cast<int16_t>(dice.Int(-size / 2, recipe.width - size / 2));
  shape.Y = static_cast<int16_t>(dice.Int(-size / 2, recipe.height - size / 2));
  shape.W = static_cast<int16_t>(size);
  shape.H = static_cast<int16_t>(dice.Int(8, 256));
  shape.Color = dice.Colour();
  shape.Alpha = static_cast<uint8_t>(Alpha(shape.Color));
  shape.Width = static_cast<int16_t>(dice.Int(1, 8));
  shape.Height = static_cast<int16_t>(dice.Int(2, 12));
  shape.Dist = static_cast<int16_t>(dice.Int(4, 16));
  shape.Close = static_cast<uint8_t>(dice.Int(0, 1));
  shape.Id = index;
  switch (shape.Typ) {
    case kComplexShape:
      ScatterPoints(shape, dice, 3 * dice.Int(2, 4), size);
      break;
    case kLine:
      ScatterPoints(shape, dice, dice.Int(2, 6), size);
      break;
    case kCurve:
      ScatterPoints(shape, dice, 1 + 3 * dice.Int(1, 2), size);
      break;
    case kImage:
      shape.Image = picture;
      break;
    case kText:
      shape.Text = kWords[dice.Int(0, static_cast<int>(std::size(kWords)) - 1)];
      shape.W = static_cast<int16_t>(std::min(size, 128));
      break;
    default:
      break;
  }
  sShapeFx fx;
  fx.Scale = 100;
  fx.Color = RGBA(255, 120, 0, 255);
  fx.Width = 10;
  fx.Height = 5;
  fx.Dist = 5;
  shape.Fx = {fx};
  if (index % 3 == 1) {
    sShapeFx& active = shape.Fx.front();
    active.Actif = 1;
    active.Depth = static_cast<uint8_t>(dice.Int(0, 1));
    active.X = static_cast<int16_t>(dice.Int(-12, 12));
    active.Y = static_cast<int16_t>(dice.Int(-12, 12));
    active.Scale = static_cast<int16_t>(dice.Int(50, 150));
    active.Typ = static_cast<uint8_t>(dice.Int(0, 3));
    active.Color = dice.Colour();
    active.Width = dice.Int(1, 6);
  }
  return shape;
}

}  // namespace

void GenerateScene(EditorContext& ctx, const SceneRecipe& recipe) {
  Dice dice(recipe.seed);
  const int64_t picture = ctx.Pictures.Add(MakePicture());
  ctx.Obj.clear();
  for (int made = 0; made < recipe.shapes;) {
    sObject object;
    object.HasShape = 1;
    object.W = 100;
    object.H = 100;
    object.Alpha = 255;
    object.Depth = static_cast<uint8_t>(ctx.Obj.size());
    object.Shape.clear();
    const int count = std::min(recipe.shapesPerObject, recipe.shapes - made);
    for (int i = 0; i < count; ++i, ++made) {
      object.Shape.push_back(MakeShape(dice, recipe, made, picture));
    }
    ctx.Obj.push_back(std::move(object));
  }
  if (ctx.Obj.empty()) ctx.Obj.emplace_back();
  ctx.ObjReady = 1;
  ctx.CurrentObject = 0;
  ctx.CurrentShape = -1;
}

}  // namespace tavisk::bench
