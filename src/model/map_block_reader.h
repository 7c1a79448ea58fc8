#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "area_text.h"
#include "map_document.h"

namespace ornix {

// The problem lines for the parts every map block carries and this text lacks
// (the signature, an AREA tag's COORDS, the image tag); empty when none is missing.
std::string missingBlockParts(std::string_view page);

struct AreaAttributes {
  std::string href;
  std::string target;
  std::string alt;
};

// The first pass over a block: the HREF, Target and ALT of every AREA tag, in
// order. An HREF shorter than two characters reads as "#", a Target or ALT as
// empty. Nothing when a value has no closing quote; `read` still holds the
// attributes of the tags before it.
bool readAttributes(std::string_view htmlMap, std::vector<AreaAttributes>& read);

enum class ShapeKind { rect, circle, poly };

// One AREA tag of the second pass: its number from 1, the kind its SHAPE names
// (lower case only; none when it names no kind) and its COORDS value.
struct AreaTag {
  std::int32_t number = 0;
  std::optional<ShapeKind> kind;
  std::string_view coords;
};

// A shape read back from its COORDS, with the texts a drawn shape of the same
// numbers has and the geometry its region and outline are made from.
struct ReadShape {
  ShapeKind kind = ShapeKind::rect;
  ShapeTexts texts;
  std::vector<Point32> points;  // rectangle: both corners; circle: the centre; polygon: vertices
  float radius = 0.0f;
};

enum class ShapeFailure { none, coordinateError, unreadable };

struct ShapeReading {
  std::optional<ReadShape> shape;
  ShapeFailure failure = ShapeFailure::none;
};

// Reads a COORDS value: four numbers for a rectangle and three for a circle
// (fewer is a coordinate error), number pairs for a polygon (a lone last
// number is dropped). Numbers round half to even into their widths; a text
// that is no number or does not fit is unreadable.
// The area text is made with `room` characters to spare for its attribute part.
ShapeReading readShape(ShapeKind kind, std::string_view coords, std::size_t room = 0);

// What reading a map needs of the window that shows it.
class AreaRebuilder {
 public:
  virtual ~AreaRebuilder() = default;
  virtual void letEventsRun() = 0;
  virtual void setBusy(bool busy) = 0;
  // Makes the read shape's region, highlights it, draws its outline and pauses
  // so the areas appear one by one. Returns the region.
  virtual std::int32_t rebuildArea(const ReadShape& shape) = 0;
};

struct MapReading {
  // A tag whose attributes cannot be read stops the reading before any area
  // is made; one whose shape cannot be read keeps the areas before it.
  enum class Outcome { complete, noAreas, coordinateError, attributesUnreadable, unreadable };
  Outcome outcome = Outcome::complete;
  std::int32_t tag = 0;  // the AREA tag that stopped the reading
};

// Both passes over a block, into the document: first the attributes of every
// tag, then one area per tag whose shape reads. A reading that stops keeps the
// areas made so far; the attribute lists keep only the entries of tags that
// became areas, so every area keeps its own link.
MapReading parseMap(std::string_view htmlMap, MapDocument& document, AreaRebuilder& rebuilder);

}  // namespace ornix
