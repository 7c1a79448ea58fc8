#include "frm_end.h"

#include <QPainter>
#include <QPushButton>

#include "platform/svg_art.h"
#include "platform/twips.h"

namespace ornix {

frmEnd::frmEnd(QWidget* owner) : QDialog(owner) {
  setObjectName("frmEnd");
  setWindowTitle("Ornix");
  setAccessibleName("Map saved");
  setFixedSize(pixels(3420), pixels(3825));
  background = svgPixmap(":/end_background.svg", size(), devicePixelRatioF());
  auto* another = new QPushButton("Another", this);
  another->setObjectName("cmdIgnore");
  another->setGeometry(twipsRect(1245, 2550, 870, 315));
  another->setDefault(true);
  auto* quitButton = new QPushButton("Quit", this);
  quitButton->setObjectName("cmdQuit");
  quitButton->setGeometry(twipsRect(2235, 2535, 870, 345));
  connect(another, &QPushButton::clicked, this, &QDialog::accept);
  connect(quitButton, &QPushButton::clicked, this, [this] {
    quit = true;
    accept();
  });
}

void frmEnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, background);
}

}  // namespace ornix
