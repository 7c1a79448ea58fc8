#include <QIconEngine>
#include <QPainter>

#include "artwork.h"

namespace ornix {
namespace {

// An icon drawn from the artwork the first time it is painted or its pixels
// are asked for, not when it is made: a window's icons cost nothing until
// the window shows them. Drawn, it is exactly the icon of the drawn pixmap,
// the looks of its other modes (disabled, active) included.
class ArtIconEngine final : public QIconEngine {
 public:
  ArtIconEngine(QString resource, QSize size, qreal devicePixelRatio)
      : resource(std::move(resource)), size(size), devicePixelRatio(devicePixelRatio) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& wanted, QIcon::Mode mode, QIcon::State state) override {
    return drawn().pixmap(wanted, mode, state);
  }
  QPixmap scaledPixmap(const QSize& wanted, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return drawn().pixmap(wanted, scale, mode, state);
  }
  // As a one-pixmap icon answers: its size, made to fit a smaller one.
  QSize actualSize(const QSize& wanted, QIcon::Mode, QIcon::State) override {
    if (size.width() <= wanted.width() && size.height() <= wanted.height()) return size;
    return size.scaled(wanted, Qt::KeepAspectRatio);
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {size}; }
  QIconEngine* clone() const override { return new ArtIconEngine(resource, size, devicePixelRatio); }

 private:
  const QIcon& drawn() {
    if (icon.isNull()) icon = QIcon(artPixmap(resource, size, devicePixelRatio));
    return icon;
  }

  QString resource;
  QSize size;
  qreal devicePixelRatio;
  QIcon icon;
};

}  // namespace

QIcon artIcon(const QString& resource, QSize size, qreal devicePixelRatio) {
  return QIcon(new ArtIconEngine(resource, size, devicePixelRatio));
}

}  // namespace ornix
