#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "area.h"
#include "html_tokenizer.h"
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
// order, and how the reading ended. A tag whose shape cannot be read, or that
// the end of the block cuts short, stops the reading there, and the areas
// before it stay.
struct MapReading {
  enum class Outcome { complete, noAreas, coordinateError, unreadable };
  std::vector<Area> areas;
  Outcome outcome = Outcome::complete;
  std::int32_t tag = 0;  // the AREA tag, from 1, that stopped the reading
};

// An attribute's value as it goes between double quotes: a double quote read
// from a single-quoted or bare value is written as &quot;, and the "<" of a
// "<!--" as &lt;, which browsers read back as those characters; nothing else
// changes.
std::string quotedValueOf(const HtmlAttribute& attribute);

// A tag's attributes beyond SHAPE, COORDS, HREF, Target and ALT, in order.
std::vector<OtherAttribute> otherAttributesOf(const HtmlToken& tag);

// Reads every AREA tag of a block (a tag with COORDS) into one area, with the
// HREF, Target and ALT of that tag, as a browser reads the tag: names in any
// case, values between double or single quotes or bare, each value exactly as
// it stands (a missing one is empty; character references are left for the
// editing to decode), and its other attributes in order. Attributes are found only as attributes of their own
// tag, never inside another attribute's value or a comment. A tag whose
// SHAPE names no kind makes no area and takes its attributes with it. A
// block with no AREA tag has no areas: complete for an empty MAP element,
// else noAreas.
MapReading readMapBlock(std::string_view block);

// What to tell the user about a reading that did not read every area.
std::optional<Notice> readingNotice(const MapReading& reading);

}  // namespace ornix
