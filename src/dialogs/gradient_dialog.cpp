#include "gradient_dialog.h"

#include <QPainter>

#include "gradient.h"
#include "platform/text_codec.h"
#include "platform/twips.h"

namespace ornix {

GradientDialog::GradientDialog(QWidget* owner, int clientWidthTwips, int clientHeightTwips, QColor gradientStart)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), gradientStart(gradientStart) {
  setFixedSize(pixels(clientWidthTwips), pixels(clientHeightTwips));
  setModal(true);
  // Named after their title line once it is set; until then after the program.
  setWindowTitle("Ornix");
  setAccessibleName(windowTitle());
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
}

QLabel* GradientDialog::addLabel(const char* name, QRect twips, const LabelLook& look) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
  QFont font("Arial");
  font.setPointSizeF(look.pointSize);
  font.setBold(look.bold);
  font.setItalic(look.italic);
  label->setFont(font);
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, look.colour);
  label->setPalette(colours);
  label->setAlignment(look.alignment);
  label->setWordWrap(true);
  return label;
}

QPushButton* GradientDialog::addButton(const char* name, const QString& text, QRect twips) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(name);
  button->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
  QFont font("Arial");
  font.setPointSize(12);
  font.setBold(true);
  button->setFont(font);
  return button;
}

// Painted on every paint rather than once per resize, so the gradient survives
// the dialog being covered and uncovered.
void GradientDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintGradient(painter, width() * twipsPerPixel, height() * twipsPerPixel, gradientStart, false);
}

void setLabelText(QLabel& label, const std::string& text) { label.setText(toDisplay(text).replace("\r\n", "\n")); }

}  // namespace ornix
