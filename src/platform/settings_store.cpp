#include "settings_store.h"

#include <QSettings>
#include <QStandardPaths>

namespace ornix {
namespace {

// A key's default value is one fixed entry under the key's group.
constexpr const char* defaultEntry = "Default";

QString groupOf(const std::string& key) { return QString::fromStdString(key).replace('\\', '/'); }

}  // namespace

std::string userConfigFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

std::string userDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
}

IniSettingsStore::IniSettingsStore(const std::string& configFolder) : file(configFolder + "/Quillmere/Ornix.ini") {}

std::optional<std::string> IniSettingsStore::defaultValue(const std::string& key) const {
  const QSettings settings(QString::fromStdString(file), QSettings::IniFormat);
  const QVariant value = settings.value(groupOf(key) + "/" + defaultEntry);
  if (!value.isValid()) return std::nullopt;
  return value.toByteArray().toStdString();
}

bool IniSettingsStore::setDefaultValue(const std::string& key, const std::string& bytes) {
  QSettings settings(QString::fromStdString(file), QSettings::IniFormat);
  settings.setValue(groupOf(key) + "/" + defaultEntry, QByteArray::fromStdString(bytes));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace ornix
