#include "map_surface.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ornix {
namespace {

constexpr int border = 1;

QPointF insideBorder(const QMouseEvent* event) { return event->position() - QPointF(border, border); }

}  // namespace

MapSurface::MapSurface(QWidget* parent) : QWidget(parent) {
  setObjectName("mapee");
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAcceptDrops(true);
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
}

void MapSurface::setPicture(const QImage& picture) {
  image = picture.convertToFormat(QImage::Format_RGB32);
  resize(image.width() + 2 * border, image.height() + 2 * border);
  update();
}

void MapSurface::updatePicture(const QRect& changed) { update(changed.translated(border, border)); }

void MapSurface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect exposed = event->rect();
  const QRect pictureArea(border, border, image.width(), image.height());
  painter.drawImage(exposed & pictureArea, image, (exposed & pictureArea).translated(-border, -border));
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MapSurface::mousePressEvent(QMouseEvent* event) { emit pressed(event->button(), insideBorder(event)); }

void MapSurface::mouseMoveEvent(QMouseEvent* event) { emit moved(event->buttons(), insideBorder(event)); }

void MapSurface::mouseReleaseEvent(QMouseEvent* event) {
  emit released(event->button(), insideBorder(event));
}

// Qt would treat the second press as a press; it is not one here.
void MapSurface::mouseDoubleClickEvent(QMouseEvent* event) {
  emit doubleClicked(event->button(), insideBorder(event));
}

void MapSurface::dragEnterEvent(QDragEnterEvent* event) {
  event->acceptProposedAction();
  emit dragEntered();
}

void MapSurface::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  emit dropped(event->mimeData());
}

DropArea::DropArea(QWidget* parent) : QWidget(parent) {
  setObjectName("Image1");
  setAcceptDrops(true);
}

void DropArea::mouseReleaseEvent(QMouseEvent* event) { emit released(event->button(), event->position()); }

void DropArea::dragEnterEvent(QDragEnterEvent* event) { event->acceptProposedAction(); }

void DropArea::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  emit dropped(event->mimeData());
}

}  // namespace ornix
