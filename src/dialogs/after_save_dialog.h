#pragma once

#include <QDialog>

namespace ornix {

// The window after every save: map another picture, or quit.
class AfterSaveDialog final : public QDialog {
 public:
  explicit AfterSaveDialog(QWidget* owner);
  bool quitChosen() const { return quit; }
  // Turns the window into the goodbye strip at `screenRect`: no picture, no
  // buttons, "               See You" written at its top left.
  void showGoodbyeStrip(QRect screenRect);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background;
  QString goodbye;
  bool quit = false;
};

}  // namespace ornix
