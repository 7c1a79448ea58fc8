#include "picture_loader.h"

#include <QFile>
#include <QImageReader>

namespace ornix {

namespace {

// Qt refuses pictures over 128 MB by default; a map of a large plan or a
// panorama (say 10,000 x 10,000 pixels, 400 MB as 32-bit RGB) must still load.
constexpr int largestPictureMegabytes = 1024;

// The kind the file's first bytes name, told as Qt's own GIF, JPEG and BMP
// readers tell it; empty for anything else. Naming the kind to the reader
// spares it asking every image plugin in turn, which loads each one.
QByteArray kindByFirstBytes(QIODevice& file) {
  const QByteArray start = file.peek(6);
  if (start.startsWith("\xFF\xD8")) return "jpeg";
  if (start == "GIF87a" || start == "GIF89a") return "gif";
  if (start.startsWith("BM")) return "bmp";
  return {};
}

}  // namespace

std::optional<QImage> readPicture(const QString& path) {
  QImageReader::setAllocationLimit(largestPictureMegabytes);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray kind = kindByFirstBytes(file);
  if (kind.isEmpty()) return std::nullopt;
  QImageReader reader(&file, kind);
  const QImage picture = reader.read();
  if (picture.isNull()) return std::nullopt;
  return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace ornix
