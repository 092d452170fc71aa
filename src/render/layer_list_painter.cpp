#include "render/layer_list_painter.h"

#include <QFont>
#include <QPainter>

namespace tavisk {

namespace {

constexpr int kRowHeight = 25;
constexpr int kNameCharacters = 12;

}  // namespace

QImage DrawLayerList(const EditorContext& ctx, int width, int height,
                     const LayerListPictures& pictures) {
  QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(100, 100, 100));
  QPainter painter(&image);
  QFont font = painter.font();
  font.setPixelSize(12);
  painter.setFont(font);
  const int64_t last = LastIndex(ctx.Obj);
  for (int64_t row = 0; row <= last; ++row) {
    const int64_t index = last - row;
    const sObject& object = ctx.Obj[static_cast<size_t>(index)];
    const int top = static_cast<int>(row) * kRowHeight;
    if (top >= image.height()) break;
    const bool current = index == ctx.CurrentObject;
    const QImage& background = current ? pictures.SelectedRow : pictures.Row;
    if (background.isNull()) {
      painter.fillRect(0, top, width, kRowHeight - 1,
                       current ? QColor(150, 170, 210) : QColor(190, 190, 190));
    } else {
      painter.drawImage(0, top, background);
    }
    if (object.Hide == 0) painter.drawImage(5, top + 8, pictures.Eye);
    const QString name = QString::fromUtf8(object.Name.data(), static_cast<int>(object.Name.size()));
    painter.setPen(QColor(20, 20, 20));
    painter.drawText(QRect(25, top + 4, 90, kRowHeight - 4), Qt::AlignLeft | Qt::AlignTop,
                     name.left(kNameCharacters));
    if (object.Locked == 1) painter.drawImage(90, top + 6, pictures.Lock);
  }
  return image;
}

}  // namespace tavisk
