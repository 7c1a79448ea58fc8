#pragma once

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace ornix {

// The look the program's own message dialogs share: no title bar, a banded
// gradient climbing from the bottom edge, Arial labels placed in twips.
class GradientDialog : public QDialog {
 public:
  GradientDialog(QWidget* owner, int clientWidthTwips, int clientHeightTwips, QColor gradientStart);

 protected:
  struct LabelLook {
    QColor colour;
    qreal pointSize = 12;
    bool bold = false;
    bool italic = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
  };
  QLabel* addLabel(const char* name, QRect twips, const LabelLook& look);
  QPushButton* addButton(const char* name, const QString& text, QRect twips);
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor gradientStart;
};

// A label's text from the program's bytes, several lines joined by CR LF.
void setLabelText(QLabel& label, const std::string& text);

}  // namespace ornix
