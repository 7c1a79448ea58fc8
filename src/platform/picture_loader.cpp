#include "picture_loader.h"

#include <QImageReader>

namespace ornix {

namespace {

// Qt refuses pictures over 128 MB by default; a map of a large plan or a
// panorama (say 10,000 x 10,000 pixels, 400 MB as 32-bit RGB) must still load.
constexpr int largestPictureMegabytes = 1024;

}  // namespace

std::optional<QImage> readPicture(const QString& path) {
  QImageReader::setAllocationLimit(largestPictureMegabytes);
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QByteArray format = reader.format();
  if (format != "gif" && format != "jpeg" && format != "bmp") return std::nullopt;
  const QImage picture = reader.read();
  if (picture.isNull()) return std::nullopt;
  return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace ornix
