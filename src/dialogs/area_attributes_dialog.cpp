#include "area_attributes_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "art/artwork.h"
#include "model/attribute_entry.h"
#include "picture_button.h"
#include "platform/text_codec.h"
#include "platform/twips.h"

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
  return artPixmap(":/buttons/" + name + ".svg", buttonPicture, devicePixelRatio);
}

}  // namespace

AreaAttributesDialog::AreaAttributesDialog(const Attributes& shown, QWidget* editorWindow, std::string_view charset)
    : QDialog(editorWindow), editorWindow(editorWindow), texts(shownAttributes(shown)), charset(charset) {
  setObjectName("areaAttributesDialog");
  setWindowTitle("Add a URL and/or TARGET, or DELETE area.");
  setAccessibleName(windowTitle());
  setFixedSize(pixels(7620), pixels(1440));
  setFont(dialogFont());
  QPalette colours = palette();
  colours.setColor(QPalette::Window, background);
  colours.setColor(QPalette::WindowText, QColor(224, 224, 224));
  setPalette(colours);
  setAutoFillBackground(true);

  auto* prompt = new QLabel("Enter an HREF for the selected area.", this);
  prompt->setObjectName("promptLabel");
  prompt->setGeometry(twipsRect(165, 60, 5685, 285));
  hrefEdit = addTextBox("hrefEdit", "HREF", {120, 285, 7290, 270}, texts.href);
  targetEdit = addTextBox("targetEdit", "TARGET", {120, 660, 3795, 270}, texts.target);
  altEdit = addTextBox("altEdit", "ALT", {135, 1035, 7290, 270}, texts.alt);
  auto* enter =
      addPictureButton("enterButton", "enter", {4155, 555, 1065, 480}, "Enters current HREF and TARGET Information.");
  auto* cancel = addPictureButton("cancelButton", "cancel", {5250, 555, 1065, 480}, "Cancels this HREF and TARGET.");
  auto* remove =
      addPictureButton("deleteButton", "delete", {6345, 555, 1065, 480}, "Delete AREA of the MAP clicked on.");
  connect(enter, &PictureButton::clicked, this, [this] { leaveWith(AttributesChoice::enter); });
  connect(cancel, &PictureButton::clicked, this, [this] { leaveWith(AttributesChoice::cancel); });
  connect(remove, &PictureButton::clicked, this, [this] { leaveWith(AttributesChoice::remove); });
  // Tab order: the three boxes, then Enter, Cancel, Delete.
  setTabOrder(hrefEdit, targetEdit);
  setTabOrder(targetEdit, altEdit);
  setTabOrder(altEdit, enter);
  setTabOrder(enter, cancel);
  setTabOrder(cancel, remove);
}

QPixmap AreaAttributesDialog::upPicture(const char* button) { return buttonPixmap(QString(button) + "_up", 1.0); }

std::string AreaAttributesDialog::typedHref() const { return valueFromDisplay(hrefEdit->text(), texts.href, charset); }
std::string AreaAttributesDialog::typedTarget() const {
  return valueFromDisplay(targetEdit->text(), texts.target, charset);
}
std::string AreaAttributesDialog::typedAlt() const { return valueFromDisplay(altEdit->text(), texts.alt, charset); }

QLineEdit* AreaAttributesDialog::addTextBox(const char* name, const char* spokenName, QRect twips,
                                            const std::string& text) {
  auto* box = new QLineEdit(valueToDisplay(text, charset), this);
  box->setObjectName(name);
  box->setAccessibleName(spokenName);
  box->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
  box->installEventFilter(this);
  return box;
}

PictureButton* AreaAttributesDialog::addPictureButton(const char* name, const char* picture, QRect twips,
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

void AreaAttributesDialog::leaveWith(AttributesChoice choice) {
  chosen = choice;
  accept();
}

void AreaAttributesDialog::place() {
  move(attributesDialogPlace(editorWindow->frameGeometry(), editorWindow->screen()->geometry(),
                             frameGeometry().width()));
}

void AreaAttributesDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  place();
  hrefEdit->setFocus();
}

void AreaAttributesDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) place();
}

// A light frame just inside the dialog's edge.
void AreaAttributesDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(QColor(204, 204, 204), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

// Esc does nothing here; only the three buttons and the close box leave.
void AreaAttributesDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

// A text box that gets the focus selects all of its text, so typing replaces a placeholder.
bool AreaAttributesDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
  }
  return QDialog::eventFilter(watched, event);
}

QPoint attributesDialogPlace(QRect editorFrame, QRect screen, int dialogWidth) {
  // The rule counts from the screen's own top-left corner, which on a second
  // screen is not the desktop's.
  const QRect editor = editorFrame.translated(-screen.topLeft());
  const int editorBottom = (editor.top() + editor.height()) * twipsPerPixel;
  const int screenHeight = screen.height() * twipsPerPixel;
  const int screenWidth = screen.width() * twipsPerPixel;
  const int width = dialogWidth * twipsPerPixel;
  int left = editor.left() * twipsPerPixel;
  const int top = editorBottom + 1900 < screenHeight ? editorBottom : screenHeight - 1875;
  if (left + width > screenWidth) left = screenWidth - width;
  return screen.topLeft() + QPoint(pixels(left), pixels(top));
}

}  // namespace ornix
