// Whole shapes painted as the image export paints them, compared pixel by
// pixel within what antialiasing and integer points allow, before and after
// an edit and after a save and load.
#pragma once

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "edit/document_loading.h"
#include "io/document/document_writer.h"
#include "render/painter_surface.h"
#include "render/renderer.h"
#include "render_fixtures.h"

namespace tavisk::test {

inline constexpr int kPictureSide = 240;

inline QImage PictureOf(const std::vector<sObject>& objects) {
  EditorContext ctx;
  ctx.Obj = objects;
  QImage image = MakeCanvas(kPictureSide, kPictureSide);
  PainterSurface surface(image);
  if (surface.BeginSurface()) {
    DrawSceneForExport(ctx, surface);
    surface.EndSurface();
  }
  return image;
}

// The objects after being written as document text and read back.
inline std::vector<sObject> SavedAndLoaded(const std::vector<sObject>& objects) {
  EditorContext ctx;
  LoadDocumentText(ctx, kLoadReplace, WriteDocumentText(objects),
                   [](const std::string&) { return int64_t{0}; });
  return ctx.Obj;
}

inline int ChannelDistance(QRgb p, QRgb q) {
  return std::max({std::abs(qAlpha(p) - qAlpha(q)), std::abs(qRed(p) - qRed(q)),
                   std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
}

// Total alpha in whole pixels, and the pixels of one picture that no pixel
// at or next to the same place in the other comes within half a channel of:
// an edge moved by less than a pixel stays within that.
struct PictureDifference {
  double ink = 0;
  double otherInk = 0;
  int farOff = 0;
  std::string Describe() const {
    return "ink " + std::to_string(ink) + " vs " + std::to_string(otherInk) + ", " +
           std::to_string(farOff) + " pixels far off";
  }
  // The same picture: ink within inkShare of it, and no pixel far off.
  bool Same(double inkShare = 0.01) const {
    return ink > 0 && std::abs(ink - otherInk) <= inkShare * ink && farOff == 0;
  }
};

inline PictureDifference Compare(const QImage& a, const QImage& b) {
  PictureDifference d;
  auto farFromNeighbours = [](const QImage& from, const QImage& to, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (!to.valid(x + dx, y + dy)) continue;
        if (ChannelDistance(from.pixel(x, y), to.pixel(x + dx, y + dy)) <= 128) return false;
      }
    }
    return true;
  };
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      d.ink += qAlpha(a.pixel(x, y)) / 255.0;
      d.otherInk += qAlpha(b.pixel(x, y)) / 255.0;
      if (farFromNeighbours(a, b, x, y) || farFromNeighbours(b, a, x, y)) ++d.farOff;
    }
  }
  return d;
}

}  // namespace tavisk::test
