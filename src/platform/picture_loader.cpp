#include "picture_loader.h"

#include <QImageReader>

namespace ornix {

std::optional<QImage> readPicture(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QByteArray format = reader.format();
  if (format != "gif" && format != "jpeg" && format != "bmp") return std::nullopt;
  const QImage picture = reader.read();
  if (picture.isNull()) return std::nullopt;
  return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace ornix
