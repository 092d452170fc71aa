#include "app/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tavisk {

void QtClipboard::Put(const ClipboardContent& content) {
  auto* data = new QMimeData;
  for (const auto& [format, bytes] : content.Formats) {
    data->setData(QString::fromStdString(format), QByteArray::fromStdString(bytes));
  }
  if (!content.Picture.isNull()) data->setImageData(content.Picture);
  // The clipboard owns the data from here on.
  QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<std::string> QtClipboard::Read(const std::string& format) const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  const QString type = QString::fromStdString(format);
  if (data == nullptr || !data->hasFormat(type)) return std::nullopt;
  return data->data(type).toStdString();
}

}  // namespace tavisk
