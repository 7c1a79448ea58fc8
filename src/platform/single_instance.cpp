#include "single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace ornix {

LockFileInstance::LockFileInstance(const QString& path) : lock(std::make_unique<QLockFile>(path)) {
  // Age alone never makes a lock stale: the program runs for hours. Only a
  // lock whose process is gone is.
  lock->setStaleLockTime(0);
}

LockFileInstance::~LockFileInstance() = default;

bool LockFileInstance::claim() { return lock->isLocked() || lock->tryLock(0); }

QString LockFileInstance::defaultPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return folder + "/" + QCoreApplication::organizationName() + "-" + QCoreApplication::applicationName() + ".lock";
}

}  // namespace ornix
