// The scene records: objects (layers) hold shapes, shapes hold points and
// effects. Every array holds at least one element; a new element is zeroed
// and its own arrays hold one zeroed element each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavisk {

enum ShapeType : uint8_t {
  kComplexShape = 0,
  kBox = 1,
  kRoundBox = 2,
  kCircle = 3,
  kLine = 4,
  kCurve = 5,
  kImage = 6,
  kText = 7,
};

enum ShapeStyle : uint8_t { kFilled = 0, kLineStyle = 1, kDash = 2, kDot = 3, kCustom = 4 };

struct sPoint {
  int64_t X = 0;
  int64_t Y = 0;
  int64_t StartX = 0;
  int64_t StartY = 0;

  bool operator==(const sPoint&) const = default;
};

struct sShapeFx {
  std::string Name;
  int16_t X = 0;
  int16_t Y = 0;
  uint8_t Typ = 0;
  int64_t Color = 0;
  uint8_t Alpha = 0;
  uint8_t Depth = 0;  // 0 back, 1 front, 2 all back, 3 all front
  int64_t Width = 0;
  int64_t Height = 0;
  int16_t P1 = 0;
  int16_t P2 = 0;
  int16_t Scale = 0;
  int64_t Dist = 0;
  uint8_t Actif = 0;

  bool operator==(const sShapeFx&) const = default;
};

struct sShape {
  std::string Name;
  std::vector<sPoint> Pt{sPoint{}};
  std::vector<sShapeFx> Fx{sShapeFx{}};
  uint8_t Typ = 0;
  std::string Text;
  int64_t Font = 0;  // handle in the editor's font store; 0 names no font
  std::string FontName;
  int64_t FontStyle = 0;
  int64_t Image = 0;  // handle in the picture store; 0 or -1 name no picture
  int16_t ImageP1 = 0;
  std::string ImageFile;
  double ScaleFactor = 0;
  int16_t Angle = 0;
  int16_t X = 0;
  int16_t Y = 0;
  int16_t W = 0;
  int16_t H = 0;
  int16_t StartX = 0;
  int16_t StartY = 0;
  int16_t CX = 0;
  int16_t CY = 0;
  int64_t Color = 0;
  uint8_t Alpha = 0;
  uint8_t Close = 0;
  uint8_t Link = 0;
  int64_t Id = 0;
  uint8_t Id8 = 0;
  uint8_t Selected = 0;
  uint8_t Hide = 0;
  uint8_t Locked = 0;
  uint8_t Style = 0;
  int16_t Width = 0;
  int16_t Height = 0;
  int16_t Dist = 0;

  bool operator==(const sShape&) const = default;
};

struct sObject {
  std::vector<sShape> Shape{sShape{}};
  uint8_t HasShape = 0;
  std::string Name;
  uint8_t Depth = 0;
  uint8_t Alpha = 0;
  int64_t X = 0;
  int64_t Y = 0;
  int16_t W = 0;
  int16_t H = 0;
  int16_t CenterX = 0;
  int16_t CenterY = 0;
  int16_t Angle = 0;
  uint8_t Hide = 0;
  uint8_t Locked = 0;

  bool operator==(const sObject&) const = default;
};

// Index of the last element, as the records count their arrays.
template <typename T>
inline int64_t LastIndex(const std::vector<T>& array) {
  return static_cast<int64_t>(array.size()) - 1;
}

// Resizes so that last is the last index; the array never becomes empty.
template <typename T>
inline void ResizeToLast(std::vector<T>& array, int64_t last) {
  array.resize(static_cast<size_t>(last < 0 ? 1 : last + 1));
}

template <typename T>
inline bool ValidIndex(const std::vector<T>& array, int64_t index) {
  return index >= 0 && index < static_cast<int64_t>(array.size());
}

}  // namespace tavisk
