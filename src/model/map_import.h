#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "area.h"
#include "page_maps.h"
#include "split_page.h"

namespace ornix {

// One map of a page made ready to edit: its areas as values, each knowing
// the tag it came from; the page split around the MAP element's content, so
// that it can be saved back with only that content changed (its layout holds
// the tags kept as they were); and the picture that uses the map.
struct ImportedMap {
  std::vector<Area> areas;
  std::shared_ptr<const SplitPage> page;
  std::optional<PagePicture> picture;
};

// Reads one map of a page whose bytes are in `charset`. An AREA tag's SHAPE
// is rect or rectangle, circle or circ, poly or polygon in any case, missing
// or unknown being a rectangle, as in HTML; its COORDS are numbers between
// commas, blanks or semicolons, rounded half to even, a circle keeping its
// radius's decimals. Tags of shape default, or whose coordinates are in
// percent, are no numbers, are too few for the shape or too large, are kept.
ImportedMap importMap(std::string_view page, const PageMap& map, std::string charset);

// What the Areas window shows of a tag kept as it was: its SHAPE and COORDS
// as written, its HREF, Target and ALT, and its other attributes.
struct KeptTagColumns {
  std::string shape;
  std::string coords;
  Attributes attributes;
  std::vector<OtherAttribute> others;
};
KeptTagColumns keptTagColumns(std::string_view tag);

// What to tell the user about the areas kept as they were; nothing when none were.
std::optional<std::string> keptAreasNote(const std::vector<KeptArea>& kept);

}  // namespace ornix
