// Builds the program's objects and hands over to the start: one copy only,
// the map-file association, then the editor window with the file the command
// line names (the arguments joined by single blanks). Started as a clipboard
// keeper, it only keeps a saved map on the clipboard.
#include <QApplication>
#include <QFile>
#include <QGuiApplication>

#include "editor/editor_window.h"
#include "platform/clipboard.h"
#ifndef _WIN32
#include "platform/clipboard_keeper.h"
#endif
#include "platform/file_association.h"
#include "platform/settings_store.h"
#include "platform/single_instance.h"
#include "platform/ui.h"
#include "platform/windows_registry.h"
#include "system/program_settings.h"
#include "workflow/editor_commands.h"
#include "workflow/start_up.h"

namespace {

// The program's own copy keeps a saved map pasteable after it ends, where a
// desktop has a clipboard to keep: the X window system, and Wayland through XWayland.
QString clipboardKeeper() {
  const QString platform = QGuiApplication::platformName();
  if (platform == "xcb" || (platform == "wayland" && qEnvironmentVariableIsSet("DISPLAY"))) {
    return QApplication::applicationFilePath();
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
#ifndef _WIN32
  if (qEnvironmentVariableIsSet(ornix::clipboardKeeperVariable)) {
    QGuiApplication keeper(argc, argv);
    return ornix::runClipboardKeeper();
  }
#endif
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Quillmere");
  QApplication::setApplicationName("Ornix");
  QApplication::setApplicationVersion(ORNIX_VERSION);

  ornix::QtUi ui;
  ornix::QtClipboard clipboard(clipboardKeeper());
  ornix::LockFileInstance instance;
#ifdef _WIN32
  ornix::RegistrySettingsStore settings;
  ornix::RegistryAssociation association;
#else
  ornix::IniSettingsStore settings;
  ornix::FreedesktopAssociation association;
#endif
  ornix::ProgramSettings programSettings(settings, association, ui, QApplication::organizationName().toStdString(),
                                         QApplication::applicationName().toStdString());
  ornix::EditorWindow window(ui);
  ornix::connectEditorCommands(window, ui, clipboard, programSettings);

  const ornix::StartServices services{ui, instance, programSettings, window,
                                      QFile::encodeName(QApplication::applicationFilePath()).toStdString()};
  if (!ornix::startProgram(services, ornix::commandLineText(QApplication::arguments()))) return 0;
  return QApplication::exec();
}
