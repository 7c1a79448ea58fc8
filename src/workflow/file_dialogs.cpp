#include "file_dialogs.h"

#include <exception>
#include <filesystem>
#include <fstream>

#include <QDir>
#include <QFile>

#include "model/file_kinds.h"
#include "platform/ui.h"

namespace ornix {
namespace {

std::vector<FileFilter> openFilters(OpenPurpose purpose) {
  const FileFilter images{"Image", "*.jpg;*.gif"};
  if (purpose == OpenPurpose::picturesOnly) return {images};
  return {images, {"ORNX file", "*.ornx"}, {"Edit a map in HTML or TEXT", pageAndTextPatterns()}};
}

// The filter and the extension a name typed without one gets.
std::pair<FileFilter, std::string> saveFilter(OutputKind kind) {
  switch (kind) {
    case OutputKind::htmlPage:
    case OutputKind::responsivePage:
    case OutputKind::sourcePage: return {{"Save As HTML  (*.htm)", "*.htm"}, "htm"};
    case OutputKind::textFile: return {{"Save As TEXT  (*.txt)", "*.txt"}, "txt"};
    case OutputKind::mapFile:
    case OutputKind::clipboard: break;
  }
  return {{"Save As an ORNX (*.ornx)", "*.ornx"}, "ornx"};
}

std::string trimmedBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The dialog's answer as a path; an error on the way is said and gives none.
std::string askForFile(Ui& ui, const FileDialogRequest& request) {
  try {
    const std::optional<std::string> chosen = ui.fileDialog(request);
    if (!chosen) return {};
    std::string path = trimmedBlanks(stripAtNul(*chosen));
    if (request.open && !fileExists(path)) {
      ui.messageBox({"OPEN ERROR...", "That file you chose isn't there.", MessageIcon::exclamation});
      return {};
    }
    return path;
  } catch (const std::exception&) {
    ui.messageBox({"Ornix Note", "Error Processing the File.", MessageIcon::exclamation});
    return {};
  }
}

}  // namespace

std::string dialogStartPath(const ImageMap& map) {
  if (map.picture) return map.picture->path;
  return QFile::encodeName(QDir::homePath() + "/").toStdString();
}

std::string askForFileToOpen(Ui& ui, OpenPurpose purpose, const std::string& imagePath) {
  return askForFile(ui, {true, "Open File...", openFilters(purpose), folderOf(imagePath), "jpg"});
}

std::string askForPageToImport(Ui& ui, const std::string& imagePath) {
  const std::vector<FileFilter> filters = {{"Web pages", "*.htm;*.html;*.shtml;*.xhtml;*.asp;*.aspx;*.php;*.jsp"},
                                           {"All files", "*"}};
  return askForFile(ui, {true, "Import Map...", filters, folderOf(imagePath), ""});
}

std::string askForFileToSave(Ui& ui, OutputKind kind, const std::string& imagePath) {
  const auto [filter, extension] = saveFilter(kind);
  return askForFile(ui, {false, "Save File As...", {filter}, folderOf(imagePath), extension});
}

bool fileExists(const std::string& path) {
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) return false;
  return std::ifstream(path, std::ios::binary).is_open();
}

std::string stripAtNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

}  // namespace ornix
