// The 2D vector surface everything is drawn on: a path is built in the user
// system in force, then painted, which empties it. Coordinates are doubles.
#pragma once

#include <cstdint>
#include <string>

class QImage;

namespace tavisk {

class Surface {
 public:
  virtual ~Surface() = default;

  // One drawing pass; false when the pass cannot start, and the caller then
  // draws nothing.
  virtual bool BeginSurface() = 0;
  virtual void EndSurface() = 0;

  // User system = device pixels.
  virtual void ResetTransform() = 0;
  // Each acts in the user system in force, after the earlier ones.
  virtual void ScaleTransform(double sx, double sy) = 0;
  virtual void RotateTransform(double cx, double cy, double degrees) = 0;
  virtual void TranslateTransform(double dx, double dy) = 0;
  virtual double DeviceToUserX(double x, double y) const = 0;
  virtual double DeviceToUserY(double x, double y) const = 0;

  // Starts a new figure.
  virtual void MovePathCursor(double x, double y, bool relative = false) = 0;
  virtual void AddPathSegment(double x, double y) = 0;
  // Cubic Bezier: two control points, then the end; relative offsets are
  // taken from the cursor at the call.
  virtual void AddPathCurve(double x1, double y1, double x2, double y2, double x3, double y3,
                            bool relative = false) = 0;
  virtual void AddPathBox(double x, double y, double w, double h) = 0;
  // Centred at (x, y); a zero radius adds only a zero-length segment.
  virtual void AddPathEllipse(double x, double y, double rx, double ry) = 0;
  virtual void AddPathCircleArc(double x, double y, double r, bool relative = false) = 0;
  virtual void CloseFigure() = 0;

  // The font of the next texts: a face, style flags (document/font_store.h)
  // and a size in user units.
  virtual void VectorFont(const std::string& face, int64_t style, double size) = 0;
  // The outline of text with its top-left at the cursor.
  virtual void AddPathText(const std::string& text) = 0;
  virtual double MeasureTextWidth(const std::string& text) = 0;
  virtual double MeasureTextHeight(const std::string& text) = 0;

  // Red in bits 0-7, green 8-15, blue 16-23, alpha 24-31.
  virtual void VectorSourceColor(int64_t rgba) = 0;
  // Thin overlay lines look sharper without antialiasing and cost far less
  // when dashed; shapes keep it on.
  virtual void SetAntialiasing(bool on) = 0;

  // Each paint empties the path. Widths and lengths are in user units.
  virtual void FillPath() = 0;  // even-odd
  virtual void StrokePath(double width, bool roundEnds) = 0;
  virtual void DashPath(double width, double length) = 0;
  virtual void DotPath(double width, double distance, bool roundEnds) = 0;

  // The user point lies in the even-odd fill area of the current path; the
  // path stays.
  virtual bool IsPointInPath(double x, double y) const = 0;
  // The user point lies within reach device pixels of the current path's
  // outline, so a thin line can be hit whatever the zoom; the path stays.
  virtual bool IsPointNearPath(double x, double y, double reach) const = 0;

  // Top-left at the cursor, scaled to w x h when both are positive,
  // opacity 0..255.
  virtual void DrawImageAtCursor(const QImage& image, int alpha, double w, double h) = 0;
};

}  // namespace tavisk
