#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "area.h"
#include "notice.h"

namespace ornix {

// The problem lines for the parts every map block carries and this text lacks
// (the signature, an AREA tag's COORDS or else an empty MAP element, the image
// tag); empty when none is missing.
std::string missingBlockParts(std::string_view page);

// Whether the text holds a MAP element with no tag inside, as a map saved
// without areas is written.
bool holdsEmptyMapElement(std::string_view text);

enum class ShapeFailure { none, coordinateError, unreadable };

struct ShapeReading {
  std::optional<Area> area;
  ShapeFailure failure = ShapeFailure::none;
};

// Reads a COORDS value: four numbers for a rectangle and three for a circle
// (fewer is a coordinate error), number pairs for a polygon (a lone last
// number is dropped). Numbers round half to even into their widths; a text
// that is no number or does not fit is unreadable.
ShapeReading readShape(Shape shape, std::string_view coords);

// What reading a block gave: the areas read, each with its own attributes, in
// order, and how the reading ended. A quoted value that is never closed stops
// the reading before any area is made; a tag whose shape cannot be read stops
// it there, and the areas before it stay.
struct MapReading {
  enum class Outcome { complete, noAreas, coordinateError, attributesUnreadable, unreadable };
  std::vector<Area> areas;
  Outcome outcome = Outcome::complete;
  std::int32_t tag = 0;  // the AREA tag, from 1, that stopped the reading
};

// Reads every AREA tag of a block (a tag with COORDS) into one area, with the
// HREF, Target and ALT of that tag, each exactly as it stands between its
// quotes (a missing one is empty). Attributes are found only as attributes of
// their own tag, never inside another attribute's value. A tag whose SHAPE
// names no kind in lower case makes no area and takes its attributes with it.
// A block with no AREA tag has no areas: complete for an empty MAP element,
// else noAreas.
MapReading readMapBlock(std::string_view block);

// What to tell the user about a reading that did not read every area.
std::optional<Notice> readingNotice(const MapReading& reading);

}  // namespace ornix
