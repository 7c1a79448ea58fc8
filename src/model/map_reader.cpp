#include "map_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "map_format.h"
#include "numbers.h"

namespace ornix {
namespace {

constexpr auto npos = std::string_view::npos;
// Each value starts one character after its key: the opening quote is taken on trust.
constexpr std::string_view hrefKey = "HREF=";
constexpr std::string_view targetKey = "Target=";
constexpr std::string_view altKey = "ALT=";
constexpr std::string_view coordsKey = "COORDS=";
constexpr std::size_t kindWindow = 20;  // characters before a COORDS value that name its shape

// The quoted value starting at `from`, or nothing without a closing quote.
std::optional<std::string_view> valueAt(std::string_view text, std::size_t from) {
  const std::size_t quote = text.find('"', from);
  if (quote == npos) return std::nullopt;
  return text.substr(from, quote - from);
}

// A Target or ALT: its value when its key stands inside this tag, else empty;
// a value of fewer than two characters is empty.
std::optional<std::string> optionalValue(std::string_view text, std::size_t key, std::size_t keyLength,
                                         std::size_t tagEnd) {
  if (key == npos || tagEnd == npos || key >= tagEnd) return std::string();
  const std::optional<std::string_view> value = valueAt(text, key + keyLength + 1);
  if (!value) return std::nullopt;
  return value->size() < 2 ? std::string() : std::string(*value);
}

// The next place of a key at or after a position that only moves forward. A
// place found once stays the answer until the reading passes it, so a key
// that appears rarely is not searched for again at every tag.
class NextPlace {
 public:
  NextPlace(std::string_view text, std::string_view key) : text(text), key(key) {}
  std::size_t from(std::size_t position) {
    if (!searched || (found != npos && found < position)) {
      found = text.find(key, position);
      searched = true;
    }
    return found;
  }

 private:
  std::string_view text;
  std::string_view key;
  std::size_t found = npos;
  bool searched = false;
};

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> numberOf(std::string_view item) {
  std::string_view text = trimmed(item);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  const char* const end = text.data() + text.size();
  long long whole = 0;  // nearly every coordinate is a whole number: read it as one first
  if (const auto [last, error] = std::from_chars(text.data(), end, whole); error == std::errc{} && last == end) {
    return static_cast<double>(whole);
  }
  double value = 0;
  const auto [last, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc{} || last != end || !std::isfinite(value)) return std::nullopt;
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

ShapeReading unreadable() { return {std::nullopt, ShapeFailure::unreadable}; }
ShapeReading coordinateError() { return {std::nullopt, ShapeFailure::coordinateError}; }

ShapeReading readRectangle(const std::vector<std::string_view>& items) {
  if (items.size() < 4) return coordinateError();
  std::int16_t n[4];
  for (std::size_t i = 0; i < 4; ++i) {
    const std::optional<std::int16_t> value = int16Of(items[i]);
    if (!value) return unreadable();
    n[i] = *value;
  }
  return {Area{Shape::rectangle, {{n[0], n[1]}, {n[2], n[3]}}, 0.0f, {}}, ShapeFailure::none};
}

ShapeReading readCircle(const std::vector<std::string_view>& items) {
  if (items.size() < 3) return coordinateError();
  const std::optional<std::int16_t> cx = int16Of(items[0]);
  const std::optional<std::int16_t> cy = int16Of(items[1]);
  const std::optional<double> r = numberOf(items[2]);
  if (!cx || !cy || !r || std::abs(*r) > std::numeric_limits<float>::max()) return unreadable();
  const auto radius = static_cast<float>(*r);
  if (!roundedRadius(radius)) return unreadable();
  return {Area{Shape::circle, {{*cx, *cy}}, radius, {}}, ShapeFailure::none};
}

ShapeReading readPolygon(const std::vector<std::string_view>& items) {
  Area polygon{Shape::polygon, {}, 0.0f, {}};
  polygon.points.reserve(items.size() / 2);
  for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
    const std::optional<double> x = numberOf(items[i]);
    const std::optional<double> y = numberOf(items[i + 1]);
    const std::optional<std::int32_t> px = x ? roundToInt32(*x) : std::nullopt;
    const std::optional<std::int32_t> py = y ? roundToInt32(*y) : std::nullopt;
    if (!px || !py) return unreadable();
    polygon.points.push_back({*px, *py});
  }
  if (polygon.points.empty()) return unreadable();
  return {std::move(polygon), ShapeFailure::none};
}

// The kind the characters before a COORDS value name. One tag makes at most
// one area, so a window that names two kinds takes the first of rect, circle, poly.
std::optional<Shape> kindIn(std::string_view window) {
  if (window.find("rect") != npos) return Shape::rectangle;
  if (window.find("circle") != npos) return Shape::circle;
  if (window.find("poly") != npos) return Shape::polygon;
  return std::nullopt;
}

// One AREA tag of the second pass: its number from 1, the kind its SHAPE
// names (none when it names no kind) and its COORDS value.
struct AreaTag {
  std::int32_t number = 0;
  std::optional<Shape> kind;
  std::string_view coords;
};

// The second pass: every COORDS value with the shape kind named in the 20
// characters before it, inside its own tag. A tag ends at the first ">"
// after its value begins.
std::vector<AreaTag> readAreaTags(std::string_view block) {
  std::vector<AreaTag> tags;
  std::size_t coords = block.find(coordsKey);
  std::int32_t number = 1;
  while (coords != npos) {
    const std::size_t value = coords + coordsKey.size() + 1;
    const std::size_t tagEnd = block.find('>', value);
    if (tagEnd == npos || tagEnd == value) break;
    const std::size_t tagStart = block.rfind('<', coords);
    const std::size_t windowStart =
        std::max(value >= kindWindow ? value - kindWindow : 0, tagStart == npos ? 0 : tagStart);
    const std::size_t quote = block.find('"', value);
    const std::string_view values = block.substr(value, quote == npos ? npos : quote - value);
    tags.push_back({number++, kindIn(block.substr(windowStart, value - windowStart)), values});
    coords = block.find(coordsKey, tagEnd + 1);
  }
  return tags;
}

// The area of one tag with the attributes read for that tag; a tag of no
// known kind makes none.
MapReading::Outcome readTag(const AreaTag& tag, std::vector<Attributes>& attributes, std::vector<Area>& areas) {
  if (!tag.kind) return MapReading::Outcome::complete;
  const auto index = static_cast<std::size_t>(tag.number - 1);
  if (index >= attributes.size()) return MapReading::Outcome::unreadable;
  ShapeReading reading = readShape(*tag.kind, tag.coords);
  if (reading.failure == ShapeFailure::coordinateError) return MapReading::Outcome::coordinateError;
  if (!reading.area) return MapReading::Outcome::unreadable;
  reading.area->attributes = std::move(attributes[index]);
  areas.push_back(std::move(*reading.area));
  return MapReading::Outcome::complete;
}

Notice noteOf(std::string text) { return {"Ornix Note:", std::move(text), NoticeIcon::exclamation}; }

}  // namespace

std::string missingBlockParts(std::string_view page) {
  std::string problems;
  if (page.find(signatureComment.substr(0, signatureComment.size() - 4)) == npos) {
    problems += "> Copyright tag missing or altered.\r\n";
  }
  if (page.find("COORDS=") == npos) problems += "> Area tags missing or altered.\r\n";
  if (page.find("<img src=") == npos) problems += "> Image tag missing or altered.";
  return problems;
}

bool readAttributes(std::string_view block, std::vector<Attributes>& read) {
  NextPlace targets(block, targetKey);
  NextPlace alts(block, altKey);
  std::size_t from = 0;
  std::size_t href = block.find(hrefKey);
  do {  // the first tag is always read
    // Without any HREF the first tag is still read, from where its value would stand.
    const std::size_t value = href == npos ? from + hrefKey.size() : href + hrefKey.size() + 1;
    const std::optional<std::string_view> hrefValue = valueAt(block, value);
    if (!hrefValue) return false;
    const std::size_t valueEnd = value + hrefValue->size();
    const std::size_t tagEnd = block.find('>', value);
    std::optional<std::string> target = optionalValue(block, targets.from(from), targetKey.size(), tagEnd);
    std::optional<std::string> alt = optionalValue(block, alts.from(from), altKey.size(), tagEnd);
    if (!target || !alt) return false;
    read.push_back({hrefValue->size() < 2 ? std::string("#") : std::string(*hrefValue), std::move(*target),
                    std::move(*alt), std::nullopt});
    const std::size_t cut = block.find('>', valueEnd);
    if (cut == npos) return true;
    from = cut + 1;
    href = block.find(hrefKey, from);
  } while (href != npos);
  return true;
}

ShapeReading readShape(Shape shape, std::string_view coords) {
  thread_local std::vector<std::string_view> items;  // reused from tag to tag
  commaItems(coords, items);
  switch (shape) {
    case Shape::rectangle: return readRectangle(items);
    case Shape::circle: return readCircle(items);
    case Shape::polygon: return readPolygon(items);
  }
  return unreadable();
}

MapReading readMapBlock(std::string_view block) {
  MapReading reading;
  std::vector<Attributes> attributes;
  if (!readAttributes(block, attributes)) {
    reading.outcome = MapReading::Outcome::attributesUnreadable;
    reading.tag = static_cast<std::int32_t>(attributes.size()) + 1;
    return reading;
  }
  const std::vector<AreaTag> tags = readAreaTags(block);
  if (tags.empty()) {
    reading.outcome = MapReading::Outcome::noAreas;
    return reading;
  }
  reading.areas.reserve(tags.size());
  for (const AreaTag& tag : tags) {
    reading.outcome = readTag(tag, attributes, reading.areas);
    if (reading.outcome != MapReading::Outcome::complete) {
      reading.tag = tag.number;
      break;
    }
  }
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
    case MapReading::Outcome::attributesUnreadable:
      return noteOf("AREA tag " + tag + " of the map could not be read.\r\nNo area was loaded.");
    case MapReading::Outcome::unreadable:
      return noteOf("AREA tag " + tag + " of the map could not be read.\r\nIt and the areas after it were not loaded.");
  }
  return std::nullopt;
}

}  // namespace ornix
