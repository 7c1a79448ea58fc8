#include "file_store.h"

#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace ornix {
namespace {

// Qt reports a write that ran out of room as "Unknown error"; the disk itself
// says more. Asked while the unfinished file still takes its room.
std::string writeFailure(const QSaveFile& file, const std::string& path, std::size_t size) {
  std::error_code error;
  const std::filesystem::space_info space = std::filesystem::space(std::filesystem::path(path).parent_path(), error);
  if (!error && space.available < size) return "There is not enough free space on the disk.";
  const std::string reason = file.errorString().toStdString();
  return reason.empty() || reason == "Unknown error" ? "The file could not be written in full." : reason;
}

}  // namespace

// QSaveFile can report success after a short write on a full disk, and forgets
// its error text once commit() fails: every write is checked and the reason
// taken before giving up.
std::optional<std::string> writeWholeFile(const std::string& path, const std::string& bytes) {
  QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
  // Unbuffered, so a failing write reports the system's own reason (a full disk, say).
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString().toStdString();
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.flush() || file.error() != QFileDevice::NoError) {
    const std::string reason = writeFailure(file, path, bytes.size());
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) {
    const std::string reason = file.errorString().toStdString();
    return reason.empty() ? "the finished file could not take the old one's place" : reason;
  }
  return std::nullopt;
}

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return bytes;
}

}  // namespace ornix
