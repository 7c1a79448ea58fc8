#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryFile>

#include "text_codec.h"

namespace ornix {
namespace {

// A program without a window cannot take the clipboard on Wayland; under
// XWayland it can, and the desktop passes the text on to Wayland programs.
QProcessEnvironment keeperEnvironment() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(clipboardKeeperVariable, "1");
  if (environment.contains("DISPLAY")) environment.insert("QT_QPA_PLATFORM", "xcb");
  return environment;
}

}  // namespace

void QtClipboard::setText(const std::string& bytes) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(toDisplay(bytes));
  if (!keeperProgram.isEmpty()) startClipboardKeeper(keeperProgram, bytes);
}

// The text reaches the keeper as its standard input, from a file that is
// removed as soon as the keeper has it open.
bool startClipboardKeeper(const QString& program, const std::string& bytes) {
  QTemporaryFile text;
  if (!text.open()) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (text.write(bytes.data(), size) != size || !text.flush()) return false;
  QProcess keeper;
  keeper.setProgram(program);
  keeper.setProcessEnvironment(keeperEnvironment());
  keeper.setStandardInputFile(text.fileName());
  keeper.setStandardOutputFile(QProcess::nullDevice());
  keeper.setStandardErrorFile(QProcess::nullDevice());
  return keeper.startDetached();
}

}  // namespace ornix
