#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace ornix {

// A button drawn as a picture, with an up and a down version. It shows the down
// picture while a mouse button is held on it and while it has the focus, and
// Enter clicks it only while the down picture shows, so Enter works on the
// focused button. No other key does anything: not Space, not Esc.
class PictureButton final : public QAbstractButton {
 public:
  PictureButton(const QPixmap& up, const QPixmap& down, QWidget* parent);
  bool showingDown() const { return down; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void showDown(bool isDown);

  QPixmap upPicture;
  QPixmap downPicture;
  bool down = false;
};

}  // namespace ornix
