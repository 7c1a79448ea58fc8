#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "area.h"

namespace ornix {

// The content of a MAP element in a page a map was imported from, piece by
// piece: each area tag with the blanks and the line end of the line it
// stands alone on, and the bytes between them. Joined unchanged, the pieces
// give the content back byte for byte.
struct MapElementLayout {
  struct Place {
    std::string lead;   // the blanks before the tag on its line, where it stands alone on it
    std::string tag;    // the tag as the page has it
    std::string trail;  // the blanks and the line end after it, likewise
    // Why Ornix cannot draw the tag's area, for a tag kept and written back
    // as it stands; none for an area the map holds.
    std::optional<std::string> keptBecause;

    friend bool operator==(const Place&, const Place&) = default;
  };

  std::vector<std::string> gaps;  // before each place, then after the last: one more than the places
  std::vector<Place> places;
  std::size_t endLineStart = 0;  // where in the last gap new areas go: the end tag's line, or the gap's end
  bool endTagOnOwnLine = false;  // new areas there go on lines of their own
  std::string newIndent;         // their blanks: the end tag's and two more
  std::string lineEnd;           // the page's own
  bool selfClosing = false;      // the page ends its area tags with "/>"

  friend bool operator==(const MapElementLayout&, const MapElementLayout&) = default;
};

// An area tag of an imported map that Ornix cannot draw: its number among
// the map's area tags (from 1) and why.
struct KeptArea {
  std::size_t number = 0;
  std::string reason;

  friend bool operator==(const KeptArea&, const KeptArea&) = default;
};

// The tags of the layout kept as they were, in the page's order.
std::vector<KeptArea> keptAreas(const MapElementLayout& layout);

// The content with the map's areas: each area takes the place of an area
// tag of the page, in the map's order; an area that reads as its tag did
// keeps the tag's bytes, another gets Ornix's tag with its other attributes
// after the ALT. An area tag whose area is gone goes with its line. A new
// area follows the area before it in the map, on a line of its own as that
// one's; with none before it, it goes before the end tag. Kept tags stay
// where they are. An unchanged map gives the content back byte for byte.
std::string writeMapElement(const MapElementLayout& layout, const std::vector<Area>& areas);

}  // namespace ornix
