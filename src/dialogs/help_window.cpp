#include "help_window.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

#include "area_attributes_dialog.h"
#include "art/artwork.h"
#include "platform/twips.h"

namespace ornix {
namespace {

// The two mouse panels as first laid out, and below them the panel of the
// editing and zoom keys that came since.
constexpr QSize clientPixels(8325 / twipsPerPixel, 5025 / twipsPerPixel + 166);
const QColor frameColour(153, 153, 255);
const QColor hoverColour(255, 255, 0);
constexpr QSize bannerSize(330, 27);
constexpr QSize mouseSize(32, 124);
constexpr int textWidthTwips = 4275;

// Each panel sits in two one-pixel frames: the outer white, the inner coloured.
// (The two frames lie 2 twips apart, less than a pixel, so they are drawn
// on neighbouring pixels.)
const QRect topOuter(QPoint(1, 3), QPoint(554, 168));
const QRect bottomOuter(QPoint(1, 169), QPoint(554, 334));
const QRect keysOuter(QPoint(1, 335), QPoint(554, 500));

QRect inset(const QRect& rect, int by) { return rect.adjusted(by, by, -by, -by); }

void drawFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
  painter.setPen(colour);
  painter.drawRect(rect.x(), rect.y(), rect.width() - 1, rect.height() - 1);
}

}  // namespace

HelpWindow::HelpWindow(QWidget* editorWindow, std::vector<KeysPanelRow> keyRows)
    : QDialog(editorWindow),
      buttons{AreaAttributesDialog::upPicture("enter"), AreaAttributesDialog::upPicture("cancel"),
              AreaAttributesDialog::upPicture("delete")},
      keysRows(std::move(keyRows)),
      keysHelp(keysList(keysRows)),
      topFrame(frameColour),
      bottomFrame(frameColour),
      keysFrame(frameColour) {
  setObjectName("HelpWindow");
  setWindowTitle("Ornix Help");
  setAccessibleName(windowTitle());
  setFixedSize(clientPixels);
  setStyleSheet("#HelpWindow, #rightPanel, #leftPanel, #keysPanel { background: black; }");
  QFont font("Verdana");
  font.setPointSizeF(9.75);
  font.setBold(true);
  setFont(font);
  setMouseTracking(true);
  if (editorWindow != nullptr) move(editorWindow->frameGeometry().topLeft());

  addPanels();
  addTexts();
  placeIllustrations();
  for (const char* name : {"banner_none", "banner_right", "banner_left", "banner_keys"}) {
    banners[name] = artPixmap(QString(":/help/") + name + ".svg", bannerSize, devicePixelRatioF());
  }
  showHeader("banner_none");
}

// The three panels, each with its mouse or keyboard picture and its list
// against its right side, low enough to clear the header.
void HelpWindow::addPanels() {
  rightPanel = addPanel("rightPanel", inset(topOuter, 2));
  leftPanel = addPanel("leftPanel", inset(bottomOuter, 2));
  keysPanel = addPanel("keysPanel", inset(keysOuter, 2));
  addPicture(rightPanel, "rightMouse", "mouse_right", mouseSize)->move(1, 3);
  addPicture(leftPanel, "leftMouse", "mouse_left", mouseSize)->move(1, 3);
  addPicture(keysPanel, "keyboard", "keyboard", mouseSize)->move(1, 3);
  rightList = addPicture(rightPanel, "rightList", "right_list", {169, 120});
  leftList = addPicture(leftPanel, "leftList", "left_list", {167, 120});
  keysListPicture = new QLabel(keysPanel);
  keysListPicture->setObjectName("keysList");
  keysListPicture->setFixedSize(keysListSize);
  keysListPicture->setPixmap(ornix::keysListPicture(keysRows, devicePixelRatioF()));
  for (QLabel* list : {rightList, leftList, keysListPicture}) {
    list->move(rightPanel->width() - list->width(), rightPanel->height() - list->height() - 2);
    list->setMouseTracking(true);
    list->installEventFilter(this);
  }
}

// The header, and each panel's text 260 twips right of its picture; the top
// one below the header.
void HelpWindow::addTexts() {
  rightText = addTextBox(rightPanel, "rightText", "Choices available when you click on the right-mouse button.\n");
  leftText = addTextBox(leftPanel, "leftText", "Choices available when you click on the left mouse button.");
  keysText = addTextBox(keysPanel, "keysText", keysHelp.none.text);
  header = new QLabel(this);
  header->setObjectName("header");
  header->setGeometry(twipsRect(1665, 90, 5100, 450));
  header->setAlignment(Qt::AlignCenter);
  rightText->move(1 + mouseSize.width() + pixels(260), header->geometry().bottom() + 4 - rightPanel->y());
  leftText->move(1 + mouseSize.width() + pixels(260), 3 + pixels(60));
  keysText->move(leftText->pos());
}

QWidget* HelpWindow::addPanel(const char* name, QRect geometry) {
  auto* panel = new QWidget(this);
  panel->setObjectName(name);
  panel->setAttribute(Qt::WA_StyledBackground);
  panel->setGeometry(geometry);
  panel->setMouseTracking(true);
  panel->installEventFilter(this);
  return panel;
}

QLabel* HelpWindow::addPicture(QWidget* parent, const char* name, const char* picture, QSize size) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFixedSize(size);
  label->setPixmap(artPixmap(QString(":/help/") + picture + ".svg", size, devicePixelRatioF()));
  return label;
}

QPlainTextEdit* HelpWindow::addTextBox(QWidget* parent, const char* name, const char* text) {
  auto* box = new QPlainTextEdit(QString::fromLatin1(text), parent);
  box->setObjectName(name);
  box->setAccessibleName(parent == rightPanel  ? "Right mouse button"
                         : parent == leftPanel ? "Left mouse button"
                                               : "Editing keys");
  box->setReadOnly(true);
  box->setFrameShape(QFrame::NoFrame);
  box->setFocusPolicy(Qt::NoFocus);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setStyleSheet("background: black; color: rgb(192,192,255);");
  QFont font("Arial");
  font.setPointSizeF(14.25);
  box->setFont(font);
  box->resize(pixels(textWidthTwips), pixels(800));
  return box;
}

// The field pictures 140 twips right of the text and 200 below it; the button
// picture 300 below it, centred under the text's middle less 800 twips.
void HelpWindow::placeIllustrations() {
  const QRect text = leftText->geometry();
  hrefPicture = addPicture(leftPanel, "hrefPicture", "href_field", {261, 37});
  targetPicture = addPicture(leftPanel, "targetPicture", "target_field", {261, 37});
  for (QLabel* field : {hrefPicture, targetPicture})
    field->move(text.x() + pixels(140), text.bottom() + 1 + pixels(200));
  buttonPicture = new QLabel(leftPanel);
  buttonPicture->setObjectName("buttonPicture");
  buttonPicture->setFixedSize(buttons.enter.size().expandedTo(buttons.cancel.size()).expandedTo(buttons.remove.size()));
  buttonPicture->move(text.x() + text.width() / 2 - pixels(800), text.bottom() + 1 + pixels(300));
  showIllustration(HelpIllustration::none);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseMove) return QDialog::eventFilter(watched, event);
  const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
  if (watched == rightList) {
    showHeader("banner_right");
    hoverList(rightButtonList(), rightText, at);
  } else if (watched == leftList) {
    showHeader("banner_left");
    showIllustration(hoverList(leftButtonList(), leftText, at).illustration);
  } else if (watched == keysListPicture) {
    showHeader("banner_keys");
    hoverList(keysHelp, keysText, at);
  } else if (watched == rightPanel || watched == leftPanel || watched == keysPanel) {
    hoverOver(watched == rightPanel ? Over::topPanel : watched == leftPanel ? Over::bottomPanel : Over::keysPanel);
  } else {
    return QDialog::eventFilter(watched, event);
  }
  return true;
}

void HelpWindow::mouseMoveEvent(QMouseEvent*) { hoverOver(Over::window); }

void HelpWindow::hoverOver(Over place) {
  const QColor top = place == Over::topPanel ? hoverColour : frameColour;
  const QColor bottom = place == Over::bottomPanel ? hoverColour : frameColour;
  const QColor keys = place == Over::keysPanel ? hoverColour : frameColour;
  showHeader(place == Over::window        ? "banner_none"
             : place == Over::topPanel    ? "banner_right"
             : place == Over::bottomPanel ? "banner_left"
                                          : "banner_keys");
  if (top == topFrame && bottom == bottomFrame && keys == keysFrame) return;
  topFrame = top;
  bottomFrame = bottom;
  keysFrame = keys;
  update();
}

const HelpRow& HelpWindow::hoverList(const HelpList& list, QPlainTextEdit* text, QPoint pixel) {
  const HelpRow& row = helpRowAt(list, pixel * twipsPerPixel, twipsPerPixel, twipsPerPixel);
  if (text->toPlainText() != QLatin1String(row.text)) text->setPlainText(QString::fromLatin1(row.text));
  text->resize(text->width(), pixels(row.heightTwips));
  return row;
}

void HelpWindow::showIllustration(HelpIllustration illustration) {
  hrefPicture->setVisible(illustration == HelpIllustration::href);
  targetPicture->setVisible(illustration == HelpIllustration::target);
  const QPixmap* button = illustration == HelpIllustration::enterButton    ? &buttons.enter
                          : illustration == HelpIllustration::cancelButton ? &buttons.cancel
                          : illustration == HelpIllustration::deleteButton ? &buttons.remove
                                                                           : nullptr;
  if (button != nullptr) buttonPicture->setPixmap(*button);
  buttonPicture->setVisible(button != nullptr);
}

void HelpWindow::showHeader(const char* name) {
  if (banner == name) return;
  banner = name;
  header->setPixmap(banners[banner]);
}

void HelpWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  drawFrame(painter, topOuter, Qt::white);
  drawFrame(painter, inset(topOuter, 1), topFrame);
  drawFrame(painter, bottomOuter, Qt::white);
  drawFrame(painter, inset(bottomOuter, 1), bottomFrame);
  drawFrame(painter, keysOuter, Qt::white);
  drawFrame(painter, inset(keysOuter, 1), keysFrame);
}

}  // namespace ornix
