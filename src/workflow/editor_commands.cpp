#include "editor_commands.h"

#include <memory>

#include "dialogs/frm_help.h"
#include "editor/frm_href.h"
#include "editor/frm_map.h"
#include "image_source.h"
#include "opening.h"
#include "platform/ui.h"
#include "saving.h"
#include "shutdown.h"
#include "system/frm_delete.h"

namespace ornix {
namespace {

void showHelp(frmMap& window, Ui& ui) {
  frmHelp help(&window, {frmHREF::upPicture("enter"), frmHREF::upPicture("cancel"), frmHREF::upPicture("delete")});
  ui.showModal(help);
}

// Clearing the association ends the program without the save question.
void showUninstallHelp(frmMap& window, Ui& ui, cRegistry& registry) {
  frmDelete help(&window, ui, registry);
  ui.showModal(help);
  if (!help.endsProgram()) return;
  window.skipSavePrompt = true;
  quitProgram(window);
}

}  // namespace

void connectEditorCommands(frmMap& window, Ui& ui, Clipboard& clipboard, cRegistry& registry) {
  auto saving = std::make_shared<Saving>(window, ui, clipboard, registry);
  QObject::connect(&window, &frmMap::saveToClipboardRequested, &window, [saving] { saving->cmdMake_Click(); });
  QObject::connect(&window, &frmMap::saveToFileRequested, &window,
                   [saving](int entry) { saving->mnuFileSave2File_Click(entry); });
  QObject::connect(&window, &frmMap::imageSourceRequested, &window,
                   [&registry, &ui](int entry) { mnuFileImgDefault_Click(entry, registry, ui); });
  QObject::connect(&window, &frmMap::openRequested, &window, [&window, &ui] { mnuFileOpen_Click(window, ui); });
  QObject::connect(&window, &frmMap::dropReceived, &window,
                   [&window, &ui](const QMimeData* data) { dropOnPicture(window, ui, *data); });
  QObject::connect(&window, &frmMap::helpRequested, &window, [&window, &ui] { showHelp(window, ui); });
  QObject::connect(&window, &frmMap::uninstallHelpRequested, &window,
                   [&window, &ui, &registry] { showUninstallHelp(window, ui, registry); });
  QObject::connect(&window, &frmMap::exitRequested, &window, [&window] { quitProgram(window); });
  // An unsaved map is not closed away without asking.
  window.setCloseQuestion([&window, &ui] { return window.document().isUnsaved() && lastChance(window, ui); });
}

}  // namespace ornix
