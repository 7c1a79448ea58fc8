#include "artwork.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace ornix {

QPixmap artPixmap(const QString& resource, QSize size, qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QSvgRenderer(resource).render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

QImage artImage(const QString& resource, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QSvgRenderer(resource).render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

}  // namespace ornix
