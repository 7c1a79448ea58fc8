#include "picture_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace ornix {

PictureButton::PictureButton(const QPixmap& up, const QPixmap& down, QWidget* parent)
    : QAbstractButton(parent), upPicture(up), downPicture(down) {
  setFocusPolicy(Qt::StrongFocus);
}

QSize PictureButton::sizeHint() const { return upPicture.deviceIndependentSize().toSize(); }

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(QPoint(0, 0), down ? downPicture : upPicture);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  showDown(true);
  QAbstractButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  showDown(false);
  QAbstractButton::mouseReleaseEvent(event);
}

void PictureButton::focusInEvent(QFocusEvent* event) {
  showDown(true);
  QAbstractButton::focusInEvent(event);
}

void PictureButton::focusOutEvent(QFocusEvent* event) {
  showDown(false);
  QAbstractButton::focusOutEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && down) {
    click();
    return;
  }
  event->ignore();
}

void PictureButton::keyReleaseEvent(QKeyEvent* event) { event->ignore(); }

void PictureButton::showDown(bool isDown) {
  down = isDown;
  update();
}

}  // namespace ornix
