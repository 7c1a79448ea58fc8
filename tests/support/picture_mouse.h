#pragma once

#include <QApplication>
#include <QMouseEvent>

#include "editor/editor_window.h"
#include "editor/picture_canvas.h"

namespace ornix::test {

// A picture whose every pixel differs from its neighbours, so that a pixel
// drawn in the wrong place shows.
inline QImage patternedPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
  }
  return image;
}

// The mouse on the editor's picture, in picture coordinates at the picture's
// scale (the canvas adds its one-pixel border). Moves carry the held buttons
// themselves: a widget only sees a drag when its move events say the button
// is down. Held keys go with every event.
class PictureMouse {
 public:
  explicit PictureMouse(EditorWindow& window) : canvas(window.findChild<PictureCanvas*>("pictureCanvas")) {}

  void send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
            Qt::KeyboardModifiers modifiers) {
    const QPointF local = at * canvas->scale() + QPointF(1, 1);
    QMouseEvent event(type, local, canvas->mapToGlobal(local), button, held, modifiers);
    QApplication::sendEvent(canvas, &event);
  }
  void press(QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonPress, at, button, button, keys);
  }
  void move(QPointF at, Qt::MouseButtons held = Qt::LeftButton) {
    send(QEvent::MouseMove, at, Qt::NoButton, held, keys);
  }
  void release(QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonRelease, at, button, Qt::NoButton, keys);
  }
  void drag(QPointF from, QPointF to) {
    press(from);
    move((from + to) / 2);
    move(to);
    release(to);
  }
  void click(QPointF at) {
    press(at);
    release(at);
  }
  QImage pixels() const { return canvas->image(); }

  PictureCanvas* canvas;
  Qt::KeyboardModifiers keys = Qt::NoModifier;
};

}  // namespace ornix::test
