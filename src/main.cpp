// Builds the program's objects and starts the editor. A path on the command
// line (the arguments joined by single blanks) is opened: a map file, page or
// text file as a map, a GIF or JPG as the picture to map.
#include <QApplication>
#include <QFile>
#include <QStringList>

#include "editor/frm_map.h"
#include "platform/file_association.h"
#include "platform/file_store.h"
#include "platform/settings_store.h"
#include "platform/windows_registry.h"
#include "platform/ui.h"
#include "system/c_registry.h"
#include "workflow/editor_commands.h"
#include "workflow/opening.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Quillmere");
  QApplication::setApplicationName("Ornix");
  QApplication::setApplicationVersion(ORNIX_VERSION);

  ornix::QtUi ui;
  ornix::QtClipboard clipboard;
#ifdef _WIN32
  ornix::RegistrySettingsStore settings;
  ornix::RegistryAssociation association;
#else
  ornix::IniSettingsStore settings;
  ornix::FreedesktopAssociation association;
#endif
  ornix::cRegistry registry(settings, association, ui, QApplication::organizationName().toStdString(),
                            QApplication::applicationName().toStdString());
  registry.setFileAssociation(QFile::encodeName(QApplication::applicationFilePath()).toStdString());
  ornix::frmMap window(ui);
  ornix::connectEditorCommands(window, ui, clipboard, registry);

  // A file on the command line is checked before the window shows; a refused
  // one (told why, except when it does not exist) ends the program.
  const QString commandLine = QApplication::arguments().mid(1).join(' ');
  const std::string path = QFile::encodeName(commandLine).toStdString();
  if (!commandLine.isEmpty() && !ornix::checkFileType(window, ui, path)) return 0;
  window.show();
  if (!commandLine.isEmpty()) ornix::openByKind(window, ui, path);
  return QApplication::exec();
}
