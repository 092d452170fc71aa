// Large documents in the writer's own format, made up in the test: every
// object has shapes of every vector type, each shape one Fx and some points.
#pragma once

#include <string>

namespace tavisk::test {

// 1 + objects * (1 + shapes * (2 + points)) lines; salt changes every
// number, so two salts give two different documents of the same size.
inline std::string GeneratedDocumentText(int objects, int shapes, int points, int salt) {
  std::string text = "gen, ,0.13,\r\n";
  for (int o = 0; o < objects; ++o) {
    text += "obj,Layer" + std::to_string(o) + "," + std::to_string(o + salt) + ",0,100,100,0,0,0\r\n";
    for (int s = 0; s < shapes; ++s) {
      const std::string n = std::to_string(s);
      const std::string v = std::to_string((s * 7 + salt) % 1000);
      text += "shape," + n + ",-8856356,shape_" + n + ",255,1,3,4,2," + std::to_string(s % 6) +
              "," + v + ",20,," + v + ",-" + v + ",\r\n";
      text += "shapefx,0,3,4,-16746241,200,1,2,12,6,7,90,1,-2,1\r\n";
      for (int p = 0; p < points; ++p) {
        text += "pt," + std::to_string(p) + "," + std::to_string(p + salt) + "," + v + ",\r\n";
      }
    }
  }
  return text;
}

}  // namespace tavisk::test
