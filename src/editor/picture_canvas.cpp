#include "picture_canvas.h"

#include "outline_pixels.h"

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

// Exclusive-or with the colour's red, green and blue; the picture's pixels
// keep their opaque alpha.
void PictureCanvas::xorPixels(const std::vector<QPoint>& pixels, QColor pen) {
  if (pixels.empty()) return;
  const QRgb mask = pen.rgb() & RGB_MASK;
  const QRect bounds = picture.rect();
  QRect touched(pixels.front(), QSize(1, 1));
  for (const QPoint& pixel : pixels) {
    touched |= QRect(pixel, QSize(1, 1));
    if (!bounds.contains(pixel)) continue;
    reinterpret_cast<QRgb*>(picture.scanLine(pixel.y()))[pixel.x()] ^= mask;
  }
  updatePicture(touched);
}

void PictureCanvas::xorBox(QPoint corner1, QPoint corner2, QColor pen) {
  if (corner1 == corner2) return;  // no box to draw or erase
  xorPixels(boxPixels(corner1, corner2), pen);
}

void PictureCanvas::xorCircle(QPoint centre, double radius, QColor pen) {
  xorPixels(circlePixels(centre, radius), pen);
}

void PictureCanvas::xorLine(QPoint from, QPoint to, QColor pen) { xorPixels(linePixels(from, to), pen); }

void PictureCanvas::xorDot(QPoint at, QColor pen) { xorPixels(dotPixels(at), pen); }

void PictureCanvas::xorFill(const QRegion& region, QColor colour) {
  const QRgb mask = colour.rgb() & RGB_MASK;
  for (const QRect& part : region) {
    const QRect inside = part & picture.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
      for (int x = inside.left(); x <= inside.right(); ++x) line[x] ^= mask;
    }
  }
  updatePicture(region.boundingRect());
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
