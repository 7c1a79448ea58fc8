#include "map_opening.h"

#include <filesystem>
#include <memory>
#include <variant>

#include "dialogs/message_dialogs.h"
#include "document/map_document.h"
#include "file_dialogs.h"
#include "image_loading.h"
#include "model/file_kinds.h"
#include "model/map_format.h"
#include "model/map_reader.h"
#include "platform/file_store.h"
#include "platform/ui.h"

namespace ornix {
namespace {

// A file that holds no whole map block says which parts it lacks.
bool blockComplete(const std::string& text, QWidget* dialogParent, Ui& ui) {
  const std::string problems = missingBlockParts(text);
  if (problems.empty()) return true;
  showMessage(ui, dialogParent, "We have a problem...",
              "The file requested either:" + crlf + crlf + "1.) Contains no ORNX file, or" + crlf +
                  "2.) has been corrupted in the following manner -- " + crlf + crlf + problems,
              "  To edit an ORNX file -- the formatting of the tags needs to be followed, and the comments "
              "should be left intact.");
  return false;
}

// The page's picture loaded into the document; false when there is none to show.
bool showMapPicture(const SplitPage& page, const std::string& path, const MapWorkspace& workspace, Ui& ui) {
  const std::string picture = locateMapPicture(imageSource(page.block), path, workspace, ui);
  if (picture.empty()) return false;
  const PictureLoad load = loadImage(workspace.document, ui, picture);
  if (load == PictureLoad::unreadable) {
    ui.messageBox(ornixNote("The picture " + picture + crlf + "could not be loaded, so the map was not opened."));
  }
  return load == PictureLoad::loaded;
}

// Tells the user how a reading ended when it did not read every area; a
// coordinate error empties the map it was read into.
bool reportReading(const MapReading& reading, MapDocument& document, Ui& ui) {
  const std::optional<Notice> notice = readingNotice(reading);
  if (notice) ui.messageBox(noticeMessage(*notice));
  if (reading.outcome == MapReading::Outcome::coordinateError) {
    document.empty(false);
    document.forgetHistory();
  }
  return reading.outcome == MapReading::Outcome::complete || reading.outcome == MapReading::Outcome::noAreas;
}

}  // namespace

bool openMapFile(const MapWorkspace& workspace, Ui& ui, const std::string& path, const std::string& extension) {
  const std::optional<std::string> text = readWholeFile(path);
  if (!text) {
    ui.messageBox(ornixNote("The file " + path + " could not be read."));
    return false;
  }
  if (!blockComplete(*text, workspace.dialogParent, ui)) return false;
  std::variant<SplitPage, Notice> split = splitPage(*text, path);
  if (const Notice* problem = std::get_if<Notice>(&split)) {
    ui.messageBox(noticeMessage(*problem));
    return false;
  }
  auto page = std::make_shared<SplitPage>(std::move(std::get<SplitPage>(split)));
  if (!showMapPicture(*page, path, workspace, ui)) return false;
  workspace.document.forgetHistory();
  MapReading reading = readMapBlock(page->block);
  workspace.document.holdSourcePage(savesBackIntoPage(extension) ? std::move(page) : nullptr);
  showAreasOneByOne(reading.areas, workspace, ui);
  return reportReading(reading, workspace.document, ui);
}

void showAreasOneByOne(std::vector<Area>& areas, const MapWorkspace& workspace, Ui& ui) {
  if (areas.empty()) return;
  ui.setBusy(true);
  bool skipped = false;
  for (Area& area : areas) {
    workspace.document.addReadArea(std::move(area));
    if (!skipped) skipped = ui.pauseUnlessSkipped(pauseAfterArea, workspace.picture);
  }
  ui.setBusy(false);
}

std::string locateMapPicture(const std::string& source, const std::string& pagePath, const MapWorkspace& workspace,
                             Ui& ui) {
  // The path as written, beside the page; "/" stays a separator here.
  const std::string full = folderOf(pagePath) + source;
  std::string asWritten = std::filesystem::path(source).is_absolute() ? source : full;
  if (fileExists(asWritten)) return asWritten;
  const bool locate =
      ask(ui, workspace.dialogParent, "Image path problem...",
          "The image path contained in the map file points to:" + crlf + full + crlf + "which is not correct.",
          "Would you like the opportunity to" + crlf + "locate that image now, via an open dialog?");
  if (!locate) return {};
  std::string chosen = askForFileToOpen(ui, OpenPurpose::picturesOnly, dialogStartPath(workspace.document.map()));
  if (chosen.empty()) return {};
  showMessage(ui, workspace.dialogParent, "Keep in mind...",
              crlf + crlf + "The file path for the image about to be shown" + crlf +
                  "is not correct, relative to the file opened.",
              "Be sure to edit this later, if necessary.");
  return chosen;
}

}  // namespace ornix
