#include <QImage>
#include <QPainter>

#include "artwork.h"

// The artwork as PNGs rendered from its SVG sources at build time, at 1x and
// 2x: the same names with ".png" and "@2x.png" in place of ".svg".
namespace ornix {
namespace {

QImage rendered(const QString& resource, qreal scale) {
  QString png = resource;
  png.replace(png.size() - 4, 4, scale > 1.0 ? "@2x.png" : ".png");
  return QImage(png);
}

// The picture at exactly `pixels`: as rendered where the sizes agree, else
// smoothly scaled from the larger rendering.
QImage sized(const QString& resource, QSize pixels, qreal scale) {
  QImage image = rendered(resource, scale);
  if (image.size() == pixels || image.isNull()) return image;
  if (scale <= 1.0 && (pixels.width() > image.width() || pixels.height() > image.height())) {
    image = rendered(resource, 2.0);
  }
  return image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QPixmap artPixmap(const QString& resource, QSize size, qreal devicePixelRatio) {
  QPixmap pixmap = QPixmap::fromImage(sized(resource, size * devicePixelRatio, devicePixelRatio));
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

QImage artImage(const QString& resource, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawImage(QPoint(0, 0), sized(resource, size, 1.0));
  return image;
}

}  // namespace ornix
