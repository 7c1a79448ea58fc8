#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

class QScrollBar;
class QWidget;

namespace ornix {

class PictureCanvas;

// The picture's place in the editor window: the view between the tool strip
// and the scroll bars, the scroll bars that move the picture in it, the drop
// area behind it, and the scale the picture is shown at.
class PictureViewport {
 public:
  PictureViewport(QWidget* window, PictureCanvas* canvas, QWidget* dropArea);

  // Places the bars and the drop area for the window's client and outer
  // size (twips), and shows the picture's top-left corner.
  void layOut(QSize clientTwips, QSize outerTwips);
  // Shows the picture at `scale`, keeping the picture point at `anchor` (a
  // point of the view, from its top-left corner) where it is. The window
  // keeps its size; the scroll bars take the picture's new size.
  void zoom(double scale, QPointF anchor);
  // A point of the canvas as a point of the view, from its top-left corner.
  QPointF inView(QPointF canvasPoint) const;
  // Scrolls as little as it takes to show a part of the canvas, or as much
  // of it as the view holds from its top-left corner.
  void bringIntoView(const QRect& canvasPart);
  // The wheel without Ctrl scrolls the picture up and down.
  void scrollBy(double steps);

 private:
  void moveCanvasToBars();

  QWidget* window;
  PictureCanvas* canvas;
  QWidget* dropArea;
  QScrollBar* horizontal;
  QScrollBar* vertical;
  QSize client;
  QSize outer;
};

}  // namespace ornix
