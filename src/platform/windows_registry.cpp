#include "windows_registry.h"

#include <shlobj.h>
#include <windows.h>

#include <QDir>
#include <QFile>
#include <QSettings>

namespace ornix {
namespace {

QString registryKey(const std::string& key) { return QString::fromStdString(key).replace('\\', '/'); }

// Tells the shell that a file type's association changed, so that it opens
// ".ornx" files with the program at once.
void tellTheShell() { SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr); }

// The stored text with the terminating zero the registry keeps with it.
std::string withTerminator(const QString& text) { return text.toLocal8Bit().toStdString() + '\0'; }

}  // namespace

std::optional<std::string> RegistrySettingsStore::defaultValue(const std::string& key) const {
  const QSettings user("HKEY_CURRENT_USER", QSettings::NativeFormat);
  const QVariant value = user.value(registryKey(key) + "/Default");
  if (!value.isValid()) return std::nullopt;
  return withTerminator(value.toString());
}

bool RegistrySettingsStore::setDefaultValue(const std::string& key, const std::string& bytes) {
  QSettings user("HKEY_CURRENT_USER", QSettings::NativeFormat);
  const std::string text = bytes.substr(0, bytes.find('\0'));
  user.setValue(registryKey(key) + "/Default", QString::fromLocal8Bit(text));
  user.sync();
  return user.status() == QSettings::NoError;
}

bool RegistryAssociation::write(const std::string& programPath) {
  QSettings classes("HKEY_CURRENT_USER\\Software\\Classes", QSettings::NativeFormat);
  classes.setValue(".ornx/Default", "Ornix");
  classes.setValue("Ornix/Default", "Client-side image mapper");
  const QString program = QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(programPath)));
  // Both quoted: a program folder or a map file with blanks in its name.
  classes.setValue("Ornix/shell/open/command/Default", "\"" + program + "\" \"%1\"");
  classes.sync();
  tellTheShell();
  return classes.status() == QSettings::NoError;
}

// ".ornx", then "Ornix" with its keys below; only the last one's removal
// counts, and a key that is already gone was not removed.
bool RegistryAssociation::remove() {
  QSettings classes("HKEY_CURRENT_USER\\Software\\Classes", QSettings::NativeFormat);
  classes.remove(".ornx");
  const bool present = classes.childGroups().contains("Ornix");
  classes.remove("Ornix");
  classes.sync();
  tellTheShell();
  return present && classes.status() == QSettings::NoError;
}

}  // namespace ornix
