#include "area_text.h"

#include <charconv>
#include <iterator>

#include "numbers.h"

namespace ornix {
namespace {

constexpr std::string_view coordsSeparator = ", ";
constexpr char coordSeparator = '|';

std::string areaOpening(std::string_view shape, std::string_view coords, std::size_t room) {
  constexpr std::string_view open = "<AREA SHAPE=\"";
  constexpr std::string_view middle = "\" COORDS=\"";
  constexpr std::string_view close = "\" HREF=\"";
  std::string text;
  text.reserve(open.size() + shape.size() + middle.size() + coords.size() + close.size() + room);
  text.append(open).append(shape).append(middle).append(coords).append(close);
  return text;
}

// A whole number's decimal digits, without a string of its own.
void appendNumber(std::string& text, long long number) {
  char digits[24];
  const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), number);
  text.append(digits, error == std::errc{} ? end : digits);
}

// Joins whole numbers twice over: ", " for COORDS and "|" for the coordinate text.
class NumberJoiner {
 public:
  explicit NumberJoiner(std::size_t count) {
    coords.reserve(count * 8);  // room for most numbers of a picture, so the texts grow once
    bars.reserve(count * 8);
  }
  void add(long long number) {
    if (!coords.empty()) {
      coords += coordsSeparator;
      bars += coordSeparator;
    }
    appendNumber(coords, number);
    appendNumber(bars, number);
  }
  std::string coords;
  std::string bars;
};

}  // namespace

ShapeTexts rectShape(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
                     std::size_t room) {
  NumberJoiner numbers(4);
  for (const std::int16_t n : {x1, y1, x2, y2}) numbers.add(n);
  return {areaOpening("rect", numbers.coords, room), std::move(numbers.bars)};
}

std::optional<ShapeTexts> circleShape(std::int16_t cx, std::int16_t cy, float radius,
                                      std::size_t room) {
  const std::optional<std::int16_t> rounded = roundToInt16(radius);
  if (!rounded) return std::nullopt;
  NumberJoiner numbers(3);
  numbers.add(cx);
  numbers.add(cy);
  numbers.coords += coordsSeparator;
  appendNumber(numbers.coords, *rounded);
  numbers.bars += coordSeparator;
  numbers.bars += formatFloat(radius);
  return ShapeTexts{areaOpening("circle", numbers.coords, room), std::move(numbers.bars)};
}

ShapeTexts polyShape(std::span<const Point32> points, std::size_t room) {
  NumberJoiner numbers(2 * points.size());
  for (const Point32& point : points) {
    numbers.add(point.x);
    numbers.add(point.y);
  }
  return {areaOpening("poly", numbers.coords, room), std::move(numbers.bars)};
}

std::string attributePart(std::string_view href, std::string_view target, std::string_view alt) {
  std::string part;
  appendAttributePart(part, href, target, alt);
  return part;
}

void appendAttributePart(std::string& text, std::string_view href, std::string_view target,
                         std::string_view alt) {
  text += href;
  if (!target.empty()) text.append("\" Target=\"").append(target);
  if (!alt.empty()) text.append("\" ALT=\"").append(alt);
}

std::string escapeAttributeValue(std::string_view value) {
  std::string escaped;
  escaped.reserve(value.size());
  for (const char c : value) {
    if (c == '"') {
      escaped += "&quot;";
    } else if (c == '>') {
      escaped += "&gt;";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace ornix
