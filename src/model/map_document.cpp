#include "map_document.h"


#include "image_info.h"
#include "map_block_format.h"
#include "text_helpers.h"

namespace ornix {
namespace {

// Every image file name ends in a four-character extension (".gif", "jpeg");
// the map is named after the rest.
constexpr std::size_t extensionLength = 4;

std::string buildImageTagTail(const std::string& fileName, const ImageInfo& info,
                              const std::string& mapName) {
  return fileName + "\" width=" + std::to_string(info.width) +
         " height=" + std::to_string(info.height) + " border=0 USEMAP=\"#" + mapName + "\">";
}

std::string buildMapOpening(const std::string& mapName) {
  return std::string(signatureComment) + std::string(crlf) + "<MAP NAME=\"" + mapName + "\">";
}

// Passes notes on and remembers whether one was shown: the measurement shows
// one only when it refuses the picture.
class NoteWatch final : public Notifier {
 public:
  explicit NoteWatch(Notifier& shown) : shown(shown) {}
  void showNote(const Note& note) override {
    noted = true;
    shown.showNote(note);
  }
  bool noted = false;

 private:
  Notifier& shown;
};

}  // namespace

MapDocument::MapDocument(MapView& view, Notifier& notifier, std::string startFolder)
    : view(view), notifier(notifier), path(std::move(startFolder)) {}

PictureLoad MapDocument::imgSpecs(const std::string& sFile) {
  // Everything that can fail comes before the first change, so the tag pieces
  // always describe the picture on screen.
  const std::string fileName = fileNameOf(sFile);
  if (fileName.size() < extensionLength) return {};
  NoteWatch refusal(notifier);
  const ImageInfo info = getImgInfo(sFile, refusal);
  if (!view.loadPicture(sFile)) {
    return {refusal.noted ? PictureLoad::Outcome::refused : PictureLoad::Outcome::unreadable};
  }

  loaded = true;
  clearAreas();
  path = sFile;
  const std::string mapName = fileName.substr(0, fileName.size() - extensionLength);
  tagTail = buildImageTagTail(fileName, info, mapName);
  opening = buildMapOpening(mapName);
  view.enableMake(false);
  view.fitWindowToImage();
  return {PictureLoad::Outcome::loaded};
}

void MapDocument::addArea(std::string areaText, std::int32_t region, std::string coordText) {
  areas.push_back(std::move(areaText));
  regions.push_back(region);
  coords.push_back(std::move(coordText));
  ++count;
}

void MapDocument::addAreaDefaults() {
  appendAttributes(std::string(defaultHref), std::string(targetPlaceholder),
                   std::string(altPlaceholder));
}

void MapDocument::appendAttributes(std::string href, std::string target, std::string alt) {
  hrefs.push_back(std::move(href));
  targets.push_back(std::move(target));
  alts.push_back(std::move(alt));
}

void MapDocument::removeArea(std::size_t index) {
  const std::int32_t region = regions.at(index);
  const auto at = [index](auto& list) { list.erase(list.begin() + static_cast<std::ptrdiff_t>(index)); };
  at(areas);
  at(regions);
  at(coords);
  at(hrefs);
  at(targets);
  at(alts);
  view.releaseRegion(region);
}

void MapDocument::rewriteArea(std::size_t index, std::string areaText, std::string href,
                              std::string target, std::string alt) {
  areas.at(index) = std::move(areaText);
  hrefs.at(index) = std::move(href);
  targets.at(index) = std::move(target);
  alts.at(index) = std::move(alt);
  // An edit counts the areas afresh (a count never below the number of areas).
  count = static_cast<std::int32_t>(areas.size());
}

void MapDocument::retainAttributes(const std::vector<bool>& keep) {
  const auto filter = [&keep](std::vector<std::string>& list) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (i >= keep.size() || !keep[i]) continue;
      if (kept != i) list[kept] = std::move(list[i]);
      ++kept;
    }
    list.resize(kept);
  };
  filter(hrefs);
  filter(targets);
  filter(alts);
}

void MapDocument::clearAreas() {
  if (count == 0) return;
  count = 0;
  for (const std::int32_t region : regions) view.releaseRegion(region);
  areas.clear();
  regions.clear();
  coords.clear();
}

void MapDocument::clearAreaAttributes() {
  hrefs.clear();
  targets.clear();
  alts.clear();
}

bool MapDocument::restartMap() {
  const bool reloaded(imgSpecs(path));
  state.popupPending = false;
  clearAreas();
  clearAreaAttributes();
  return reloaded;
}

void MapDocument::holdSourcePage(std::unique_ptr<ChtmlPage> newPage, bool savable) {
  page = std::move(newPage);
  pageSavable = savable;
}

void MapDocument::dropSourcePage() {
  page.reset();
  pageSavable = false;
}

}  // namespace ornix
