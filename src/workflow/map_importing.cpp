#include "map_importing.h"

#include <QFile>
#include <QUrl>
#include <cmath>
#include <filesystem>
#include <optional>

#include "dialogs/map_chooser_dialog.h"
#include "dialogs/message_dialogs.h"
#include "document/map_document.h"
#include "editor/editor_window.h"
#include "file_dialogs.h"
#include "image_loading.h"
#include "map_opening.h"
#include "model/map_format.h"
#include "model/map_import.h"
#include "model/page_charset.h"
#include "opening.h"
#include "platform/file_store.h"
#include "platform/text_codec.h"
#include "platform/ui.h"

namespace ornix {
namespace {

constexpr std::size_t sniffedBytes = 1445;        // as much of a file as browsers look at to tell text from binary
constexpr std::int32_t largestShownSide = 16384;  // a page's size for its picture beyond this is not taken

// Control bytes that no text holds, as browsers tell a binary file from a page.
bool looksBinary(std::string_view bytes) {
  const std::string_view start = bytes.substr(0, sniffedBytes);
  return std::any_of(start.begin(), start.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\f' && byte != '\r' && byte != 0x1B;
  });
}

// The page's bytes and their code page; nothing when it cannot be imported,
// which the user has been told.
std::optional<std::pair<std::string, std::string>> readPage(Ui& ui, const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > largestImportedPage) {
    ui.messageBox(ornixNote("The file " + path + crlf + "is " + std::to_string(size / bytesPerMegabyte) +
                            " MB: Ornix imports maps from pages of up to " +
                            std::to_string(largestImportedPage / bytesPerMegabyte) + " MB."));
    return std::nullopt;
  }
  std::optional<std::string> text = readWholeFile(path);
  if (!text) {
    ui.messageBox(ornixNote("The file " + path + " could not be read."));
    return std::nullopt;
  }
  std::string charset = pageCharset(*text);
  if (isUtf16(charset)) {
    ui.messageBox(ornixNote("The page " + path + crlf + "is written in UTF-16, which Ornix does not read." + crlf +
                            crlf + "Saved as UTF-8, its maps can be imported."));
    return std::nullopt;
  }
  if (looksBinary(*text)) {
    ui.messageBox(ornixNote("The file " + path + crlf + "is not a web page: it holds bytes that no page holds."));
    return std::nullopt;
  }
  return std::pair(std::move(*text), std::move(charset));
}

// Why a page offers nothing to import, with what it holds instead.
void sayThereIsNoMap(Ui& ui, const PageSurvey& survey) {
  std::string text = "This page holds no image map.";
  for (const UnansweredUsemap& each : survey.unanswered) {
    text += crlf + crlf + "The picture at line " + std::to_string(each.line) + " uses the map \"" + each.usemap +
            "\", which the page does not hold.";
  }
  if (survey.cutShortLine != 0) {
    text += crlf + crlf + "The page ends inside a tag or comment that begins at line " +
            std::to_string(survey.cutShortLine) + ".";
  }
  ui.messageBox(ornixNote(text));
}

// The map to import: the page's only one, or the one chosen in "Choose a Map".
std::optional<std::size_t> chooseMap(const PageSurvey& survey, std::string_view charset, const MapWorkspace& workspace,
                                     Ui& ui) {
  if (survey.maps.size() == 1) return 0;
  std::vector<MapChoice> choices;
  for (const PageMap& map : survey.maps) {
    const QString ownBlock = map.ornixBlock ? " (Ornix block)" : "";
    choices.push_back({valueToDisplay(map.name, charset) + ownBlock,
                       map.picture ? valueToDisplay(map.picture->source, charset) : QString(),
                       static_cast<int>(map.areaTags.size()), static_cast<int>(map.line)});
  }
  MapChooserDialog chooser(choices, workspace.dialogParent);
  ui.showModal(chooser);
  if (!chooser.chosen()) return std::nullopt;
  return static_cast<std::size_t>(*chooser.chosen());
}

// The file a picture's src names: its references decoded, its query and
// fragment dropped, its %-escapes decoded; relative to the page, or, from
// the site's root, found in the nearest folder above the page that holds it.
std::string picturePathOf(const std::string& source, std::string_view charset, const std::string& pagePath) {
  QString src = valueToDisplay(source, charset).trimmed();
  for (const QChar stop : {QChar('?'), QChar('#')}) {
    if (const qsizetype at = src.indexOf(stop); at >= 0) src.truncate(at);
  }
  if (src.startsWith("file:", Qt::CaseInsensitive)) return QFile::encodeName(QUrl(src).toLocalFile()).toStdString();
  std::string path = QFile::encodeName(QUrl::fromPercentEncoding(src.toUtf8())).toStdString();
  if (!path.starts_with('/') || path.starts_with("//")) return path;
  for (std::filesystem::path folder = std::filesystem::path(pagePath).parent_path(); !folder.empty();
       folder = folder.parent_path()) {
    if (fileExists((folder / path.substr(1)).string())) return (folder / path.substr(1)).string();
    if (folder == folder.parent_path()) break;
  }
  return path.substr(1);
}

// The size the page shows a picture at: its width and height, the missing
// one in the picture's proportions; the picture's own where neither is given.
std::pair<std::int32_t, std::int32_t> shownSize(const std::optional<PagePicture>& tag, const Picture& picture) {
  std::int32_t width = picture.width;
  std::int32_t height = picture.height;
  if (tag && tag->width && tag->height) {
    width = *tag->width;
    height = *tag->height;
  } else if (tag && tag->width && picture.width > 0) {
    width = *tag->width;
    height = static_cast<std::int32_t>(std::nearbyint(static_cast<double>(picture.height) * width / picture.width));
  } else if (tag && tag->height && picture.height > 0) {
    height = *tag->height;
    width = static_cast<std::int32_t>(std::nearbyint(static_cast<double>(picture.width) * height / picture.height));
  }
  if (width < 1 || height < 1 || width > largestShownSide || height > largestShownSide) {
    return {picture.width, picture.height};
  }
  return {width, height};
}

// The picture the map is drawn on, where the page puts it: found, or located
// by the user; nothing when there is none to show.
std::string mapPicturePath(const ImportedMap& imported, const PageMap& map, std::string_view charset,
                           const std::string& pagePath, const MapWorkspace& workspace, Ui& ui) {
  if (imported.picture) {
    return locateMapPicture(picturePathOf(imported.picture->source, charset, pagePath), pagePath, workspace, ui);
  }
  const bool locate =
      ask(ui, workspace.dialogParent, "Which picture?", "No picture in the page uses the map \"" + map.name + "\".",
          "Would you like to locate its picture now, via an open dialog?");
  if (!locate) return {};
  return askForFileToOpen(ui, OpenPurpose::picturesOnly, pagePath);
}

// The picture read and shown at the page's size; false when it does not load.
bool showImportedPicture(const ImportedMap& imported, const std::string& path, MapDocument& document, Ui& ui) {
  std::variant<ReadPicture, PictureLoad> read = readPictureFile(ui, path);
  if (const PictureLoad* failed = std::get_if<PictureLoad>(&read)) {
    if (*failed == PictureLoad::unreadable) {
      ui.messageBox(ornixNote("The picture " + path + crlf + "could not be loaded, so the map was not imported."));
    }
    return false;
  }
  ReadPicture& loaded = std::get<ReadPicture>(read);
  const auto [width, height] = shownSize(imported.picture, loaded.picture);
  ReadPicture shown = shownAt(std::move(loaded), width, height);
  document.showPicture(shown.picture, std::move(shown.pixels));
  return true;
}

}  // namespace

bool importMapFile(const MapWorkspace& workspace, Ui& ui, const std::string& path) {
  std::optional<std::pair<std::string, std::string>> page = readPage(ui, path);
  if (!page) return false;
  const auto& [text, charset] = *page;
  const PageSurvey survey = surveyPage(text);
  if (survey.maps.empty()) {
    sayThereIsNoMap(ui, survey);
    return false;
  }
  const std::optional<std::size_t> chosen = chooseMap(survey, charset, workspace, ui);
  if (!chosen) return false;
  const PageMap& map = survey.maps[*chosen];
  if (!map.closed && survey.cutShortLine >= map.line) {
    ui.messageBox(ornixNote("The page ends inside a tag or comment that begins at line " +
                            std::to_string(survey.cutShortLine) + "," + crlf + "within the map \"" + map.name +
                            "\", so the map was not imported."));
    return false;
  }
  ImportedMap imported = importMap(text, map, charset);
  const std::string picture = mapPicturePath(imported, map, charset, path, workspace, ui);
  if (picture.empty() || !showImportedPicture(imported, picture, workspace.document, ui)) return false;
  workspace.document.forgetHistory(MapOrigin::imported);
  workspace.document.holdSourcePage(imported.page);
  showAreasOneByOne(imported.areas, workspace, ui);
  if (const std::optional<std::string> kept = keptAreasNote(keptAreas(*imported.page->mapElement))) {
    ui.messageBox({"Ornix Note", *kept, MessageIcon::information, MessageButtons::ok});
  }
  return true;
}

void importWithDialog(EditorWindow& window, Ui& ui) {
  openChosenFile(
      window, ui, [&ui](const std::string& start) { return askForPageToImport(ui, start); },
      [&window, &ui](const std::string& path) { importMapFile(workspaceOf(window), ui, path); });
}

}  // namespace ornix
