#include "map_import.h"

#include <charconv>
#include <cmath>
#include <variant>

#include "map_element.h"
#include "map_format.h"
#include "map_reader.h"
#include "numbers.h"

namespace ornix {
namespace {

constexpr auto npos = std::string_view::npos;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The numbers of a COORDS value, or why they are none Ornix can draw.
struct CoordinateList {
  std::vector<double> numbers;
  std::string_view problem;
};

CoordinateList coordinateList(std::string_view coords) {
  CoordinateList list;
  constexpr std::string_view separators = ", \t\n\r\f;";
  for (std::size_t at = coords.find_first_not_of(separators); at != npos;
       at = coords.find_first_not_of(separators, at)) {
    const std::size_t end = std::min(coords.find_first_of(separators, at), coords.size());
    std::string_view item = coords.substr(at, end - at);
    at = end;
    if (item.ends_with('%')) return {{}, "coordinates in percent"};
    if (item.starts_with('+')) item.remove_prefix(1);
    double number = 0;
    const auto [stop, error] = std::from_chars(item.data(), item.data() + item.size(), number);
    if (error != std::errc{} || stop != item.data() + item.size() || !std::isfinite(number)) {
      return {{}, "coordinates that are no numbers"};
    }
    list.numbers.push_back(number);
  }
  return list;
}

using AreaOrReason = std::variant<Area, std::string>;

std::optional<Shape> shapeNamed(const HtmlAttribute* shape) {
  if (shape == nullptr) return Shape::rectangle;
  const std::string_view word = shape->value;
  if (sameName(word, shapeWord(Shape::circle)) || sameName(word, "circ")) return Shape::circle;
  if (sameName(word, shapeWord(Shape::polygon)) || sameName(word, "polygon")) return Shape::polygon;
  if (sameName(word, "default")) return std::nullopt;
  return Shape::rectangle;  // rect, rectangle, and any word HTML does not know
}

// The points of a shape from its numbers, rounded half to even into Ornix's widths.
AreaOrReason shapeFrom(Shape shape, const std::vector<double>& numbers) {
  const std::size_t needed = shape == Shape::rectangle ? 4 : shape == Shape::circle ? 3 : 6;
  if (numbers.size() < needed) return std::string("too few coordinates for its shape");
  Area area{shape};
  const std::size_t pairs = shape == Shape::rectangle ? 2 : shape == Shape::circle ? 1 : numbers.size() / 2;
  const auto coordinate = [shape](double number) -> std::optional<std::int32_t> {
    if (shape == Shape::polygon) return roundToInt32(number);
    return roundToInt16(number);
  };
  for (std::size_t i = 0; i < pairs; ++i) {
    const std::optional<std::int32_t> x = coordinate(numbers[2 * i]);
    const std::optional<std::int32_t> y = coordinate(numbers[2 * i + 1]);
    if (!x || !y) return std::string("coordinates too large");
    area.points.push_back({*x, *y});
  }
  if (shape == Shape::circle) {
    if (numbers[2] < 0) return std::string("a negative radius");
    area.radius = static_cast<float>(numbers[2]);
    if (!roundedRadius(area.radius)) return std::string("coordinates too large");
  }
  return area;
}

std::string quotedValue(const HtmlToken& tag, std::string_view name) {
  const HtmlAttribute* attribute = tag.attribute(name);
  return attribute == nullptr ? std::string() : quotedValueOf(*attribute);
}

AreaOrReason areaOfTag(std::string_view tagText) {
  HtmlTokenizer tokenizer(tagText);
  const HtmlToken& tag = tokenizer.next();
  const std::optional<Shape> shape = shapeNamed(tag.attribute("shape"));
  if (!shape) return std::string("shape default");
  const HtmlAttribute* coords = tag.attribute("coords");
  if (coords == nullptr) return std::string("no coordinates");
  const CoordinateList list = coordinateList(coords->value);
  if (!list.problem.empty()) return std::string(list.problem);
  AreaOrReason area = shapeFrom(*shape, list.numbers);
  if (Area* made = std::get_if<Area>(&area)) {
    made->attributes = {quotedValue(tag, "href"), quotedValue(tag, "target"), quotedValue(tag, "alt")};
    made->otherAttributes = otherAttributesOf(tag);
  }
  return area;
}

// The bytes a tag's line lends it when the tag stands alone on that line:
// the blanks before it, and the blanks and line end after it.
struct LineSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool wholeLine = false;
};

LineSpan lineSpanOf(std::string_view page, ByteRange tag, std::size_t limit) {
  std::size_t begin = tag.begin;
  while (begin > 0 && isBlank(page[begin - 1])) --begin;
  std::size_t end = tag.end;
  while (end < limit && isBlank(page[end])) ++end;
  const bool lineBefore = begin > 0 && (page[begin - 1] == '\n' || page[begin - 1] == '\r');
  const bool lineAfter = end < limit && (page[end] == '\n' || page[end] == '\r');
  if (!lineBefore || !lineAfter) return {tag.begin, tag.end, false};
  end += page.substr(end, 2) == "\r\n" ? 2U : 1U;
  return {begin, end, true};
}

// The page's own line end: that of an area's line, else the page's first.
std::string lineEndOf(std::string_view page, const MapElementLayout& layout) {
  for (const MapElementLayout::Place& place : layout.places) {
    if (place.trail.ends_with("\r\n")) return "\r\n";
    if (place.trail.ends_with('\n') || place.trail.ends_with('\r')) return place.trail.substr(place.trail.size() - 1);
  }
  const std::size_t first = page.find('\n');
  return first != npos && first > 0 && page[first - 1] == '\r' ? "\r\n" : "\n";
}

// Where new areas go when no area tag is left to follow: on a line of their
// own before the end tag where that tag begins its line, else just before it.
// `gapStart` is where the last gap begins in the page.
void placeEndOfContent(MapElementLayout& layout, std::string_view page, const PageMap& map, std::size_t gapStart) {
  std::size_t lineStart = map.content.end;
  while (lineStart > gapStart && isBlank(page[lineStart - 1])) --lineStart;
  const bool ownLine = map.closed && lineStart > 0 && (page[lineStart - 1] == '\n' || page[lineStart - 1] == '\r');
  layout.endTagOnOwnLine = ownLine;
  layout.endLineStart = ownLine ? lineStart - gapStart : map.content.end - gapStart;
  layout.newIndent = ownLine ? std::string(page.substr(lineStart, map.content.end - lineStart)) + "  " : "";
}

}  // namespace

ImportedMap importMap(std::string_view page, const PageMap& map, std::string charset) {
  ImportedMap imported;
  imported.picture = map.picture;
  MapElementLayout layout;
  std::size_t cursor = map.content.begin;
  for (std::size_t index = 0; index < map.areaTags.size(); ++index) {
    const ByteRange tag = map.areaTags[index];
    LineSpan span = lineSpanOf(page, tag, map.content.end);
    if (span.begin < cursor) span = {tag.begin, tag.end, false};
    layout.gaps.emplace_back(page.substr(cursor, span.begin - cursor));
    MapElementLayout::Place& place = layout.places.emplace_back();
    place.lead = page.substr(span.begin, tag.begin - span.begin);
    place.tag = page.substr(tag.begin, tag.size());
    place.trail = page.substr(tag.end, span.end - tag.end);
    AreaOrReason area = areaOfTag(place.tag);
    if (Area* made = std::get_if<Area>(&area)) {
      made->importedTag = std::make_shared<const ImportedTag>(ImportedTag{place.tag, index, *made});
      imported.areas.push_back(std::move(*made));
    } else {
      place.keptBecause = std::get<std::string>(area);
    }
    cursor = span.end;
  }
  layout.gaps.emplace_back(page.substr(cursor, map.content.end - cursor));
  placeEndOfContent(layout, page, map, cursor);
  layout.lineEnd = lineEndOf(page, layout);
  layout.selfClosing = !layout.places.empty() && layout.places.front().tag.ends_with("/>");
  const std::string_view content = page.substr(map.content.begin, map.content.size());
  imported.page = std::make_shared<const SplitPage>(SplitPage{
      std::string(page.substr(0, map.content.begin)), std::string(content), std::string(page.substr(map.content.end)),
      std::make_shared<const MapElementLayout>(std::move(layout)), std::move(charset)});
  return imported;
}

KeptTagColumns keptTagColumns(std::string_view tagText) {
  HtmlTokenizer tokenizer(tagText);
  const HtmlToken& tag = tokenizer.next();
  return {quotedValue(tag, "shape"),
          quotedValue(tag, "coords"),
          {quotedValue(tag, "href"), quotedValue(tag, "target"), quotedValue(tag, "alt")},
          otherAttributesOf(tag)};
}

std::optional<std::string> keptAreasNote(const std::vector<KeptArea>& kept) {
  if (kept.empty()) return std::nullopt;
  std::string note =
      kept.size() == 1 ? "1 area kept as it was: " : std::to_string(kept.size()) + " areas kept as they were: ";
  for (std::size_t i = 0; i < kept.size(); ++i) {
    note += (i == 0 ? "" : ", ") + ("area " + std::to_string(kept[i].number)) + " (" + kept[i].reason + ")";
  }
  return note + "." + crlf + crlf + "Saved back into its page, each stays where it is; the other saves leave " +
         (kept.size() == 1 ? "it" : "them") + " out.";
}

}  // namespace ornix
