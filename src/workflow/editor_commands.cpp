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
  HelpWindow help(&window, EditorCommands::keysPanel());
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
  EditorCommands& commands = window.commands();
  commands.whenGiven(Command::open, [&window, &ui] { openWithDialog(window, ui); });
  commands.whenGiven(Command::importMap, [&window, &ui] { importWithDialog(window, ui); });
  commands.whenGiven(Command::saveToClipboard, [saving] { saving->saveToClipboard(); });
  for (const auto& [command, kind] : {std::pair{Command::saveMapFile, OutputKind::mapFile},
                                      {Command::saveHtmlPage, OutputKind::htmlPage},
                                      {Command::saveTextFile, OutputKind::textFile},
                                      {Command::saveOriginalPage, OutputKind::sourcePage},
                                      {Command::saveResponsivePage, OutputKind::responsivePage}}) {
    commands.whenGiven(command, [saving, kind = kind] { saving->saveToFile(kind); });
  }
  for (const auto& [command, choice] : {std::pair{Command::imagesFolder, ImageFolderChoice::images},
                                        {Command::noFolder, ImageFolderChoice::none},
                                        {Command::customFolder, ImageFolderChoice::custom}}) {
    commands.whenGiven(command, [&settings, &ui, choice = choice] { chooseImageFolder(choice, settings, ui); });
  }
  commands.whenGiven(Command::help, [&window, &ui] { showHelp(window, ui); });
  commands.whenGiven(Command::uninstallHelp, [&window, &ui, &settings] { showUninstallHelp(window, ui, settings); });
  commands.whenGiven(Command::exit, [&window] { quitProgram(window); });
  QObject::connect(&window, &EditorWindow::dropReceived, &window,
                   [&window, &ui](const QMimeData* data) { openDropped(window, ui, *data); });
  QObject::connect(&window, &EditorWindow::areaListMade, &window,
                   [&settings](AreaListWindow* list) { keepAreaListPlace(*list, settings); });
  // An unsaved map is not closed away without asking.
  window.setCloseQuestion([&window, &ui] { return window.map().unsaved() && wantsToSaveFirst(window, ui); });
}

}  // namespace ornix
