#include "map_opening.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>

#include "dialogs/message_dialogs.h"
#include "editor/frm_map.h"
#include "file_dialogs.h"
#include "model/map_block_reader.h"
#include "platform/ui.h"

namespace ornix {
namespace {

const std::string crlf = "\r\n";

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return bytes;
}

void showDamagedBlock(Ui& ui, frmMap& window, const std::string& problems) {
  showMsg(ui, &window, "We have a problem...",
          "The file requested either:" + crlf + crlf + "1.) Contains no ORNX file, or" + crlf +
              "2.) has been corrupted in the following manner -- " + crlf + crlf + problems,
          "  To edit an ORNX file -- the formatting of the tags needs to be followed, and the comments "
          "should be left intact.");
}

void note(Ui& ui, const std::string& title, const std::string& text, MessageIcon icon) {
  ui.messageBox({title, text, icon, MessageButtons::ok});
}

// Says why a page could not be split.
bool pageSplits(ChtmlPage& page, std::string text, const std::string& sFile, Ui& ui) {
  switch (page.parsePage(std::move(text), sFile)) {
    case ChtmlPage::Split::ok: return true;
    case ChtmlPage::Split::noStart:
      note(ui, "Ornix Note:", "There is no Ornix File in " + crlf + sFile + crlf + crlf + "    ...or it has been corrupted.",
           MessageIcon::exclamation);
      return false;
    case ChtmlPage::Split::noEnd:
      note(ui, "Ornix Note:", "ORNX has been altered," + crlf + "and cannot be edited in its present state.",
           MessageIcon::exclamation);
      return false;
    case ChtmlPage::Split::cutShort:
      note(ui, "Ornix Note:", "ORNX end comment is cut short," + crlf + "so nothing was loaded.", MessageIcon::exclamation);
      return false;
  }
  return false;
}

// Tells the user how a reading ended when it did not end with every area read.
bool reportReading(const MapReading& reading, frmMap& window, Ui& ui) {
  const std::string tag = std::to_string(reading.tag);
  switch (reading.outcome) {
    case MapReading::Outcome::complete: return true;
    case MapReading::Outcome::noAreas:
      note(ui, "Ornix Note:", "There appears to be no mapped areas," + crlf + "or the coordinates have been corrupted.",
           MessageIcon::exclamation);
      return true;
    case MapReading::Outcome::coordinateError:
      note(ui, "COORDINATE ERROR", "There appears to be a Coordinate error." + crlf + "Check coordinates for area " +
           tag + " and see if something is missing.", MessageIcon::stop);
      window.document().restartMap();
      return false;
    case MapReading::Outcome::attributesUnreadable:
      note(ui, "Ornix Note:", "AREA tag " + tag + " of the map could not be read." + crlf + "No area was loaded.",
           MessageIcon::exclamation);
      return false;
    case MapReading::Outcome::unreadable:
      note(ui, "Ornix Note:", "AREA tag " + tag + " of the map could not be read." + crlf +
           "It and the areas after it were not loaded.", MessageIcon::exclamation);
      return false;
  }
  return false;
}

}  // namespace

bool txtSpecs(frmMap& window, Ui& ui, const std::string& sFile, const std::string& ext) {
  const std::optional<std::string> text = readWholeFile(sFile);
  if (!text) {
    note(ui, "Ornix Note:", "The file " + sFile + " could not be read.", MessageIcon::exclamation);
    return false;
  }
  if (const std::string problems = missingBlockParts(*text); !problems.empty()) {
    showDamagedBlock(ui, window, problems);
    return true;
  }
  auto page = std::make_unique<ChtmlPage>();
  if (!pageSplits(*page, *text, sFile, ui)) return true;
  const std::string picture = parseImg(*page, window, ui);
  if (picture.empty()) return true;
  MapDocument& document = window.document();
  if (const PictureLoad load = document.imgSpecs(picture); !load) {
    if (load.outcome == PictureLoad::Outcome::unreadable) {
      note(ui, "Ornix Note:", "The picture " + picture + crlf + "could not be loaded, so the map was not opened.",
           MessageIcon::exclamation);
    }
    return true;
  }
  document.clearAreaAttributes();
  const bool savable = ext == "html" || ext == ".htm" || ext == ".asp";
  document.holdSourcePage(std::move(page), savable);
  // The page stays held while its block is read, so the block is read in place.
  const MapReading reading = parseMap(document.sourcePage()->htmlMap(), document, window);
  window.areasChanged();
  return reportReading(reading, window, ui);
}

std::string parseImg(const ChtmlPage& page, frmMap& window, Ui& ui) {
  const std::string src = page.imageSrc();
  const std::string folder = folderOf(page.pageFileName());
  // The path as written, beside the page; "/" stays a separator here.
  const std::string full = folder + src;
  const std::string asWritten = std::filesystem::path(src).is_absolute() ? src : full;
  if (fileExists(asWritten)) return asWritten;
  const bool locate = askAlert(ui, &window, window.tag, "Image path problem...",
                               "The image path contained in the map file points to:" + crlf + full + crlf +
                                   "which is not correct.",
                               "Would you like the opportunity to" + crlf + "locate that image now, via an open dialog?");
  if (!locate) return {};
  const std::string chosen = fileDialog(ui, true, purpose::imagesOnly, window.document().imagePath());
  if (chosen.empty()) return {};
  showMsg(ui, &window, "Keep in mind...",
          crlf + crlf + "The file path for the image about to be shown" + crlf + "is not correct, relative to the file opened.",
          "Be sure to edit this later, if necessary.");
  return chosen;
}

}  // namespace ornix
