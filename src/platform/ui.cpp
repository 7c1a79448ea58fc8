#include "ui.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "text_codec.h"

namespace ornix {
namespace {

QMessageBox::Icon iconFor(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::information: return QMessageBox::Information;
    case MessageIcon::exclamation: return QMessageBox::Warning;
    case MessageIcon::stop: return QMessageBox::Critical;
    case MessageIcon::question: return QMessageBox::Question;
    case MessageIcon::none: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsFor(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::okCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::yesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::yesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::ok: break;
  }
  return QMessageBox::Ok;
}

Answer answerFor(int button) {
  switch (button) {
    case QMessageBox::Yes: return Answer::yes;
    case QMessageBox::No: return Answer::no;
    case QMessageBox::Cancel: return Answer::cancel;
    default: return Answer::ok;
  }
}

// Message texts join lines with CR LF; a Qt label wants plain line feeds.
QString displayLines(const std::string& text) { return toDisplay(text).replace("\r\n", "\n"); }

}  // namespace

Answer QtUi::messageBox(const Message& message) {
  QMessageBox box(iconFor(message.icon), toDisplay(message.title), displayLines(message.text),
                  buttonsFor(message.buttons), QApplication::activeWindow());
  box.setAccessibleName(toDisplay(message.title));
  return answerFor(box.exec());
}

std::optional<std::string> QtUi::inputBox(const std::string& title, const std::string& prompt) {
  bool accepted = false;
  const QString answer = QInputDialog::getText(QApplication::activeWindow(), toDisplay(title),
                                               displayLines(prompt), QLineEdit::Normal, {}, &accepted);
  if (!accepted) return std::nullopt;
  return fromDisplay(answer, {});
}

void QtUi::showModal(QDialog& dialog) { dialog.exec(); }

void QtUi::popupMenu(QMenu& menu, QPoint screenPos) { menu.exec(screenPos); }

void QtUi::pause(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtUi::processEvents() { QCoreApplication::processEvents(); }

void QtUi::setBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace ornix
