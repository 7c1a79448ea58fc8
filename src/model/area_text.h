#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ornix {

// What a new area gets until the user enters its attributes.
inline constexpr std::string_view defaultHref = "#";
inline constexpr std::string_view targetPlaceholder = "Enter a TARGET here, if you would like...";
inline constexpr std::string_view altPlaceholder = "Also enter ALT text, if you would like...";

struct Point32 {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// The two texts that describe one area's shape:
// areaText  - the AREA tag up to and including the opening quote of its HREF
//             (`<AREA SHAPE="rect" COORDS="10, 20, 110, 220" HREF="`);
//             the attribute part follows it, and the writer closes the tag;
// coordText - the same numbers joined by "|" (10|20|110|220).
struct ShapeTexts {
  std::string areaText;
  std::string coordText;
};

// Each shape's area text is made with `room` characters to spare, for the
// attribute part a read area appends at once.

// A rectangle keeps its press point first and its release point second, unsorted.
ShapeTexts rectShape(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
                     std::size_t room = 0);

// A circle's COORDS hold the radius rounded half to even; its coordinate text
// keeps the radius as drawn (50|60|12.5). Nothing when the rounded radius is
// not a 16-bit number.
std::optional<ShapeTexts> circleShape(std::int16_t cx, std::int16_t cy, float radius,
                                      std::size_t room = 0);

ShapeTexts polyShape(std::span<const Point32> points, std::size_t room = 0);

// The attribute part after `HREF="`: the HREF, then `" Target="` and the Target
// only when one is given, then `" ALT="` and the ALT only when one is given.
std::string attributePart(std::string_view href, std::string_view target, std::string_view alt);
void appendAttributePart(std::string& text, std::string_view href, std::string_view target,
                         std::string_view alt);

// A typed attribute value made safe inside a double-quoted attribute of a tag
// that ends at its first ">": each `"` becomes &quot; and each `>` &gt;, which
// browsers read back as the characters typed. Nothing else changes.
std::string escapeAttributeValue(std::string_view value);

}  // namespace ornix
