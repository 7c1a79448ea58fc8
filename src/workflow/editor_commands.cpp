#include "editor_commands.h"

#include <memory>

#include "dialogs/help_window.h"
#include "dialogs/uninstall_dialog.h"
#include "editor/area_list_window.h"
#include "editor/editor_window.h"
#include "map_importing.h"
#include "opening.h"
#include "platform/ui.h"
#include "saving.h"
#include "shutdown.h"
#include "system/image_folder.h"
#include "system/program_settings.h"
#include "system/uninstall.h"

namespace ornix {
namespace {

const std::string areaListPlaceSetting = "area list";

void showHelp(EditorWindow& window, Ui& ui) {
  HelpWindow help(&window);
  ui.showModal(help);
}

// Clearing the association ends the program without the save question.
void showUninstallHelp(EditorWindow& window, Ui& ui, ProgramSettings& settings) {
  UninstallDialog help(&window, ui, [&settings, &ui] { clearAssociationOnRequest(settings, ui); });
  ui.showModal(help);
  if (!help.endsProgram()) return;
  window.closeNextWithoutAsking();
  quitProgram(window);
}

// The area list's place and size, kept between runs as a setting.
void keepAreaListPlace(AreaListWindow& list, ProgramSettings& settings) {
  const std::string kept = settings.readSetting(areaListPlaceSetting);
  if (!kept.empty()) list.restorePlacement(QByteArray::fromBase64(QByteArray::fromStdString(kept)));
  QObject::connect(&list, &AreaListWindow::leftAt, &list, [&settings](const QByteArray& placement) {
    settings.storeSetting(areaListPlaceSetting, placement.toBase64().toStdString());
  });
}

}  // namespace

void connectEditorCommands(EditorWindow& window, Ui& ui, Clipboard& clipboard, ProgramSettings& settings) {
  auto saving =
      std::make_shared<Saving>(workspaceOf(window), ui, clipboard, settings,
                               [&window, &ui](AfterSaveDialog& after) { sayGoodbyeAndQuit(window, ui, after); });
  QObject::connect(&window, &EditorWindow::saveToClipboardRequested, &window, [saving] { saving->saveToClipboard(); });
  QObject::connect(&window, &EditorWindow::saveToFileRequested, &window,
                   [saving](OutputKind kind) { saving->saveToFile(kind); });
  QObject::connect(&window, &EditorWindow::imageFolderRequested, &window,
                   [&settings, &ui](ImageFolderChoice choice) { chooseImageFolder(choice, settings, ui); });
  QObject::connect(&window, &EditorWindow::openRequested, &window, [&window, &ui] { openWithDialog(window, ui); });
  QObject::connect(&window, &EditorWindow::importRequested, &window, [&window, &ui] { importWithDialog(window, ui); });
  QObject::connect(&window, &EditorWindow::dropReceived, &window,
                   [&window, &ui](const QMimeData* data) { openDropped(window, ui, *data); });
  QObject::connect(&window, &EditorWindow::helpRequested, &window, [&window, &ui] { showHelp(window, ui); });
  QObject::connect(&window, &EditorWindow::uninstallHelpRequested, &window,
                   [&window, &ui, &settings] { showUninstallHelp(window, ui, settings); });
  QObject::connect(&window, &EditorWindow::exitRequested, &window, [&window] { quitProgram(window); });
  QObject::connect(&window, &EditorWindow::areaListMade, &window,
                   [&settings](AreaListWindow* list) { keepAreaListPlace(*list, settings); });
  // An unsaved map is not closed away without asking.
  window.setCloseQuestion([&window, &ui] { return window.map().unsaved() && wantsToSaveFirst(window, ui); });
}

}  // namespace ornix
