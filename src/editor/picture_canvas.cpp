#include "picture_canvas.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ornix {
namespace {

constexpr int border = 1;

QPointF insideBorder(const QMouseEvent* event) { return event->position() - QPointF(border, border); }

}  // namespace

PictureCanvas::PictureCanvas(QWidget* parent) : QWidget(parent) {
  setObjectName("pictureCanvas");
  setAccessibleName("Picture");
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAcceptDrops(true);
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
}

void PictureCanvas::setPicture(const QImage& loaded) {
  picture = loaded.convertToFormat(QImage::Format_RGB32);
  resize(picture.width() + 2 * border, picture.height() + 2 * border);
  update();
}

void PictureCanvas::updatePicture(const QRect& changed) { update(changed.translated(border, border)); }

template <typename Draw>
void PictureCanvas::xorDraw(const QRect& touched, QColor pen, int penWidth, Draw draw) {
  QPainter painter(&picture);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(pen, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  draw(painter);
  painter.end();
  updatePicture(touched.adjusted(-penWidth, -penWidth, penWidth, penWidth));
}

void PictureCanvas::xorBox(QPoint corner1, QPoint corner2, QColor pen) {
  if (corner1 == corner2) return;  // no box to draw or erase
  const QPoint topLeft(std::min(corner1.x(), corner2.x()), std::min(corner1.y(), corner2.y()));
  const QPoint bottomRight(std::max(corner1.x(), corner2.x()), std::max(corner1.y(), corner2.y()));
  const QRect box(topLeft, bottomRight);
  xorDraw(box, pen, 1, [&](QPainter& painter) {
    if (topLeft.x() == bottomRight.x() || topLeft.y() == bottomRight.y()) {
      painter.drawLine(topLeft, bottomRight);
    } else {
      painter.drawRect(QRect(topLeft, QSize(box.width() - 1, box.height() - 1)));
    }
  });
}

void PictureCanvas::xorCircle(QPointF centre, double radius, QColor pen) {
  if (!(radius > 0)) return;
  const QRectF bounds(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  xorDraw(bounds.toAlignedRect(), pen, 1, [&](QPainter& painter) { painter.drawEllipse(centre, radius, radius); });
}

void PictureCanvas::xorLine(QPoint from, QPoint to, QColor pen) {
  xorDraw(QRect(from, to).normalized().adjusted(-1, -1, 1, 1), pen, 1,
          [&](QPainter& painter) { painter.drawLine(from, to); });
}

void PictureCanvas::xorDot(QPoint at, QColor pen) {
  xorDraw(QRect(at, QSize(1, 1)), pen, 5, [&](QPainter& painter) { painter.drawPoint(at); });
}

void PictureCanvas::xorFill(const QRegion& region, QColor colour) {
  xorDraw(region.boundingRect(), colour, 1, [&](QPainter& painter) {
    for (const QRect& part : region) painter.fillRect(part, colour);
  });
}

void PictureCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect exposed = event->rect();
  const QRect pictureArea(border, border, picture.width(), picture.height());
  painter.drawImage(exposed & pictureArea, picture, (exposed & pictureArea).translated(-border, -border));
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PictureCanvas::mousePressEvent(QMouseEvent* event) { emit pressed(event->button(), insideBorder(event)); }

void PictureCanvas::mouseMoveEvent(QMouseEvent* event) { emit moved(event->buttons(), insideBorder(event)); }

void PictureCanvas::mouseReleaseEvent(QMouseEvent* event) { emit released(event->button(), insideBorder(event)); }

// Qt would treat the second press of a double click as a press; it is not one
// here. Its release still comes, as a release without a drawing press.
void PictureCanvas::mouseDoubleClickEvent(QMouseEvent*) {}

void PictureCanvas::dragEnterEvent(QDragEnterEvent* event) {
  event->acceptProposedAction();
  emit dragEntered();
}

void PictureCanvas::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  emit dropped(event->mimeData());
}

DropArea::DropArea(QWidget* parent) : QWidget(parent) {
  setObjectName("dropArea");
  setAccessibleName("Drop area");
  setAcceptDrops(true);
}

void DropArea::mouseReleaseEvent(QMouseEvent* event) { emit released(event->button(), event->position()); }

void DropArea::dragEnterEvent(QDragEnterEvent* event) { event->acceptProposedAction(); }

void DropArea::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  emit dropped(event->mimeData());
}

}  // namespace ornix
