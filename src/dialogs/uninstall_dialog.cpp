#include "uninstall_dialog.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "art/artwork.h"
#include "platform/twips.h"
#include "platform/ui.h"

namespace ornix {
namespace {

constexpr QSize clientTwips(8325, 4755);
constexpr int rampStart = 3000;

const char* const aboutText =
    "  Ornix should be uninstalled via the control panel (to properly decrement shared DLL counts)..."
    "\n\n"
    "Ornix will be listed among the removeable applications in the control panel, under "
    "\"Add/Remove Programs.\""
    "\n\n"
    "However,"
    "\n\n"
    "     Ornix rechecks registry entries for its File Associations each time it is started (in case the "
    "app is moved or there is registry damage), and makes corrections when necessary. This form is "
    "included to ensure deletetion of the current registry entries.";

struct FixedLine {
  QPoint from;
  QPoint to;
  QColor colour;
};

const FixedLine fixedLines[] = {
    {{80, 260}, {8100, 260}, QColor(255, 255, 0)},
    {{250, 100}, {250, 3200}, Qt::white},
    {{6000, 3400}, {8100, 3400}, Qt::white},
    {{8100, 2500}, {8100, 3415}, Qt::white},
};

QPoint pixelPoint(QPoint twips) { return {pixels(twips.x()), pixels(twips.y())}; }

// The painter's colour `xTwips` from the inner area's left edge: black, then
// from 3000 twips one step a twip towards RGB(0,155,255), the steps counted
// over the whole width, so the colour never gets there.
QColor rampColour(int xTwips, int widthTwips) {
  if (xTwips < rampStart || widthTwips <= 0) return Qt::black;
  const double steps = xTwips - rampStart;
  const auto channel = [&](double target) { return static_cast<int>(std::nearbyint(target / widthTwips * steps)); };
  return {0, channel(155), channel(255)};
}

}  // namespace

UninstallDialog::UninstallDialog(QWidget* editorWindow, Ui& ui, std::function<void()> clearAssociation)
    : QDialog(editorWindow, Qt::Dialog | Qt::WindowStaysOnTopHint), editor(editorWindow), ui(ui) {
  setObjectName("uninstallDialog");
  setWindowTitle("Delete Ornix");
  setAccessibleName(windowTitle());
  setWindowIcon(QIcon(artPixmap(":/delete_icon.svg", {32, 32}, 1.0)));
  setFixedSize(pixels(clientTwips.width()), pixels(clientTwips.height()));
  QFont font("Arial");
  font.setPointSizeF(9.75);
  font.setBold(true);
  setFont(font);

  auto* about = new QLabel(QString::fromLatin1(aboutText), this);
  about->setObjectName("aboutLabel");
  about->setGeometry(twipsRect(495, 405, 6900, 3210));
  about->setWordWrap(true);
  about->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  about->setStyleSheet("color: white; background: transparent;");

  auto* clear = new QPushButton("Clear Ornix Registry Entries", this);
  clear->setObjectName("clearButton");
  clear->setGeometry(twipsRect(2535, 4065, 3375, 375));
  clear->setStyleSheet(
      "QPushButton { background: rgb(192,192,192); color: black; border: 1px solid #5a5a5a; }"
      "QPushButton:pressed { background: rgb(160,160,160); }");
  connect(clear, &QPushButton::clicked, this, [this, clearAssociation = std::move(clearAssociation)] {
    clearAssociation();
    ending = true;
    accept();
  });

  // Its right edge under the editor's, its top level with the editor's.
  if (editor != nullptr) {
    const QRect owner = editor->frameGeometry();
    move(owner.x() + owner.width() - width(), owner.y());
  }
}

// Black, then from 3000 twips a blue rising towards RGB(0,155,255), then the
// four fixed lines. Each pixel column takes the colour of the last twip in it.
void UninstallDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const int widthTwips = width() * twipsPerPixel;
  for (int column = 0; column < width(); ++column) {
    const QColor colour = rampColour(column * twipsPerPixel + twipsPerPixel - 1, widthTwips);
    if (colour != Qt::black) painter.fillRect(column, 0, 1, height(), colour);
  }
  for (const FixedLine& line : fixedLines) {
    painter.setPen(line.colour);
    painter.drawLine(pixelPoint(line.from), pixelPoint(line.to));
  }
}

// Closed without clearing: out of the way, no longer on top, and the editor
// has the focus again.
void UninstallDialog::reject() {
  hide();
  ui.processEvents();
  setWindowFlag(Qt::WindowStaysOnTopHint, false);
  if (editor != nullptr) editor->activateWindow();
  QDialog::reject();
}

}  // namespace ornix
