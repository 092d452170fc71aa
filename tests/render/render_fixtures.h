// Small scenes, canvases and fakes for the rendering tests.
#pragma once

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "document/editor_context.h"
#include "document/numeric.h"
#include "document/scene.h"
#include "render/shape_hit_index.h"
#include "render/surface.h"

namespace tavisk::test {

inline const int64_t kOpaqueRed = RGBA(255, 0, 0, 255);
inline const int64_t kOpaqueBlue = RGBA(0, 0, 255, 255);
inline const int64_t kOpaqueGreen = RGBA(0, 255, 0, 255);

inline sShape MakeShape(uint8_t typ, int16_t x, int16_t y, int16_t w, int16_t h,
                        int64_t color = kOpaqueRed, uint8_t style = kFilled) {
  sShape shape;
  shape.Typ = typ;
  shape.X = x;
  shape.Y = y;
  shape.W = w;
  shape.H = h;
  shape.Color = color;
  shape.Alpha = static_cast<uint8_t>(Alpha(color));
  shape.Style = style;
  shape.Width = 1;
  shape.Height = 1;
  shape.Dist = 1;
  return shape;
}

inline sShape MakePointShape(uint8_t typ, std::initializer_list<std::pair<int, int>> points,
                             int64_t color = kOpaqueRed, uint8_t style = kFilled) {
  sShape shape = MakeShape(typ, 0, 0, 0, 0, color, style);
  shape.Pt.clear();
  for (auto [x, y] : points) shape.Pt.push_back(sPoint{x, y, 0, 0});
  return shape;
}

inline sShapeFx MakeFx(int16_t x, int16_t y, int16_t scale, uint8_t depth, int64_t color,
                       uint8_t typ = kFilled) {
  sShapeFx fx;
  fx.X = x;
  fx.Y = y;
  fx.Scale = scale;
  fx.Depth = depth;
  fx.Color = color;
  fx.Typ = typ;
  fx.Actif = 1;
  fx.Width = 1;
  fx.Height = 1;
  fx.Dist = 1;
  return fx;
}

inline sObject MakeObject(std::vector<sShape> shapes) {
  sObject object;
  object.Shape = std::move(shapes);
  object.HasShape = 1;
  object.W = 100;
  object.H = 100;
  object.Alpha = 255;
  return object;
}

// One visible box, current with its Fx, and the autosave due as number 42:
// something for every writer (document, source, picture, autosave) to write.
inline void GiveEveryWriterSomething(EditorContext& ctx) {
  ctx.Obj = {MakeObject({MakeShape(kBox, 10, 20, 40, 30)})};
  ctx.ObjReady = 1;
  ctx.CurrentShape = 0;
  ctx.CurrentFx = 0;
  ctx.AutosaveNumber = 42;
  ctx.Options.Autosave = 1;
  ctx.Options.AutosaveTime = 1;
}

// An editor ready to draw objects, with a plain background (RGB 10, 20, 30)
// and no camera frame.
inline void PrepareEditor(EditorContext& ctx, std::vector<sObject> objects) {
  ctx.Obj = std::move(objects);
  ctx.ObjReady = 1;
  ctx.CurrentObject = 0;
  ctx.CurrentShape = -1;
  ctx.Options.BgColor = RGBA(10, 20, 30, 255);
  ctx.Options.ShowCameraBorder = 0;
  ctx.Options.HideAncre = 1;
  ctx.Options.ShowSelection = 0;
}

inline QImage MakeCanvas(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

inline QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// The largest difference of any channel, alpha included, between two
// images of the same size.
// The ink of an image: its alpha summed over the pixels, in whole pixels.
inline double Ink(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) sum += qAlpha(image.pixel(x, y));
  }
  return sum / 255;
}

inline int MaxDifference(const QImage& a, const QImage& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  }
  return worst;
}

inline bool IsColor(const QImage& image, int x, int y, int r, int g, int b) {
  const QColor c = image.pixelColor(x, y);
  return c.red() == r && c.green() == g && c.blue() == b && c.alpha() == 255;
}

inline bool IsBackground(const QImage& image, int x, int y) { return IsColor(image, x, y, 10, 20, 30); }

// Answers the pick's geometry query from a hit index over ctx, as the shell
// does, and counts the property panel refreshes the pick asks for.
class PickHooks : public EditorHooks {
 public:
  explicit PickHooks(const EditorContext& ctx,
                     ShapeHitIndex::Edits edits = ShapeHitIndex::Edits::kFound)
      : ctx_(ctx), index_(edits) {}
  // What the edit history tells the shell after an edit.
  void SceneEdited() { index_.SceneEdited(); }
  void ShowShapeProperties() override { ++shape_properties; }
  int64_t ShapeUnderPointer(const CanvasView& view, int64_t x, int64_t y, bool topmost) override {
    return index_.ShapeUnder(ctx_, view, x, y, topmost);
  }
  int shape_properties = 0;

 private:
  const EditorContext& ctx_;
  ShapeHitIndex index_;
};

// A surface that writes down the path calls it gets, to check geometry by
// indices rather than by pixels.
class RecordingSurface : public Surface {
 public:
  std::vector<std::string> calls;

  bool BeginSurface() override { return true; }
  void EndSurface() override {}
  void ResetTransform() override {}
  void ScaleTransform(double, double) override {}
  void RotateTransform(double, double, double) override {}
  void TranslateTransform(double, double) override {}
  double DeviceToUserX(double x, double) const override { return x; }
  double DeviceToUserY(double, double y) const override { return y; }
  void MovePathCursor(double x, double y, bool relative) override {
    Log("move", {x, y}, relative);
  }
  void AddPathSegment(double x, double y) override { Log("line", {x, y}); }
  void AddPathCurve(double x1, double y1, double x2, double y2, double x3, double y3,
                    bool relative) override {
    Log("curve", {x1, y1, x2, y2, x3, y3}, relative);
  }
  void AddPathBox(double x, double y, double w, double h) override { Log("box", {x, y, w, h}); }
  void AddPathEllipse(double x, double y, double rx, double ry) override {
    Log("ellipse", {x, y, rx, ry});
  }
  void AddPathCircleArc(double x, double y, double r, bool relative) override {
    Log("circle", {x, y, r}, relative);
  }
  void CloseFigure() override { calls.push_back("close"); }
  void VectorFont(const std::string& face, int64_t style, double size) override {
    calls.push_back("font " + face + " " + std::to_string(style) + " " + Num(size));
  }
  void AddPathText(const std::string& text) override { calls.push_back("text " + text); }
  double MeasureTextWidth(const std::string&) override { return 0; }
  double MeasureTextHeight(const std::string&) override { return 0; }
  void VectorSourceColor(int64_t) override {}
  void SetAntialiasing(bool) override {}
  void FillPath() override { calls.push_back("fill"); }
  void StrokePath(double w, bool) override { Log("stroke", {w}); }
  void DashPath(double w, double l) override { Log("dash", {w, l}); }
  void DotPath(double w, double d, bool) override { Log("dot", {w, d}); }
  bool IsPointInPath(double, double) const override { return false; }
  bool IsPointNearPath(double, double, double) const override { return false; }
  void DrawImageAtCursor(const QImage&, int alpha, double w, double h) override {
    Log("image", {static_cast<double>(alpha), w, h});
  }

 private:
  static std::string Num(double v) {
    std::string s = std::to_string(v);
    s.erase(s.find_last_not_of('0') + 1);
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
  }
  void Log(const char* name, std::initializer_list<double> values, bool relative = false) {
    std::string line = name;
    if (relative) line += " rel";
    for (double v : values) line += " " + Num(v);
    calls.push_back(line);
  }
};

}  // namespace tavisk::test
