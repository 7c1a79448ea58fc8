#include "map_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "ascii_case.h"
#include "html_tokenizer.h"
#include "map_format.h"
#include "numbers.h"

namespace ornix {
namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::size_t kindWindow = 20;  // characters before a COORDS value that name its shape

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A coordinate as written: blanks around it, an optional sign, then a number.
// Nearly every coordinate is a whole number of a few digits, read here
// directly; anything else goes through the full conversion.
std::optional<double> numberOf(std::string_view item) {
  std::size_t at = 0;
  while (at < item.size() && (item[at] == ' ' || item[at] == '\t')) ++at;
  const bool negative = at < item.size() && item[at] == '-';
  const std::size_t digits = at + (negative || (at < item.size() && item[at] == '+') ? 1 : 0);
  std::size_t end = digits;
  long long whole = 0;
  while (end < item.size() && end - digits < 15 && item[end] >= '0' && item[end] <= '9') {
    whole = whole * 10 + (item[end++] - '0');
  }
  std::size_t rest = end;
  while (rest < item.size() && (item[rest] == ' ' || item[rest] == '\t')) ++rest;
  if (end > digits && rest == item.size()) return static_cast<double>(negative ? -whole : whole);
  std::string_view text = trimmed(item);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double value = 0;
  const char* const last = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), last, value);
  if (error != std::errc{} || stop != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

void commaItems(std::string_view coords, std::vector<std::string_view>& items) {
  items.clear();
  std::size_t from = 0;
  for (;;) {
    const std::size_t comma = coords.find(',', from);
    items.push_back(coords.substr(from, comma == npos ? npos : comma - from));
    if (comma == npos) return;
    from = comma + 1;
  }
}

std::optional<std::int16_t> int16Of(std::string_view item) {
  const std::optional<double> number = numberOf(item);
  return number ? roundToInt16(*number) : std::nullopt;
}

// Each reads a shape's points into an area made in place, where the map
// keeps it: the reader's time goes on these areas.
ShapeFailure readRectangle(const std::vector<std::string_view>& items, Area& area) {
  if (items.size() < 4) return ShapeFailure::coordinateError;
  std::int16_t n[4];
  for (std::size_t i = 0; i < 4; ++i) {
    const std::optional<std::int16_t> value = int16Of(items[i]);
    if (!value) return ShapeFailure::unreadable;
    n[i] = *value;
  }
  area.shape = Shape::rectangle;
  area.points = {{n[0], n[1]}, {n[2], n[3]}};
  return ShapeFailure::none;
}

ShapeFailure readCircle(const std::vector<std::string_view>& items, Area& area) {
  if (items.size() < 3) return ShapeFailure::coordinateError;
  const std::optional<std::int16_t> cx = int16Of(items[0]);
  const std::optional<std::int16_t> cy = int16Of(items[1]);
  const std::optional<double> r = numberOf(items[2]);
  if (!cx || !cy || !r || std::abs(*r) > std::numeric_limits<float>::max()) return ShapeFailure::unreadable;
  area.radius = static_cast<float>(*r);
  if (!roundedRadius(area.radius)) return ShapeFailure::unreadable;
  area.shape = Shape::circle;
  area.points = {{*cx, *cy}};
  return ShapeFailure::none;
}

ShapeFailure readPolygon(const std::vector<std::string_view>& items, Area& area) {
  area.shape = Shape::polygon;
  area.points.reserve(items.size() / 2);
  for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
    const std::optional<double> x = numberOf(items[i]);
    const std::optional<double> y = numberOf(items[i + 1]);
    const std::optional<std::int32_t> px = x ? roundToInt32(*x) : std::nullopt;
    const std::optional<std::int32_t> py = y ? roundToInt32(*y) : std::nullopt;
    if (!px || !py) return ShapeFailure::unreadable;
    area.points.push_back({*px, *py});
  }
  return area.points.empty() ? ShapeFailure::unreadable : ShapeFailure::none;
}

ShapeFailure readShapeInto(Shape shape, std::string_view coords, Area& area) {
  thread_local std::vector<std::string_view> items;  // reused from tag to tag
  commaItems(coords, items);
  switch (shape) {
    case Shape::rectangle: return readRectangle(items, area);
    case Shape::circle: return readCircle(items, area);
    case Shape::polygon: return readPolygon(items, area);
  }
  return ShapeFailure::unreadable;
}

// The kind the characters before a COORDS value name, in any case. One tag
// makes at most one area, so a window that names two kinds takes the first
// of rect, circle, poly.
std::optional<Shape> kindNamedIn(std::string_view window) {
  for (const Shape shape : {Shape::rectangle, Shape::circle, Shape::polygon}) {
    if (window.find(shapeWord(shape)) != npos) return shape;
  }
  return std::nullopt;
}

// The writer's kinds are in lower case: only a window without one is looked at again in any case.
std::optional<Shape> kindIn(std::string_view window) {
  if (const std::optional<Shape> kind = kindNamedIn(window)) return kind;
  char lowered[kindWindow];
  const std::size_t size = std::min(window.size(), kindWindow);
  std::transform(window.begin(), window.begin() + static_cast<std::ptrdiff_t>(size), lowered, asciiLower);
  return kindNamedIn({lowered, size});
}

std::string valueOf(const HtmlAttribute* attribute) { return attribute ? quotedValueOf(*attribute) : std::string(); }

// The attributes an area's tag holds for the editor, told by their names.
enum class AreaAttribute { shape, coords, href, target, alt, other };

AreaAttribute areaAttributeNamed(std::string_view name) {
  switch (name.size()) {
    case 3: return sameName(name, "alt") ? AreaAttribute::alt : AreaAttribute::other;
    case 4: return sameName(name, "href") ? AreaAttribute::href : AreaAttribute::other;
    case 5: return sameName(name, "shape") ? AreaAttribute::shape : AreaAttribute::other;
    case 6:
      if (sameName(name, "coords")) return AreaAttribute::coords;
      return sameName(name, "target") ? AreaAttribute::target : AreaAttribute::other;
    default: return AreaAttribute::other;
  }
}

// The attributes of a tag that make an area, found in one pass.
struct AreaAttributes {
  const HtmlAttribute* coords = nullptr;
  const HtmlAttribute* href = nullptr;
  const HtmlAttribute* target = nullptr;
  const HtmlAttribute* alt = nullptr;
  bool others = false;  // the tag has attributes beyond these and SHAPE
};

AreaAttributes areaAttributesOf(const HtmlToken& tag) {
  AreaAttributes found;
  for (const HtmlAttribute& attribute : tag.attributes) {
    switch (areaAttributeNamed(attribute.name)) {
      case AreaAttribute::coords: found.coords = &attribute; break;
      case AreaAttribute::href: found.href = &attribute; break;
      case AreaAttribute::target: found.target = &attribute; break;
      case AreaAttribute::alt: found.alt = &attribute; break;
      case AreaAttribute::shape: break;
      case AreaAttribute::other: found.others = true; break;
    }
  }
  return found;
}

// The kind named in the 20 characters before a COORDS value, inside its own tag.
std::optional<Shape> kindBefore(std::string_view block, std::size_t tagStart, std::size_t value) {
  const std::size_t windowStart = std::max(value >= kindWindow ? value - kindWindow : 0, tagStart);
  return kindIn(block.substr(windowStart, value - windowStart));
}

// The area of a tag with that tag's attributes; a tag of no known kind makes none.
MapReading::Outcome readTag(std::string_view block, const HtmlToken& tag, const AreaAttributes& found,
                            std::vector<Area>& areas) {
  const std::optional<Shape> kind = kindBefore(block, tag.range.begin, found.coords->valueStart);
  if (!kind) return MapReading::Outcome::complete;
  Area& area = areas.emplace_back();
  const ShapeFailure failure = readShapeInto(*kind, found.coords->value, area);
  if (failure != ShapeFailure::none) {
    areas.pop_back();
    return failure == ShapeFailure::coordinateError ? MapReading::Outcome::coordinateError
                                                    : MapReading::Outcome::unreadable;
  }
  area.attributes = {valueOf(found.href), valueOf(found.target), valueOf(found.alt), std::nullopt};
  if (found.others) area.otherAttributes = otherAttributesOf(tag);
  return MapReading::Outcome::complete;
}

// How many times a text occurs: as many areas as there can be, to reserve for.
std::size_t occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

Notice noteOf(std::string text) { return {"Ornix Note:", std::move(text), NoticeIcon::exclamation}; }

}  // namespace

std::string quotedValueOf(const HtmlAttribute& attribute) {
  std::string value(attribute.value);
  // Nearly every value holds neither character: one look at each byte tells.
  if (std::none_of(value.begin(), value.end(), [](char c) { return c == '"' || c == '<'; })) return value;
  if (attribute.quote != '"') {
    for (std::size_t at = value.find('"'); at != npos; at = value.find('"', at + 6)) value.replace(at, 1, "&quot;");
  }
  for (std::size_t at = value.find("<!--"); at != npos; at = value.find("<!--", at + 4)) value.replace(at, 1, "&lt;");
  return value;
}

std::vector<OtherAttribute> otherAttributesOf(const HtmlToken& tag) {
  std::vector<OtherAttribute> others;
  for (const HtmlAttribute& attribute : tag.attributes) {
    if (areaAttributeNamed(attribute.name) != AreaAttribute::other) continue;
    others.push_back(
        {std::string(attribute.name), attribute.hasValue ? std::optional(quotedValueOf(attribute)) : std::nullopt});
  }
  return others;
}

std::string missingBlockParts(std::string_view page) {
  std::string problems;
  if (page.find(signatureComment.substr(0, signatureComment.size() - 4)) == npos) {
    problems += "> Copyright tag missing or altered.\r\n";
  }
  if (page.find("COORDS=") == npos && !holdsEmptyMapElement(page)) problems += "> Area tags missing or altered.\r\n";
  if (page.find("<img src=") == npos) problems += "> Image tag missing or altered.";
  return problems;
}

bool holdsEmptyMapElement(std::string_view text) {
  const std::size_t map = text.find("<MAP ");
  if (map == npos) return false;
  const std::size_t opened = text.find('>', map);
  if (opened == npos) return false;
  const std::size_t next = text.find_first_not_of(" \t\r\n", opened + 1);
  return next != npos && text.substr(next, 6) == "</MAP>";
}

ShapeReading readShape(Shape shape, std::string_view coords) {
  Area area;
  const ShapeFailure failure = readShapeInto(shape, coords, area);
  if (failure != ShapeFailure::none) return {std::nullopt, failure};
  return {std::move(area), ShapeFailure::none};
}

// One walk through the tags, as a browser reads them: each tag with COORDS
// makes its area as it is met, and the first tag that cannot be read stops
// the reading, the areas before it kept. A tag the end of the block cuts
// short is one a browser drops: it cannot be read.
MapReading readMapBlock(std::string_view block) {
  MapReading reading;
  reading.areas.reserve(occurrences(block, "COORDS"));
  HtmlTokenizer tokenizer(block);
  std::int32_t tags = 0;
  for (const HtmlToken* token = &tokenizer.next(); token->kind != HtmlTokenKind::endOfText; token = &tokenizer.next()) {
    if (token->kind != HtmlTokenKind::startTag) continue;
    const AreaAttributes found = areaAttributesOf(*token);
    if (found.coords == nullptr && !(token->cutShort && token->isTag("area"))) continue;
    ++tags;
    reading.outcome = token->cutShort ? MapReading::Outcome::unreadable : readTag(block, *token, found, reading.areas);
    if (reading.outcome != MapReading::Outcome::complete) {
      reading.tag = tags;
      return reading;
    }
  }
  if (tags == 0 && !holdsEmptyMapElement(block)) reading.outcome = MapReading::Outcome::noAreas;
  return reading;
}

std::optional<Notice> readingNotice(const MapReading& reading) {
  const std::string tag = std::to_string(reading.tag);
  switch (reading.outcome) {
    case MapReading::Outcome::complete: return std::nullopt;
    case MapReading::Outcome::noAreas:
      return noteOf("There appears to be no mapped areas,\r\nor the coordinates have been corrupted.");
    case MapReading::Outcome::coordinateError:
      return Notice{"COORDINATE ERROR",
                    "There appears to be a Coordinate error.\r\nCheck coordinates for area " + tag +
                        " and see if something is missing.",
                    NoticeIcon::stop};
    case MapReading::Outcome::unreadable:
      return noteOf("AREA tag " + tag + " of the map could not be read.\r\nIt and the areas after it were not loaded.");
  }
  return std::nullopt;
}

}  // namespace ornix
