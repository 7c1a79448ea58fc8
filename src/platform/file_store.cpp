#include "file_store.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include "text_codec.h"

namespace ornix {

// QSaveFile can report success after a short write on a full disk, and forgets
// its error text once commit() fails: every write is checked and the reason
// taken before giving up.
std::optional<std::string> writeWholeFile(const std::string& path, const std::string& bytes) {
  QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
  if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.flush() || file.error() != QFileDevice::NoError) {
    const std::string reason = file.errorString().toStdString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) {
    const std::string reason = file.errorString().toStdString();
    return reason.empty() ? "the finished file could not take the old one's place" : reason;
  }
  return std::nullopt;
}

void QtClipboard::setText(const std::string& bytes) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(toDisplay(bytes));
}

}  // namespace ornix
