#pragma once

#include <QApplication>
#include <QMouseEvent>

#include "editor/editor_window.h"
#include "editor/picture_canvas.h"

namespace ornix::test {

// The mouse on the editor's picture, in picture coordinates (the canvas adds
// its one-pixel border). Moves carry the held buttons themselves: a widget
// only sees a drag when its move events say the button is down.
class PictureMouse {
 public:
  explicit PictureMouse(EditorWindow& window) : canvas(window.findChild<PictureCanvas*>("pictureCanvas")) {}

  void send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF local = at + QPointF(1, 1);
    QMouseEvent event(type, local, canvas->mapToGlobal(local), button, held, modifiers);
    QApplication::sendEvent(canvas, &event);
  }
  void press(QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonPress, at, button, button);
  }
  void move(QPointF at, Qt::MouseButtons held = Qt::LeftButton) { send(QEvent::MouseMove, at, Qt::NoButton, held); }
  void release(QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
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
  const QImage& pixels() const { return canvas->image(); }

  PictureCanvas* canvas;
};

}  // namespace ornix::test
