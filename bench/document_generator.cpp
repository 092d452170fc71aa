#include "document_generator.h"

#include <random>
#include <string>

#include "document/numeric.h"

namespace tavisk::bench {

std::vector<sObject> GenerateDocumentScene(int shapeCount, uint32_t seed) {
  std::mt19937 random(seed);
  const auto in = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  // Image shapes are left out: they would time the picture files, not the text.
  const uint8_t types[] = {kComplexShape, kBox, kCircle, kLine, kCurve, kText};
  const int perObject = 1000;
  std::vector<sObject> objects((shapeCount + perObject - 1) / perObject);
  int made = 0;
  for (size_t o = 0; o < objects.size(); ++o) {
    sObject& object = objects[o];
    object.Name = "Layer " + std::to_string(o);
    object.X = in(-500, 500);
    object.Y = in(-500, 500);
    object.W = object.H = 100;
    object.Depth = Wrap8(static_cast<int64_t>(o));
    object.HasShape = 1;
    object.Shape.resize(std::min(perObject, shapeCount - made));
    for (sShape& s : object.Shape) {
      s.Typ = types[in(0, 5)];
      s.Name = "Shape_" + std::to_string(made++);
      s.Color = RGBA(in(0, 255), in(0, 255), in(0, 255), 255);
      s.Alpha = 255;
      s.Style = Wrap8(in(0, 3));
      s.Width = Wrap16(in(1, 20));
      s.Height = 5;
      s.Dist = 5;
      s.W = Wrap16(in(5, 400));
      s.H = Wrap16(in(5, 400));
      s.X = Wrap16(in(-2000, 2000));
      s.Y = Wrap16(in(-2000, 2000));
      if (s.Typ == kText) {
        s.Text = "Text_0";
        s.FontName = "Times New roman";
        s.FontStyle = 256;
      }
      s.Pt.resize(4);
      for (sPoint& p : s.Pt) {
        p.X = in(-3000, 3000);
        p.Y = in(-3000, 3000);
      }
      sShapeFx& fx = s.Fx[0];
      fx.X = Wrap16(in(-20, 20));
      fx.Y = Wrap16(in(-20, 20));
      fx.Color = RGBA(255, 120, 0, 255);
      fx.Alpha = 255;
      fx.Depth = Wrap8(in(0, 1));
      fx.Typ = Wrap8(in(0, 3));
      fx.Width = 10;
      fx.Height = 5;
      fx.Dist = 5;
      fx.Scale = Wrap16(in(50, 200));
      fx.Actif = Wrap8(in(0, 1));
    }
  }
  return objects;
}

}  // namespace tavisk::bench
