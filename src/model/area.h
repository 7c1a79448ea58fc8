#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornix {

enum class Shape { rectangle, circle, polygon };

// The word a map's SHAPE attribute gives a shape: "rect", "circle" or "poly".
constexpr std::string_view shapeWord(Shape shape) {
  switch (shape) {
    case Shape::rectangle: return "rect";
    case Shape::circle: return "circle";
    case Shape::polygon: return "poly";
  }
  return {};
}

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;

  friend bool operator==(const Point&, const Point&) = default;
};

// An area's link, frame target and alternative text as its AREA tag carries
// them; an empty Target or ALT is left out of the tag.
struct Attributes {
  std::string href;
  std::string target;
  std::string alt;
  // The link the attributes dialog offers where that is not the written one:
  // "#" typed over a link writes "#" and goes on offering the link.
  std::optional<std::string> offeredHref;

  friend bool operator==(const Attributes&, const Attributes&) = default;
};

// An attribute of an AREA tag beyond those the editor edits (title, class,
// rel, download, aria-*, data-*, on*, nohref, ...): kept with its area, in
// its order, and written after the ALT.
struct OtherAttribute {
  std::string name;                  // as written
  std::optional<std::string> value;  // as it goes between double quotes; none for a name standing alone

  friend bool operator==(const OtherAttribute&, const OtherAttribute&) = default;
};

struct ImportedTag;

// One hotspot of the map.
struct Area {
  Shape shape = Shape::rectangle;
  // A rectangle's press corner then its release corner, unsorted; a circle's
  // centre; a polygon's vertices in drawing order.
  std::vector<Point> points;
  // A circle's radius as drawn or read; its COORDS hold it rounded.
  float radius = 0.0f;
  Attributes attributes;
  std::vector<OtherAttribute> otherAttributes;
  // For an area imported from a page: its tag there, which is written back
  // as it stands while the area reads as it did.
  std::shared_ptr<const ImportedTag> importedTag;

  friend bool operator==(const Area&, const Area&) = default;
};

// An area's tag in the page it was imported from: the tag's bytes, its place
// among the MAP element's area tags (from 0), and the area as they read.
struct ImportedTag {
  std::string text;
  std::size_t place = 0;
  Area asRead;
};

// Whether an imported area still reads as its tag: the same shape, points,
// radius, attributes and other attributes.
bool readsAsImported(const Area& area);

// The link the attributes dialog offers for an area.
inline const std::string& offeredHref(const Attributes& attributes) {
  return attributes.offeredHref ? *attributes.offeredHref : attributes.href;
}

// Drawing keeps a rectangle whose sides multiply to 70 square pixels or more
// and a circle of radius 7 or more; smaller ones are dropped.
inline constexpr std::int64_t smallestRectangle = 70;
inline constexpr float smallestRadius = 7.0f;
bool largeEnough(const Area& area);

// The radius a circle's COORDS hold: rounded half to even; nothing when that
// is not a 16-bit number.
std::optional<std::int16_t> roundedRadius(float radius);

}  // namespace ornix
