#pragma once

#include <QDialog>

namespace ornix {

// The window after every save: map another picture, or quit.
class frmEnd final : public QDialog {
 public:
  explicit frmEnd(QWidget* owner);
  bool quitChosen() const { return quit; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background;
  bool quit = false;
};

}  // namespace ornix
