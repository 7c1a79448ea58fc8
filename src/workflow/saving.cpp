#include "saving.h"

#include "editor/frm_map.h"
#include "file_dialogs.h"
#include "frm_end.h"
#include "image_source.h"
#include "model/map_block_writer.h"
#include "platform/clipboard.h"
#include "platform/file_store.h"
#include "platform/ui.h"
#include "shutdown.h"

namespace ornix {
namespace {

const std::string crlf = "\r\n";

}  // namespace

Saving::Saving(frmMap& window, Ui& ui, Clipboard& clipboard, cRegistry& registry)
    : window(window), ui(ui), clipboard(clipboard), registry(registry) {}

bool Saving::refusedWithoutPicture() {
  if (window.document().imageLoaded()) return false;
  ui.messageBox({"Ornix Note", "You have to map something to save, first.", MessageIcon::information});
  return true;
}

void Saving::cmdMake_Click() {
  if (refusedWithoutPicture()) return;
  MapDocument& document = window.document();
  if (document.areaList().empty()) {
    ui.messageBox({"Ornix Note",
                   "You have to map an area before you can save to the ClipBoard." + crlf + crlf +
                       ">>> If you have the image you want loaded, simply choose a shape" + crlf +
                       "        from the buttons above and begin to draw." + crlf + crlf +
                       ">>> If not, drag an image file onto the Ornix screen to begin.",
                   MessageIcon::information});
    return;
  }
  clipboard.setText(*buildOutput(document, OutputKind::clipboard, getImageFolder(registry)));
  commonEnding();
}

// A save that cannot be written says which file and why, and leaves the map,
// its page and the window as they were.
void Saving::mnuFileSave2File_Click(int entry) {
  if (refusedWithoutPicture()) return;
  MapDocument& document = window.document();
  if (static_cast<OutputKind>(entry) == OutputKind::sourcePage && !document.hasSourcePage()) {
    ui.messageBox({"Ornix Note",
                   "This map did not come from an HTML page, so there is no original page to save it in." + crlf +
                       crlf + "Save it As HTML instead.",
                   MessageIcon::information});
    return;
  }
  const std::string path = fileDialog(ui, false, static_cast<std::int16_t>(entry), document.imagePath());
  if (path.empty()) return;
  const std::string text = *buildOutput(document, static_cast<OutputKind>(entry), getImageFolder(registry));
  if (const std::optional<std::string> failure = writeWholeFile(path, text)) {
    ui.messageBox({"Ornix Note", "The map could not be saved to" + crlf + path + crlf + crlf + *failure,
                   MessageIcon::exclamation});
    return;
  }
  commonEnding();
}

void Saving::commonEnding() {
  MapDocument& document = window.document();
  window.endDrawing();  // an unfinished polygon ends with the map it was drawn on
  if (document.hasSourcePage()) {
    document.dropSourcePage();
    window.disableOriginalPageSave();
  }
  document.restartMap();
  window.areasChanged();
  frmEnd after(&window);
  ui.showModal(after);
  if (after.quitChosen()) chooseBye(window, ui, after);
}

}  // namespace ornix
