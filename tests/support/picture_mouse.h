#pragma once

#include <QApplication>
#include <QMouseEvent>

#include "editor/frm_map.h"
#include "editor/map_surface.h"

namespace ornix::test {

// The mouse on the editor's picture, in picture coordinates (the surface adds
// its one-pixel border). Moves carry the held buttons themselves: a widget
// only sees a drag when its move events say the button is down.
class PictureMouse {
 public:
  explicit PictureMouse(frmMap& window) : surface(window.findChild<MapSurface*>("mapee")) {}

  void send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF local = at + QPointF(1, 1);
    QMouseEvent event(type, local, surface->mapToGlobal(local), button, held, modifiers);
    QApplication::sendEvent(surface, &event);
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

  MapSurface* surface;
};

}  // namespace ornix::test
