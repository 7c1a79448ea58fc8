#pragma once

#include <QImage>
#include <QMimeData>
#include <QWidget>
#include <vector>

namespace ornix {

// The picture being mapped: one persistent 32-bit RGB image, the loaded
// picture plus everything drawn on it, inside a one-pixel border. Positions
// it reports are pixels of the picture, measured inside the border.
class PictureCanvas final : public QWidget {
  Q_OBJECT

 public:
  explicit PictureCanvas(QWidget* parent);

  // Shows a picture; the surface takes its size plus the border.
  void setPicture(const QImage& loaded);
  const QImage& image() const { return picture; }
  // Repaints the part of the picture that changed (picture coordinates).
  void updatePicture(const QRect& changed);

  // Figures drawn on the picture by exclusive-or, so drawing one a second time
  // restores every pixel. Each repaints only the part it touched.
  void xorBox(QPoint corner1, QPoint corner2, QColor pen);
  void xorCircle(QPoint centre, double radius, QColor pen);
  void xorLine(QPoint from, QPoint to, QColor pen);
  void xorDot(QPoint at, QColor pen);  // 5 pixels wide
  void xorFill(const QRegion& region, QColor colour);
  // The colour outlines are drawn with: the system's window background.
  QColor backgroundColour() const { return palette().color(QPalette::Base); }

 signals:
  void pressed(Qt::MouseButton button, QPointF position);
  void moved(Qt::MouseButtons held, QPointF position);
  void released(Qt::MouseButton button, QPointF position);
  void dragEntered();
  void dropped(const QMimeData* data);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void xorPixels(const std::vector<QPoint>& pixels, QColor pen);

  QImage picture;
};

// The transparent drop area behind the picture: it takes drops and the
// right-button release that shows the File menu.
class DropArea final : public QWidget {
  Q_OBJECT

 public:
  explicit DropArea(QWidget* parent);

 signals:
  void released(Qt::MouseButton button, QPointF position);
  void dropped(const QMimeData* data);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

}  // namespace ornix
