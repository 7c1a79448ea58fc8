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
// (the signature, an AREA tag's COORDS, the image tag); empty when none is missing.
std::string missingBlockParts(std::string_view page);

// The first pass over a block: the HREF, Target and ALT of every AREA tag, in
// order. An HREF shorter than two characters reads as "#", a Target or ALT as
// empty. False when a value has no closing quote; `read` then holds the
// attributes of the tags before it.
bool readAttributes(std::string_view block, std::vector<Attributes>& read);

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
// order, and how the reading ended. A tag whose attributes cannot be read
// stops the reading before any area is made; a tag whose shape cannot be read
// stops it there, and the areas before it stay.
struct MapReading {
  enum class Outcome { complete, noAreas, coordinateError, attributesUnreadable, unreadable };
  std::vector<Area> areas;
  Outcome outcome = Outcome::complete;
  std::int32_t tag = 0;  // the AREA tag, from 1, that stopped the reading
};

// Both passes over a block: the attributes of every tag, then one area per
// tag whose SHAPE names a kind in lower case (a tag of no known kind makes
// no area and takes its attributes with it).
MapReading readMapBlock(std::string_view block);

// What to tell the user about a reading that did not read every area.
std::optional<Notice> readingNotice(const MapReading& reading);

}  // namespace ornix
