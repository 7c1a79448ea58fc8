#include "after_save_dialog.h"

#include <QFont>
#include <QPainter>
#include <QPushButton>

#include "art/artwork.h"
#include "platform/twips.h"

namespace ornix {

AfterSaveDialog::AfterSaveDialog(QWidget* owner) : QDialog(owner) {
  setObjectName("afterSaveDialog");
  setWindowTitle("Map saved");
  setAccessibleName(windowTitle());
  setFixedSize(pixels(3420), pixels(3825));
  background = artPixmap(":/end_background.svg", size(), devicePixelRatioF());
  auto* another = new QPushButton("Another", this);
  another->setObjectName("anotherButton");
  another->setGeometry(twipsRect(1245, 2550, 870, 315));
  another->setDefault(true);
  auto* quitButton = new QPushButton("Quit", this);
  quitButton->setObjectName("quitButton");
  quitButton->setGeometry(twipsRect(2235, 2535, 870, 345));
  connect(another, &QPushButton::clicked, this, &QDialog::accept);
  connect(quitButton, &QPushButton::clicked, this, [this] {
    quit = true;
    accept();
  });
}

void AfterSaveDialog::showGoodbyeStrip(QRect screenRect) {
  background = QPixmap();
  for (QPushButton* button : findChildren<QPushButton*>()) button->hide();
  goodbye = "               See You";
  setWindowTitle(goodbye.trimmed());
  setAccessibleName(windowTitle());
  setFixedSize(screenRect.size());
  move(screenRect.topLeft());
  show();
  update();
}

void AfterSaveDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background.isNull()) painter.drawPixmap(0, 0, background);
  if (goodbye.isEmpty()) return;
  painter.fillRect(rect(), Qt::black);
  QFont font = painter.font();
  font.setPointSizeF(14.25);
  font.setBold(true);
  font.setItalic(true);
  painter.setFont(font);
  painter.setPen(QColor(255, 255, 0));
  painter.drawText(QPoint(0, painter.fontMetrics().ascent()), goodbye);
}

}  // namespace ornix
