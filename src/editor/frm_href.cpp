#include "frm_href.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "dialogs/picture_button.h"
#include "model/area_text.h"
#include "platform/svg_art.h"
#include "platform/text_codec.h"
#include "platform/twips.h"
#include "window_layout.h"

namespace ornix {
namespace {

const QColor background(64, 64, 64);
const QSize buttonPicture(73, 32);

QFont dialogFont() {
  QFont font("Arial");
  font.setPointSizeF(8.25);
  font.setBold(true);
  return font;
}

QPixmap buttonPixmap(const QString& name, qreal devicePixelRatio) {
  return svgPixmap(":/buttons/" + name + ".svg", buttonPicture, devicePixelRatio);
}

}  // namespace

frmHREF::frmHREF(AttributeExchange& exchange, QWidget* editorWindow)
    : QDialog(editorWindow), exchange(exchange), editorWindow(editorWindow) {
  setObjectName("frmHREF");
  setWindowTitle("Add a URL and/or TARGET, or DELETE area.");
  setAccessibleName(windowTitle());
  setFixedSize(pixels(7620), pixels(1440));
  setFont(dialogFont());
  QPalette colours = palette();
  colours.setColor(QPalette::Window, background);
  colours.setColor(QPalette::WindowText, QColor(224, 224, 224));
  setPalette(colours);
  setAutoFillBackground(true);

  auto* label = new QLabel("Enter an HREF for the selected area.", this);
  label->setObjectName("Label1");
  label->setGeometry(twipsRect(165, 60, 5685, 285));
  txtHREF = addTextBox("txtHREF", "HREF", {120, 285, 7290, 270});
  txtTarget = addTextBox("txtTarget", "TARGET", {120, 660, 3795, 270});
  txtAlt = addTextBox("txtAlt", "ALT", {135, 1035, 7290, 270});
  auto* enter = addPictureButton("picEnter", "enter", {4155, 555, 1065, 480},
                                 "Enters current HREF and TARGET Information.");
  auto* cancel = addPictureButton("picCancel", "cancel", {5250, 555, 1065, 480},
                                  "Cancels this HREF and TARGET.");
  auto* remove = addPictureButton("picDelete", "delete", {6345, 555, 1065, 480},
                                  "Delete AREA of the MAP clicked on.");
  connect(enter, &PictureButton::clicked, this, &frmHREF::picEnter_Click);
  connect(cancel, &PictureButton::clicked, this, &frmHREF::picCancel_Click);
  connect(remove, &PictureButton::clicked, this, &frmHREF::picDelete_Click);
  // Tab order: the three boxes, then Enter, Cancel, Delete.
  setTabOrder(txtHREF, txtTarget);
  setTabOrder(txtTarget, txtAlt);
  setTabOrder(txtAlt, enter);
  setTabOrder(enter, cancel);
  setTabOrder(cancel, remove);
}

QPixmap frmHREF::upPicture(const char* button) {
  return buttonPixmap(QString(button) + "_up", 1.0);
}

QLineEdit* frmHREF::addTextBox(const char* name, const char* spokenName, QRect twips) {
  auto* box = new QLineEdit(this);
  box->setObjectName(name);
  box->setAccessibleName(spokenName);
  box->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
  box->installEventFilter(this);
  return box;
}

PictureButton* frmHREF::addPictureButton(const char* name, const char* picture, QRect twips,
                                         const char* tip) {
  const qreal ratio = devicePixelRatioF();
  auto* button = new PictureButton(buttonPixmap(QString(picture) + "_up", ratio),
                                   buttonPixmap(QString(picture) + "_down", ratio), this);
  button->setObjectName(name);
  button->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
  button->setToolTip(tip);
  button->setAccessibleName(tip);
  return button;
}

void frmHREF::load() {
  shownHref = exchange.curHREF.empty() ? std::string(defaultHref) : exchange.curHREF;
  shownTarget = exchange.curTarget.empty() ? std::string(targetPlaceholder) : exchange.curTarget;
  shownAlt = exchange.curAlt.empty() ? std::string(altPlaceholder) : exchange.curAlt;
  txtHREF->setText(toDisplay(shownHref));
  txtTarget->setText(toDisplay(shownTarget));
  txtAlt->setText(toDisplay(shownAlt));
}

void frmHREF::place() {
  move(layout::attributesDialogPlace(editorWindow->frameGeometry(), editorWindow->screen()->geometry(),
                                     frameGeometry().width()));
}

void frmHREF::showEvent(QShowEvent* event) {
  load();
  QDialog::showEvent(event);
  place();
  txtHREF->setFocus();
}

void frmHREF::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) place();
}

// A light frame just inside the dialog's edge.
void frmHREF::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(QColor(204, 204, 204), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

// Esc does nothing here; only the three buttons and the close box leave.
void frmHREF::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

// A text box that gets the focus selects all of its text, so typing replaces a placeholder.
bool frmHREF::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
  }
  return QDialog::eventFilter(watched, event);
}

void frmHREF::picEnter_Click() {
  acceptAttributes(exchange, fromDisplay(txtHREF->text(), shownHref),
                   fromDisplay(txtTarget->text(), shownTarget), fromDisplay(txtAlt->text(), shownAlt));
  answered = true;
  accept();
}

void frmHREF::picCancel_Click() {
  exchange.hrefResult.clear();
  answered = true;
  accept();
}

void frmHREF::picDelete_Click() {
  exchange.hrefResult = std::string(deleteMarker);
  answered = true;
  accept();
}

void frmHREF::reject() {
  if (!answered) exchange.hrefResult.clear();
  QDialog::reject();
}

}  // namespace ornix
