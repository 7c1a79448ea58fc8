#include "map_element.h"

#include "map_writer.h"

namespace ornix {
namespace {

using Place = MapElementLayout::Place;

// Ornix's tag for an area, closed as the page closes its area tags.
std::string ornixTag(const Area& area, bool selfClosing) {
  std::string tag = areaTag(area);
  if (selfClosing) tag.insert(tag.size() - 1, " /");
  return tag;
}

std::string tagOf(const Area& area, bool selfClosing) {
  return readsAsImported(area) ? area.importedTag->text : ornixTag(area, selfClosing);
}

// A new area on a line made like `place`'s, or straight after it where that
// tag shares its line.
std::string newAreaLike(const Place& place, const Area& area, bool selfClosing) {
  if (place.trail.empty()) return ornixTag(area, selfClosing);
  return place.lead + ornixTag(area, selfClosing) + place.trail;
}

// The areas of the map grouped by the page's area tag each goes with: the
// k-th area read from a tag still in the map takes the k-th such tag, and
// each new area joins the area before it.
struct Placement {
  std::vector<std::size_t> places;               // the tags whose areas are still in the map, in page order
  std::vector<const Area*> taking;               // the area that takes each of those tags
  std::vector<std::vector<const Area*>> joined;  // the new areas after each
  std::vector<const Area*> leading;              // new areas before any read one
};

Placement placeAreas(const MapElementLayout& layout, const std::vector<Area>& areas) {
  Placement placement;
  std::vector<bool> claimed(layout.places.size(), false);
  std::vector<const Area*> read;
  for (const Area& area : areas) {
    const std::size_t place = area.importedTag ? area.importedTag->place : layout.places.size();
    const bool fromTag = place < layout.places.size() && !layout.places[place].keptBecause && !claimed[place];
    if (fromTag) {
      claimed[place] = true;
      read.push_back(&area);
      placement.joined.emplace_back();
    } else if (read.empty()) {
      placement.leading.push_back(&area);
    } else {
      placement.joined.back().push_back(&area);
    }
  }
  for (std::size_t place = 0; place < claimed.size(); ++place) {
    if (claimed[place]) placement.places.push_back(place);
  }
  placement.taking = std::move(read);
  return placement;
}

// New areas where no area tag is left to follow: before the end tag.
std::string lastGapWith(const MapElementLayout& layout, const std::vector<const Area*>& added) {
  const std::string& gap = layout.gaps.back();
  std::string text = gap.substr(0, layout.endLineStart);
  for (const Area* area : added) {
    const std::string tag = ornixTag(*area, layout.selfClosing);
    text += layout.endTagOnOwnLine ? layout.newIndent + tag + layout.lineEnd : tag;
  }
  return text + gap.substr(layout.endLineStart);
}

}  // namespace

std::vector<KeptArea> keptAreas(const MapElementLayout& layout) {
  std::vector<KeptArea> kept;
  for (std::size_t index = 0; index < layout.places.size(); ++index) {
    if (layout.places[index].keptBecause) kept.push_back({index + 1, *layout.places[index].keptBecause});
  }
  return kept;
}

std::string writeMapElement(const MapElementLayout& layout, const std::vector<Area>& areas) {
  const Placement placement = placeAreas(layout, areas);
  std::string content = layout.gaps.front();
  std::size_t taken = 0;  // tags whose areas are placed so far
  for (std::size_t index = 0; index < layout.places.size(); ++index) {
    const Place& place = layout.places[index];
    if (place.keptBecause) {
      content += place.lead + place.tag + place.trail;
    } else if (taken < placement.places.size() && placement.places[taken] == index) {
      if (taken == 0) {
        for (const Area* area : placement.leading) content += newAreaLike(place, *area, layout.selfClosing);
      }
      content += place.lead + tagOf(*placement.taking[taken], layout.selfClosing) + place.trail;
      for (const Area* area : placement.joined[taken]) content += newAreaLike(place, *area, layout.selfClosing);
      ++taken;
    }
    if (index + 1 < layout.places.size()) content += layout.gaps[index + 1];
  }
  if (layout.places.empty()) content.clear();
  return content + lastGapWith(layout, placement.places.empty() ? placement.leading : std::vector<const Area*>{});
}

}  // namespace ornix
