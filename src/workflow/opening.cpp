#include "opening.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "dialogs/message_dialogs.h"
#include "editor/editor_window.h"
#include "file_dialogs.h"
#include "image_loading.h"
#include "map_opening.h"
#include "model/file_kinds.h"
#include "model/map_format.h"
#include "platform/ui.h"

namespace ornix {
namespace {

const std::string kindsAdvice = "Please make sure you are selecting an ORNX file," + crlf +
                                "a text/html file containing an ORNX file," + crlf +
                                "or alternately, a GIF or JPG image.";

// Back to a normal window when the user opens a file into a minimised one.
void showNormally(EditorWindow& window) {
  if (window.isMinimized()) window.showNormal();
}

}  // namespace

MapWorkspace workspaceOf(EditorWindow& window) { return {window.document(), &window, window.pictureWidget()}; }

bool checkFileType(EditorWindow& window, Ui& ui, const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    showMessage(ui, &window, "No directories, please...", crlf + "Ornix will not open a directory.",
                "Not much else to say on that one.");
    return false;
  }
  if (!fileExists(path)) return false;
  const std::string extension = extensionOf(path);
  if (holdsMapBlock(extension) || extension == ".jpg" || extension == ".gif") return true;
  showMessage(ui, &window, "We have a problem...",
              crlf + "Ornix does not recognize the filetype in:" + crlf + crlf + path, kindsAdvice);
  return false;
}

bool wantsToSaveFirst(EditorWindow& window, Ui& ui) {
  return ask(ui, &window, "Your last chance...", "The present MAP is as yet unsaved.",
             "Would you like the opportunity to" + crlf + "save your current work?");
}

bool openFile(EditorWindow& window, Ui& ui, const std::string& path) {
  const std::string extension = extensionOf(path);
  if (holdsMapBlock(extension)) return openMapFile(workspaceOf(window), ui, path, extension);
  const PictureLoad load = loadImage(window.document(), ui, path);
  if (load == PictureLoad::loaded) window.document().forgetHistory();
  if (load == PictureLoad::unreadable) {
    ui.messageBox(ornixNote("The picture " + path + crlf + "could not be loaded, so it was not opened."));
  }
  return load == PictureLoad::loaded;
}

void openChosenFile(EditorWindow& window, Ui& ui, const std::function<std::string(const std::string&)>& askForPath,
                    const std::function<void(const std::string&)>& open) {
  showNormally(window);
  window.ignoreNextReleaseOnPicture();
  if (window.map().unsaved() && wantsToSaveFirst(window, ui)) return;
  const std::string path = askForPath(dialogStartPath(window.map()));
  if (path.empty()) return;
  open(path);
  ui.processEvents();
  window.focusPicture();
  window.acceptReleasesOnPicture();
}

void openWithDialog(EditorWindow& window, Ui& ui) {
  openChosenFile(
      window, ui, [&ui](const std::string& start) { return askForFileToOpen(ui, OpenPurpose::anything, start); },
      [&window, &ui](const std::string& path) { openFile(window, ui, path); });
}

void openDropped(EditorWindow& window, Ui& ui, const QMimeData& data) {
  showNormally(window);
  window.acceptReleasesOnPicture();  // the drag's own release never comes
  const QList<QUrl> urls = data.urls();
  const bool files =
      !urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
  if (!files) {
    ui.messageBox(ornixNote("Unknown filetype."));
    return;
  }
  if (urls.size() > 1) {
    showNote(ui, &window, "We have a problem...", crlf + "Please enter only one file to map at a time.");
    return;
  }
  const std::string path = QFile::encodeName(urls.front().toLocalFile()).toStdString();
  if (!checkFileType(window, ui, path)) return;
  if (window.map().unsaved() && wantsToSaveFirst(window, ui)) return;
  openFile(window, ui, path);
  window.focusPicture();
}

}  // namespace ornix
