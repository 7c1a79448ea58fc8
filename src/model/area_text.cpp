#include "area_text.h"

#include "numbers.h"

namespace ornix {
namespace {

constexpr std::string_view coordsSeparator = ", ";
constexpr char coordSeparator = '|';

std::string areaOpening(std::string_view shape, std::string_view coords) {
  std::string text = "<AREA SHAPE=\"";
  text += shape;
  text += "\" COORDS=\"";
  text += coords;
  text += "\" HREF=\"";
  return text;
}

// Joins whole numbers twice over: ", " for COORDS and "|" for the coordinate text.
class NumberJoiner {
 public:
  void add(long long number) {
    if (!coords.empty()) {
      coords += coordsSeparator;
      bars += coordSeparator;
    }
    const std::string digits = std::to_string(number);
    coords += digits;
    bars += digits;
  }
  std::string coords;
  std::string bars;
};

}  // namespace

ShapeTexts rectShape(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  NumberJoiner numbers;
  for (const std::int16_t n : {x1, y1, x2, y2}) numbers.add(n);
  return {areaOpening("rect", numbers.coords), numbers.bars};
}

std::optional<ShapeTexts> circleShape(std::int16_t cx, std::int16_t cy, float radius) {
  const std::optional<std::int16_t> rounded = roundToInt16(radius);
  if (!rounded) return std::nullopt;
  NumberJoiner numbers;
  numbers.add(cx);
  numbers.add(cy);
  std::string coords = numbers.coords + std::string(coordsSeparator) + std::to_string(*rounded);
  std::string bars = numbers.bars + coordSeparator + formatFloat(radius);
  return ShapeTexts{areaOpening("circle", coords), std::move(bars)};
}

ShapeTexts polyShape(std::span<const Point32> points) {
  NumberJoiner numbers;
  for (const Point32& point : points) {
    numbers.add(point.x);
    numbers.add(point.y);
  }
  return {areaOpening("poly", numbers.coords), numbers.bars};
}

std::string attributePart(std::string_view href, std::string_view target, std::string_view alt) {
  std::string part(href);
  if (!target.empty()) {
    part += "\" Target=\"";
    part += target;
  }
  if (!alt.empty()) {
    part += "\" ALT=\"";
    part += alt;
  }
  return part;
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
