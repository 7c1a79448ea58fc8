#include "opening.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "dialogs/message_dialogs.h"
#include "editor/frm_map.h"
#include "file_dialogs.h"
#include "map_opening.h"
#include "platform/ui.h"

namespace ornix {
namespace {

const std::string crlf = "\r\n";
const std::string kindsAdvice = "Please make sure you are selecting an ORNX file," + crlf +
                                "a text/html file containing an ORNX file," + crlf + "or alternately, a GIF or JPG image.";

bool isPageKind(const std::string& ext) {
  return ext == "html" || ext == ".htm" || ext == ".asp" || ext == ".txt" || ext == "ornx";
}

// Back to a normal window when the user opens a file into a minimised one.
void showNormally(frmMap& window) {
  if (window.isMinimized()) window.showNormal();
}

}  // namespace

std::string extOf(const std::string& path) {
  std::string ext = path.size() > 4 ? path.substr(path.size() - 4) : path;
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

bool checkFileType(frmMap& window, Ui& ui, const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    showMsg(ui, &window, "No directories, please...", crlf + "Ornix will not open a directory.",
            "Not much else to say on that one.");
    return false;
  }
  if (!fileExists(path)) return false;
  const std::string ext = extOf(path);
  if (isPageKind(ext) || ext == ".jpg" || ext == ".gif") return true;
  showMsg(ui, &window, "We have a problem...",
          crlf + "Ornix does not recognize the filetype in:" + crlf + crlf + path, kindsAdvice);
  return false;
}

bool lastChance(frmMap& window, Ui& ui) {
  return askAlert(ui, &window, window.tag, "Your last chance...", "The present MAP is as yet unsaved.",
                  "Would you like the opportunity to" + crlf + "save your current work?");
}

// A picture that does not load leaves the map, its links and its page as they
// were, and the user is told why.
void openByKind(frmMap& window, Ui& ui, const std::string& path) {
  const std::string ext = extOf(path);
  if (isPageKind(ext)) {
    txtSpecs(window, ui, path, ext);
    return;
  }
  const PictureLoad load = window.document().imgSpecs(path);
  if (load) {
    window.document().clearAreaAttributes();
    window.areasChanged();
  } else if (load.outcome == PictureLoad::Outcome::unreadable) {
    ui.messageBox({"Ornix Note:", "The picture " + path + crlf + "could not be loaded, so it was not opened.",
                   MessageIcon::exclamation});
  }
}

void mnuFileOpen_Click(frmMap& window, Ui& ui) {
  showNormally(window);
  EditorState& state = window.document().editorState();
  state.ignoreNextRelease = true;
  if (window.document().isUnsaved() && lastChance(window, ui)) return;
  const std::string path = fileDialog(ui, true, purpose::anyFile, window.document().imagePath());
  if (path.empty()) return;
  openByKind(window, ui, path);
  ui.processEvents();
  window.focusPicture();
  state.ignoreNextRelease = false;
}

void dropOnPicture(frmMap& window, Ui& ui, const QMimeData& data) {
  showNormally(window);
  window.document().editorState().ignoreNextRelease = false;
  const QList<QUrl> urls = data.urls();
  const bool files = !urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
  if (!files) {
    ui.messageBox({"Ornix Note:", "Unknown filetype.", MessageIcon::exclamation});
    return;
  }
  if (urls.size() > 1) {
    showMsgSm(ui, &window, "We have a problem...", crlf + "Please enter only one file to map at a time.");
    return;
  }
  const std::string path = QFile::encodeName(urls.front().toLocalFile()).toStdString();
  if (!checkFileType(window, ui, path)) return;
  if (window.document().isUnsaved() && lastChance(window, ui)) return;
  openByKind(window, ui, path);
  window.focusPicture();
}

}  // namespace ornix
