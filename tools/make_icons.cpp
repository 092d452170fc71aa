// Draws the editor icons and writes them into a data/editor folder:
//   make_icons <folder>
// The pictures are drawn here, from code, so they can be made again.
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "icon_glyphs.h"
#include "platform/file_io.h"
#include "platform/jpeg_writer.h"
#include "platform/png_writer.h"

namespace {

struct IconFile {
  const char* Name;  // with its extension: .png keeps alpha, .jpg has none
  int Width;
  int Height;
  void (*Draw)(QPainter&);
};

namespace i = tavisk::icons;

const IconFile kIcons[] = {
    {"move.png", 25, 25, i::DrawMove},
    {"rotate.png", 25, 25, i::DrawRotate},
    {"scale.png", 25, 25, i::DrawScale},
    {"addpt.png", 25, 25, i::DrawAddPoint},
    {"delpt.png", 25, 25, i::DrawDeletePoint},
    {"select.png", 25, 25, i::DrawSelect},
    {"zoom.png", 25, 25, i::DrawZoom},
    {"pan.png", 25, 25, i::DrawPan},
    {"shape.png", 25, 25, i::DrawComplexShape},
    {"box.png", 25, 25, i::DrawBox},
    {"boxround.png", 25, 25, i::DrawRoundBox},
    {"circle.png", 25, 25, i::DrawCircle},
    {"line.png", 25, 25, i::DrawLine},
    {"curve.png", 25, 25, i::DrawCurve},
    {"image.png", 25, 25, i::DrawImage},
    {"text.png", 25, 25, i::DrawText},
    {"properties.png", 20, 20, i::DrawProperties},
    {"locked.png", 20, 20, i::DrawLocked},
    {"up.png", 20, 20, i::DrawUp},
    {"down.png", 20, 20, i::DrawDown},
    // The layer rows are as wide as the panel (PanelW).
    {"layer.jpg", 150, 25, i::DrawLayerRow},
    {"layerSel.jpg", 150, 25, i::DrawLayerRowSelected},
    {"layerbtn1.jpg", 20, 20, i::DrawLayerAdd},
    {"layerbtn2.jpg", 20, 20, i::DrawLayerDelete},
    {"layerEye.jpg", 14, 10, i::DrawLayerEye},
};

constexpr int kJpegQuality = 92;

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A JPEG keeps no transparency: its corners show the panel's own grey.
const QColor kPanelBackground(239, 239, 239);

QImage Render(const IconFile& icon) {
  QImage image(icon.Width, icon.Height, QImage::Format_ARGB32_Premultiplied);
  image.fill(EndsWith(icon.Name, ".jpg") ? kPanelBackground : QColor(Qt::transparent));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(icon.Width / 100.0, icon.Height / 100.0);
  icon.Draw(painter);
  painter.end();
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons <data/editor folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  if (!tavisk::MakeDirectories(folder)) {
    std::fprintf(stderr, "cannot make %s\n", folder.c_str());
    return 1;
  }
  int failures = 0;
  for (const IconFile& icon : kIcons) {
    const std::string path = tavisk::JoinPath(folder, icon.Name);
    const QImage image = Render(icon);
    const bool written = EndsWith(path, ".jpg") ? tavisk::WriteJpeg(path, image, kJpegQuality)
                                                : tavisk::WritePng(path, image);
    if (!written) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
