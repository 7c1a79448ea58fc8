#include "frm_help.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

#include "platform/svg_art.h"
#include "platform/twips.h"

namespace ornix {
namespace {

constexpr QSize clientPixels(8325 / twipsPerPixel, 5025 / twipsPerPixel);
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

QRect inset(const QRect& rect, int by) { return rect.adjusted(by, by, -by, -by); }

void drawFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
  painter.setPen(colour);
  painter.drawRect(rect.x(), rect.y(), rect.width() - 1, rect.height() - 1);
}

}  // namespace

frmHelp::frmHelp(QWidget* editorWindow, ButtonPictures buttons)
    : QDialog(editorWindow), buttons(std::move(buttons)), topFrame(frameColour), bottomFrame(frameColour) {
  setObjectName("frmHelp");
  setWindowTitle("Ornix Help");
  setAccessibleName(windowTitle());
  setFixedSize(clientPixels);
  setStyleSheet("#frmHelp, #picBG1, #picBG2 { background: black; }");
  QFont font("Verdana");
  font.setPointSizeF(9.75);
  font.setBold(true);
  setFont(font);
  setMouseTracking(true);
  if (editorWindow != nullptr) move(editorWindow->frameGeometry().topLeft());

  picBG1 = addPanel("picBG1", inset(topOuter, 2));
  picBG2 = addPanel("picBG2", inset(bottomOuter, 2));
  addPicture(picBG1, "imgR_Mouse", "mouse_right", mouseSize)->move(1, 3);
  addPicture(picBG2, "imgL_Mouse", "mouse_left", mouseSize)->move(1, 3);
  img_rList = addPicture(picBG1, "img_rList", "right_list", {169, 120});
  img_lList = addPicture(picBG2, "img_lList", "left_list", {167, 120});
  // Each list against its panel's right side, low enough to clear the header.
  for (QLabel* list : {img_rList, img_lList}) {
    list->move(picBG1->width() - list->width(), picBG1->height() - list->height() - 2);
    list->setMouseTracking(true);
    list->installEventFilter(this);
  }
  txtRight = addTextBox(picBG1, "txtRight", "Choices available when you click on the right-mouse button.\n");
  txtLeft = addTextBox(picBG2, "txtLeft", "Choices available when you click on the left mouse button.");
  picHeader = new QLabel(this);
  picHeader->setObjectName("picHeader");
  picHeader->setGeometry(twipsRect(1665, 90, 5100, 450));
  picHeader->setAlignment(Qt::AlignCenter);
  // The text beside the mouse starts 260 twips right of it; the top one below the header.
  txtRight->move(1 + mouseSize.width() + pixels(260), picHeader->geometry().bottom() + 4 - picBG1->y());
  txtLeft->move(1 + mouseSize.width() + pixels(260), 3 + pixels(60));
  placeIllustrations();
  for (const char* banner : {"img_fMouse", "img_rMouse", "img_lMouse"}) {
    banners[banner] = svgPixmap(QString(":/help/") + banner + ".svg", bannerSize, devicePixelRatioF());
  }
  showHeader("img_fMouse");
}

QWidget* frmHelp::addPanel(const char* name, QRect geometry) {
  auto* panel = new QWidget(this);
  panel->setObjectName(name);
  panel->setAttribute(Qt::WA_StyledBackground);
  panel->setGeometry(geometry);
  panel->setMouseTracking(true);
  panel->installEventFilter(this);
  return panel;
}

QLabel* frmHelp::addPicture(QWidget* parent, const char* name, const char* picture, QSize size) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFixedSize(size);
  label->setPixmap(svgPixmap(QString(":/help/") + picture + ".svg", size, devicePixelRatioF()));
  return label;
}

QPlainTextEdit* frmHelp::addTextBox(QWidget* parent, const char* name, const char* text) {
  auto* box = new QPlainTextEdit(QString::fromLatin1(text), parent);
  box->setObjectName(name);
  box->setAccessibleName(parent == picBG1 ? "Right mouse button" : "Left mouse button");
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
void frmHelp::placeIllustrations() {
  const QRect text = txtLeft->geometry();
  imgHREF = addPicture(picBG2, "imgHREF", "href_field", {261, 37});
  imgTarget = addPicture(picBG2, "imgTarget", "target_field", {261, 37});
  for (QLabel* field : {imgHREF, imgTarget}) field->move(text.x() + pixels(140), text.bottom() + 1 + pixels(200));
  imgButtons = new QLabel(picBG2);
  imgButtons->setObjectName("imgButtons");
  imgButtons->setFixedSize(buttons.enter.size().expandedTo(buttons.cancel.size()).expandedTo(buttons.remove.size()));
  imgButtons->move(text.x() + text.width() / 2 - pixels(800), text.bottom() + 1 + pixels(300));
  showIllustration(HelpIllustration::none);
}

bool frmHelp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseMove) return QDialog::eventFilter(watched, event);
  const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
  if (watched == img_rList) {
    showHeader("img_rMouse");
    hoverList(rightButtonList(), txtRight, at);
  } else if (watched == img_lList) {
    showHeader("img_lMouse");
    showIllustration(hoverList(leftButtonList(), txtLeft, at).illustration);
  } else if (watched == picBG1 || watched == picBG2) {
    hoverOver(watched == picBG1 ? Over::topPanel : Over::bottomPanel);
  } else {
    return QDialog::eventFilter(watched, event);
  }
  return true;
}

void frmHelp::mouseMoveEvent(QMouseEvent*) { hoverOver(Over::window); }

void frmHelp::hoverOver(Over place) {
  const QColor top = place == Over::topPanel ? hoverColour : frameColour;
  const QColor bottom = place == Over::bottomPanel ? hoverColour : frameColour;
  showHeader(place == Over::window ? "img_fMouse" : place == Over::topPanel ? "img_rMouse" : "img_lMouse");
  if (top == topFrame && bottom == bottomFrame) return;
  topFrame = top;
  bottomFrame = bottom;
  update();
}

const HelpRow& frmHelp::hoverList(const HelpList& list, QPlainTextEdit* text, QPoint pixel) {
  const HelpRow& row = helpRowAt(list, pixel * twipsPerPixel, twipsPerPixel, twipsPerPixel);
  if (text->toPlainText() != QLatin1String(row.text)) text->setPlainText(QString::fromLatin1(row.text));
  text->resize(text->width(), pixels(row.heightTwips));
  return row;
}

void frmHelp::showIllustration(HelpIllustration illustration) {
  imgHREF->setVisible(illustration == HelpIllustration::href);
  imgTarget->setVisible(illustration == HelpIllustration::target);
  const QPixmap* button = illustration == HelpIllustration::enterButton    ? &buttons.enter
                          : illustration == HelpIllustration::cancelButton ? &buttons.cancel
                          : illustration == HelpIllustration::deleteButton ? &buttons.remove
                                                                           : nullptr;
  if (button != nullptr) imgButtons->setPixmap(*button);
  imgButtons->setVisible(button != nullptr);
}

void frmHelp::showHeader(const char* banner) {
  if (header == banner) return;
  header = banner;
  picHeader->setPixmap(banners[header]);
}

void frmHelp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  drawFrame(painter, topOuter, Qt::white);
  drawFrame(painter, inset(topOuter, 1), topFrame);
  drawFrame(painter, bottomOuter, Qt::white);
  drawFrame(painter, inset(bottomOuter, 1), bottomFrame);
}

}  // namespace ornix
