#include "picture_canvas.h"

#include "outline_pixels.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace ornix {
namespace {

constexpr int border = 1;
constexpr double repaintTile = 16;  // screen pixels: the grain of a figure's repaint
constexpr int selectionHandle = 6;  // screen pixels: a selected area's handles

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
  pictureToMake = nullptr;
  picture = loaded.convertToFormat(QImage::Format_RGB32);
  showDrag({});
  resizeToScale();
}

void PictureCanvas::setPictureToMake(QSize size, std::function<QImage()> make) {
  picture = QImage(size, QImage::Format_RGB32);
  pictureToMake = std::move(make);
  showDrag({});
  resizeToScale();
}

QImage PictureCanvas::image() const { return shownPart(picture.rect()); }

// A part of the picture with the areas' look and the drag's figures on it.
QImage PictureCanvas::shownPart(const QRect& inPicture) const {
  if (pictureToMake) {
    picture = pictureToMake().convertToFormat(QImage::Format_RGB32);
    pictureToMake = nullptr;
  }
  QImage part = picture.copy(inPicture);
  paintDragOnto(part, inPicture);
  if (areaLook != nullptr) areaLook->paintOnto(part, inPicture);
  return part;
}

// Exclusive-or with the outline colour's red, green and blue, the pixels
// keeping their opaque alpha; the drag's pixels of the part's rows only.
void PictureCanvas::paintDragOnto(QImage& part, const QRect& inPicture) const {
  const QRgb mask = backgroundColour().rgb() & RGB_MASK;
  const auto first = std::lower_bound(dragPixels.begin(), dragPixels.end(), inPicture.top(),
                                      [](const QPoint& pixel, int top) { return pixel.y() < top; });
  for (auto pixel = first; pixel != dragPixels.end() && pixel->y() <= inPicture.bottom(); ++pixel) {
    if (pixel->x() < inPicture.left() || pixel->x() > inPicture.right()) continue;
    reinterpret_cast<QRgb*>(part.scanLine(pixel->y() - inPicture.y()))[pixel->x() - inPicture.x()] ^= mask;
  }
}

void PictureCanvas::setScale(double scale) {
  shownScale = scale;
  resizeToScale();
}

void PictureCanvas::resizeToScale() {
  const QSize shown = (QSizeF(picture.size()) * shownScale).toSize();
  resize(shown.width() + 2 * border, shown.height() + 2 * border);
  update();
}

QPointF PictureCanvas::toCanvas(QPointF picturePoint) const {
  return picturePoint * shownScale + QPointF(border, border);
}

// At 100% a position keeps its fractions, which drawing rounds; at any other
// scale it is the whole picture pixel under the pointer.
QPointF PictureCanvas::toPicture(QPointF canvasPoint) const {
  const QPointF inside = canvasPoint - QPointF(border, border);
  if (shownScale == 1.0) return inside;
  return {std::floor(inside.x() / shownScale), std::floor(inside.y() / shownScale)};
}

QRect PictureCanvas::toCanvas(const QRect& pictureRect) const {
  return QRectF(toCanvas(QPointF(pictureRect.topLeft())), QSizeF(pictureRect.size()) * shownScale).toAlignedRect();
}

void PictureCanvas::updatePicture(const QRect& changed) { update(toCanvas(changed)); }

void PictureCanvas::showDrag(const std::vector<std::vector<QPoint>>& figures) {
  dragPixels.clear();
  for (const std::vector<QPoint>& figure : figures) dragPixels.insert(dragPixels.end(), figure.begin(), figure.end());
  std::sort(dragPixels.begin(), dragPixels.end(),
            [](const QPoint& a, const QPoint& b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
  const int tile = std::max(1, static_cast<int>(std::lround(repaintTile / shownScale)));
  std::vector<QRect> shown = tilesHolding(dragPixels, tile);
  for (QRect& part : shown) part = toCanvas(part);
  QRegion now;
  now.setRects(shown.data(), static_cast<int>(shown.size()));
  update(dragShown | now);
  dragShown = now;
}

// Paints only the exposed part: each exposed rectangle from the picture
// pixels it shows, enlarged block by block or reduced smoothly.
void PictureCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, shownScale < 1.0);
  const QRectF pictureArea(toCanvas({0, 0}), QSizeF(picture.size()) * shownScale);
  for (const QRect& exposed : event->region()) {
    const QRectF part = QRectF(exposed) & pictureArea;
    if (part.isEmpty()) continue;
    const QRectF inPicture((part.x() - border) / shownScale, (part.y() - border) / shownScale,
                           part.width() / shownScale, part.height() / shownScale);
    const QRect source = inPicture.toAlignedRect() & picture.rect();
    if (source.isEmpty()) continue;
    painter.setClipRect(exposed);  // a plain rectangle keeps Qt's fast image paths
    painter.drawImage(QRectF(toCanvas(source.topLeft()), QSizeF(source.size()) * shownScale), shownPart(source));
  }
  painter.setClipping(false);
  if (const Area* selected = selectedArea()) {
    painter.save();
    paintSelection(painter, *selected);
    painter.restore();
  }
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PictureCanvas::selectionChanged() {
  update(selectionShown);
  const Area* selected = selectedArea();
  selectionShown = selected != nullptr ? selectionBounds(*selected) : QRect();
  update(selectionShown);
}

// The frame around the area's points (a circle's around its rim), on the
// canvas, with room for the handles.
QRect PictureCanvas::selectionBounds(const Area& selected) const {
  QRectF box;
  if (selected.shape == Shape::circle) {
    const QPointF centre(selected.points.front().x, selected.points.front().y);
    const double r = selected.radius;
    box = QRectF(centre - QPointF(r, r), centre + QPointF(r, r));
  } else {
    QPolygonF points;
    for (const Point& point : selected.points) points << QPointF(point.x, point.y);
    box = points.boundingRect();
  }
  const QPointF topLeft = toCanvas(box.topLeft());
  const QPointF bottomRight = toCanvas(box.bottomRight() + QPointF(1, 1));
  return QRectF(topLeft, bottomRight)
      .toAlignedRect()
      .adjusted(-selectionHandle, -selectionHandle, selectionHandle, selectionHandle);
}

// A dashed frame in the highlight colour and a square handle at every point
// that reshapes the area: a rectangle's corners, a polygon's vertices, a
// circle's rim at its four compass points.
void PictureCanvas::paintSelection(QPainter& painter, const Area& selected) const {
  const QColor mark = palette().color(QPalette::Highlight);
  const QRect frame =
      selectionBounds(selected).adjusted(selectionHandle, selectionHandle, -selectionHandle - 1, -selectionHandle - 1);
  painter.setPen(QPen(mark, 1, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame);
  std::vector<QPointF> handles;
  if (selected.shape == Shape::polygon) {
    for (const Point& point : selected.points) handles.push_back(toCanvas(QPointF(point.x + 0.5, point.y + 0.5)));
  } else {
    const QRectF box(frame);
    handles = {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()};
    if (selected.shape == Shape::circle) {
      const QPointF centre = box.center();
      handles = {
          {centre.x(), box.top()}, {box.right(), centre.y()}, {centre.x(), box.bottom()}, {box.left(), centre.y()}};
    }
  }
  painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1));
  painter.setBrush(mark);
  const QPointF half(selectionHandle / 2.0, selectionHandle / 2.0);
  for (const QPointF& handle : handles) painter.drawRect(QRectF(handle - half, handle + half));
}

void PictureCanvas::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->button(), toPicture(event->position()), event->modifiers());
}

void PictureCanvas::mouseMoveEvent(QMouseEvent* event) {
  emit moved(event->buttons(), toPicture(event->position()), event->modifiers());
}

void PictureCanvas::mouseReleaseEvent(QMouseEvent* event) {
  emit released(event->button(), toPicture(event->position()));
}

void PictureCanvas::wheelEvent(QWheelEvent* event) {
  emit wheelTurned(event->angleDelta().y() / 120.0, event->position(), event->modifiers());
  event->accept();
}

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
