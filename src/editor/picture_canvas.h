#pragma once

#include <QImage>

class QPainter;
#include <QMimeData>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "model/area.h"

namespace ornix {

// What is painted over the picture from the map: each area's highlight and
// outline, by exclusive-or, onto a part of the picture.
class AreaLook {
 public:
  virtual ~AreaLook() = default;
  // XORs every area's look onto `part`, which shows `inPicture`.
  virtual void paintOnto(QImage& part, const QRect& inPicture) const = 0;
};

// The picture being mapped, shown at a scale inside a one-pixel border. The
// loaded picture stays as it is; each paint shows it with the areas' look
// and, on top, the figures of a drag in progress (a rubber band, a polygon
// being drawn, an area being moved), both by exclusive-or, from their
// values: nothing drawn stays behind to be taken off again. Positions it
// reports are pixels of the picture: at 100% as the pointer gives them, at
// other scales the picture pixel under the pointer.
class PictureCanvas final : public QWidget {
  Q_OBJECT

 public:
  explicit PictureCanvas(QWidget* parent);

  // Shows a picture; the canvas takes its size at the scale plus the border.
  // No figure of a drag is shown on it.
  void setPicture(const QImage& loaded);
  // The same for a picture made only when it is first painted or read: the
  // start picture, which a picture opened at start replaces unseen.
  void setPictureToMake(QSize size, std::function<QImage()> make);
  // The areas painted over the picture, or none.
  void setAreaLook(const AreaLook* look) { areaLook = look; }
  // The picture as shown at 100%: every pixel with the areas and the drag's figures.
  QImage image() const;
  // Shows the picture at `scale` (1 is 100%): each picture pixel a block of
  // screen pixels when enlarged.
  void setScale(double scale);
  double scale() const { return shownScale; }
  // A picture point's place on the canvas, and back.
  QPointF toCanvas(QPointF picturePoint) const;
  QPointF toPicture(QPointF canvasPoint) const;
  // The part of the canvas that shows a part of the picture.
  QRect toCanvas(const QRect& pictureRect) const;
  // Repaints the part of the picture that changed (picture coordinates).
  void updatePicture(const QRect& changed);

  // The figures of the drag in progress, each a set of the picture's pixels,
  // painted over the picture and the areas in the outline colour by
  // exclusive-or; none when no drag is in progress. Only the tiles the old
  // and the new figures cross are repainted, so a large figure costs its
  // length at any scale.
  void showDrag(const std::vector<std::vector<QPoint>>& figures);
  // The selected area, marked over the picture with a dashed frame and a
  // handle at each point a Ctrl+drag reshapes it by, read where it is kept
  // each time the canvas paints; the picture's own pixels stay as they are.
  void setSelectionSource(std::function<const Area*()> selected) { selectedArea = std::move(selected); }
  // The selection changed, or its area did: repaints where it was and where it is.
  void selectionChanged();
  // The colour outlines are drawn with: the system's window background.
  QColor backgroundColour() const { return palette().color(QPalette::Base); }

 signals:
  void pressed(Qt::MouseButton button, QPointF position, Qt::KeyboardModifiers modifiers);
  void moved(Qt::MouseButtons held, QPointF position, Qt::KeyboardModifiers modifiers);
  void released(Qt::MouseButton button, QPointF position);
  // The wheel turned by `steps` notches (positive away from the user) over `position`.
  void wheelTurned(double steps, QPointF position, Qt::KeyboardModifiers modifiers);
  void dragEntered();
  void dropped(const QMimeData* data);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void resizeToScale();
  void paintSelection(QPainter& painter, const Area& selected) const;
  QRect selectionBounds(const Area& selected) const;

  QImage shownPart(const QRect& inPicture) const;
  void paintDragOnto(QImage& part, const QRect& inPicture) const;

  mutable QImage picture;
  mutable std::function<QImage()> pictureToMake;
  std::vector<QPoint> dragPixels;  // every figure's pixels, row by row; one a figure holds twice is XORed twice
  QRegion dragShown;               // where the canvas shows them
  const AreaLook* areaLook = nullptr;
  std::function<const Area*()> selectedArea = [] { return nullptr; };
  QRect selectionShown;  // where the selection was last marked, on the canvas
  double shownScale = 1.0;
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
