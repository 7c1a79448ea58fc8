#include "ui.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "skippable_pause.h"
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

// "Image" and "*.jpg;*.gif" read as "Image (*.jpg *.gif)"; a name that shows
// its patterns already stays as it is.
QString filterText(const FileFilter& filter) {
  QString name = toDisplay(filter.name);
  if (name.contains('(')) return name;
  return name + " (" + toDisplay(filter.patterns).replace(';', ' ') + ")";
}

}  // namespace

Message noticeMessage(const Notice& notice) {
  const auto icon = [&notice] {
    switch (notice.icon) {
      case NoticeIcon::information: return MessageIcon::information;
      case NoticeIcon::exclamation: return MessageIcon::exclamation;
      case NoticeIcon::stop: return MessageIcon::stop;
      case NoticeIcon::none: break;
    }
    return MessageIcon::none;
  };
  return {notice.title, notice.text, icon(), MessageButtons::ok};
}

Answer QtUi::messageBox(const Message& message) {
  QMessageBox box(iconFor(message.icon), toDisplay(message.title), displayLines(message.text),
                  buttonsFor(message.buttons), QApplication::activeWindow());
  box.setAccessibleName(toDisplay(message.title));
  return answerFor(box.exec());
}

std::optional<std::string> QtUi::inputBox(const std::string& title, const std::string& prompt) {
  bool accepted = false;
  const QString answer = QInputDialog::getText(QApplication::activeWindow(), toDisplay(title), displayLines(prompt),
                                               QLineEdit::Normal, {}, &accepted);
  if (!accepted) return std::nullopt;
  return fromDisplay(answer, {});
}

std::optional<std::string> QtUi::fileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), toDisplay(request.title),
                     QFile::decodeName(QByteArray::fromStdString(request.startFolder)));
  dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  // An open may name a file that is not there; the program says so itself.
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters << filterText(filter);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(toDisplay(request.defaultSuffix));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

void QtUi::showModal(QDialog& dialog) { dialog.exec(); }

void QtUi::popupMenu(QMenu& menu, QPoint screenPos) { menu.exec(screenPos); }

void QtUi::pause(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool QtUi::pauseUnlessSkipped(int milliseconds, const QWidget& skipTarget) {
  return waitUnlessSkipped(milliseconds, skipTarget);
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
