#include "saving.h"

#include "dialogs/after_save_dialog.h"
#include "document/map_document.h"
#include "file_dialogs.h"
#include "image_loading.h"
#include "model/map_format.h"
#include "platform/clipboard.h"
#include "platform/file_store.h"
#include "platform/text_codec.h"
#include "platform/ui.h"
#include "system/image_folder.h"

namespace ornix {
namespace {}  // namespace

Saving::Saving(const MapWorkspace& workspace, Ui& ui, Clipboard& clipboard, ProgramSettings& settings, QuitAction quit)
    : workspace(workspace), ui(ui), clipboard(clipboard), settings(settings), quit(std::move(quit)) {}

const ImageMap& Saving::map() const { return workspace.document.map(); }

bool Saving::refusedWithoutPicture() {
  if (map().picture) return false;
  ui.messageBox({"Ornix Note", "You have to map something to save, first.", MessageIcon::information});
  return true;
}

bool Saving::refusedWithoutPage(OutputKind kind) {
  if (kind != OutputKind::sourcePage || map().sourcePage) return false;
  ui.messageBox({"Ornix Note",
                 "This map did not come from an HTML page, so there is no original page to save it in." + crlf + crlf +
                     "Save it As HTML instead.",
                 MessageIcon::information});
  return true;
}

void Saving::saveToClipboard() {
  if (refusedWithoutPicture()) return;
  if (!map().unsaved()) {
    ui.messageBox({"Ornix Note",
                   "You have to map an area before you can save to the ClipBoard." + crlf + crlf +
                       ">>> If you have the image you want loaded, simply choose a shape" + crlf +
                       "        from the buttons above and begin to draw." + crlf + crlf +
                       ">>> If not, drag an image file onto the Ornix screen to begin.",
                   MessageIcon::information});
    return;
  }
  clipboard.setText(buildOutput(map(), OutputKind::clipboard, imageFolder(settings)));
  commonEnding();
}

void Saving::saveToFile(OutputKind kind) {
  if (refusedWithoutPicture() || refusedWithoutPage(kind)) return;
  const std::string path = askForFileToSave(ui, kind, dialogStartPath(map()));
  if (path.empty()) return;
  if (const std::optional<std::string> failure =
          writeWholeFile(path, buildOutput(map(), kind, imageFolder(settings), systemPageLocale()))) {
    ui.messageBox({"Ornix Note", "The map could not be saved to" + crlf + path + crlf + crlf + *failure,
                   MessageIcon::exclamation});
    return;
  }
  commonEnding();
}

// The same picture again with an empty map, the link to its page ended, as
// a change that can be undone so that work goes on; the picture is read
// again at the size the map's coordinates are in (a page may show it at
// another), and when it cannot be, the pixels already held are shown again.
// Either way the document shows its picture anew, which ends an unfinished
// polygon with the map it was drawn on.
void Saving::restartMap() {
  MapDocument& document = workspace.document;
  document.empty(true);
  const Picture picture = *document.map().picture;
  std::variant<ReadPicture, PictureLoad> read = readPictureFile(ui, picture.path);
  if (ReadPicture* reread = std::get_if<ReadPicture>(&read)) {
    ReadPicture shown = shownAt(std::move(*reread), picture.width, picture.height);
    document.showPicture(shown.picture, std::move(shown.pixels));
  } else {
    document.showPicture(picture, document.pixels());
  }
}

void Saving::commonEnding() {
  restartMap();
  AfterSaveDialog after(workspace.dialogParent);
  ui.showModal(after);
  if (after.quitChosen()) quit(after);
}

}  // namespace ornix
