#include "map_block_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "map_block_format.h"
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
  long long whole = 0;  // nearly every coordinate is a whole number: read it as one first
  const auto [wholeEnd, wholeError] = std::from_chars(text.data(), text.data() + text.size(), whole);
  if (!text.empty() && wholeError == std::errc{} && wholeEnd == text.data() + text.size()) {
    return static_cast<double>(whole);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
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

ShapeReading readRect(const std::vector<std::string_view>& items, std::size_t room) {
  if (items.size() < 4) return {std::nullopt, ShapeFailure::coordinateError};
  std::int16_t n[4];
  for (std::size_t i = 0; i < 4; ++i) {
    const std::optional<std::int16_t> value = int16Of(items[i]);
    if (!value) return unreadable();
    n[i] = *value;
  }
  return {ReadShape{ShapeKind::rect, rectShape(n[0], n[1], n[2], n[3], room), {{n[0], n[1]}, {n[2], n[3]}}, 0.0f},
          ShapeFailure::none};
}

ShapeReading readCircle(const std::vector<std::string_view>& items, std::size_t room) {
  if (items.size() < 3) return {std::nullopt, ShapeFailure::coordinateError};
  const std::optional<std::int16_t> cx = int16Of(items[0]);
  const std::optional<std::int16_t> cy = int16Of(items[1]);
  const std::optional<double> r = numberOf(items[2]);
  if (!cx || !cy || !r || std::abs(*r) > std::numeric_limits<float>::max()) return unreadable();
  const auto radius = static_cast<float>(*r);
  std::optional<ShapeTexts> texts = circleShape(*cx, *cy, radius, room);
  if (!texts) return unreadable();
  return {ReadShape{ShapeKind::circle, std::move(*texts), {{*cx, *cy}}, radius}, ShapeFailure::none};
}

ShapeReading readPoly(const std::vector<std::string_view>& items, std::size_t room) {
  std::vector<Point32> points;
  for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
    const std::optional<double> x = numberOf(items[i]);
    const std::optional<double> y = numberOf(items[i + 1]);
    const std::optional<std::int32_t> px = x ? roundToInt32(*x) : std::nullopt;
    const std::optional<std::int32_t> py = y ? roundToInt32(*y) : std::nullopt;
    if (!px || !py) return unreadable();
    points.push_back({*px, *py});
  }
  if (points.empty()) return unreadable();
  ShapeTexts texts = polyShape(points, room);
  return {ReadShape{ShapeKind::poly, std::move(texts), std::move(points), 0.0f}, ShapeFailure::none};
}

// The kind the characters before a COORDS value name. One tag makes at most
// one area, so a window that names two kinds takes the first of rect, circle, poly.
std::optional<ShapeKind> kindIn(std::string_view window) {
  if (window.find("rect") != npos) return ShapeKind::rect;
  if (window.find("circle") != npos) return ShapeKind::circle;
  if (window.find("poly") != npos) return ShapeKind::poly;
  return std::nullopt;
}

// The second pass: every COORDS value with the shape kind named in the 20
// characters before it.
// A tag ends at the first ">" after its value begins.
std::vector<AreaTag> readAreaTags(std::string_view map) {
  std::vector<AreaTag> tags;
  std::size_t coords = map.find(coordsKey);
  std::int32_t number = 1;
  while (coords != npos) {
    const std::size_t value = coords + coordsKey.size() + 1;
    const std::size_t tagEnd = map.find('>', value);
    if (tagEnd == npos || tagEnd == value) break;
    // The kind is looked for inside this tag only, never in the one before it.
    const std::size_t tagStart = map.rfind('<', coords);
    const std::size_t windowStart =
        std::max(value >= kindWindow ? value - kindWindow : 0, tagStart == npos ? 0 : tagStart);
    const std::size_t quote = map.find('"', value);
    const std::string_view values = map.substr(value, quote == npos ? npos : quote - value);
    tags.push_back({number++, kindIn(map.substr(windowStart, value - windowStart)), values});
    coords = map.find(coordsKey, tagEnd + 1);
  }
  return tags;
}

// Makes the area of one tag, with the attributes read for that tag. A tag of
// no known kind makes none.
MapReading buildTag(const AreaTag& tag, MapDocument& document, AreaRebuilder& rebuilder, bool& built) {
  if (!tag.kind) return {};
  const auto index = static_cast<std::size_t>(tag.number - 1);
  if (index >= document.hrefList().size()) return {MapReading::Outcome::unreadable, tag.number};
  const std::string& href = document.hrefList()[index];
  const std::string& target = document.targetList()[index];
  const std::string& alt = document.altList()[index];
  ShapeReading reading = readShape(*tag.kind, tag.coords, href.size() + target.size() + alt.size() + 16);
  if (reading.failure == ShapeFailure::coordinateError) return {MapReading::Outcome::coordinateError, tag.number};
  if (!reading.shape) return {MapReading::Outcome::unreadable, tag.number};
  ShapeTexts& texts = reading.shape->texts;
  appendAttributePart(texts.areaText, href, target, alt);
  const std::int32_t region = rebuilder.rebuildArea(*reading.shape);
  document.addArea(std::move(texts.areaText), region, std::move(texts.coordText));
  built = true;
  return {};
}

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

bool readAttributes(std::string_view map, std::vector<AreaAttributes>& read) {
  NextPlace targets(map, targetKey);
  NextPlace alts(map, altKey);
  std::size_t from = 0;
  std::size_t href = map.find(hrefKey);
  do {  // the first tag is always read
    // Without any HREF the first tag is still read, from where its value would stand.
    const std::size_t value = href == npos ? from + hrefKey.size() : href + hrefKey.size() + 1;
    const std::optional<std::string_view> hrefValue = valueAt(map, value);
    if (!hrefValue) return false;
    const std::size_t valueEnd = value + hrefValue->size();
    const std::size_t tagEnd = map.find('>', value);
    const std::optional<std::string> target = optionalValue(map, targets.from(from), targetKey.size(), tagEnd);
    const std::optional<std::string> alt = optionalValue(map, alts.from(from), altKey.size(), tagEnd);
    if (!target || !alt) return false;
    read.push_back({hrefValue->size() < 2 ? std::string(defaultHref) : std::string(*hrefValue), *target, *alt});
    const std::size_t cut = map.find('>', valueEnd);
    if (cut == npos) return true;
    from = cut + 1;
    href = map.find(hrefKey, from);
  } while (href != npos);
  return true;
}

ShapeReading readShape(ShapeKind kind, std::string_view coords, std::size_t room) {
  thread_local std::vector<std::string_view> items;  // reused from tag to tag
  commaItems(coords, items);
  switch (kind) {
    case ShapeKind::rect: return readRect(items, room);
    case ShapeKind::circle: return readCircle(items, room);
    case ShapeKind::poly: return readPoly(items, room);
  }
  return unreadable();
}

MapReading parseMap(std::string_view map, MapDocument& document, AreaRebuilder& rebuilder) {
  std::vector<AreaAttributes> attributes;
  const bool attributesRead = readAttributes(map, attributes);
  for (AreaAttributes& read : attributes) {
    document.appendAttributes(std::move(read.href), std::move(read.target), std::move(read.alt));
    rebuilder.letEventsRun();
  }
  if (!attributesRead) {
    document.retainAttributes({});
    return {MapReading::Outcome::attributesUnreadable, static_cast<std::int32_t>(attributes.size()) + 1};
  }
  const std::vector<AreaTag> tags = readAreaTags(map);
  if (tags.empty()) {
    document.retainAttributes({});  // the first pass reads a tag even where there is none
    return {MapReading::Outcome::noAreas, 0};
  }
  std::vector<bool> built(document.hrefList().size(), false);
  MapReading reading;
  rebuilder.setBusy(true);
  for (const AreaTag& tag : tags) {
    bool madeArea = false;
    reading = buildTag(tag, document, rebuilder, madeArea);
    if (madeArea && static_cast<std::size_t>(tag.number - 1) < built.size()) built[static_cast<std::size_t>(tag.number - 1)] = true;
    if (reading.outcome != MapReading::Outcome::complete) break;
  }
  rebuilder.setBusy(false);
  document.retainAttributes(built);
  return reading;
}

}  // namespace ornix
