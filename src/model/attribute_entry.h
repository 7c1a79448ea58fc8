#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "area.h"

namespace ornix {

// What the attributes dialog shows for an area whose link, Target or ALT is
// empty, as a new area's are.
inline constexpr std::string_view defaultHref = "#";
inline constexpr std::string_view targetPlaceholder = "Enter a TARGET here, if you would like...";
inline constexpr std::string_view altPlaceholder = "Also enter ALT text, if you would like...";

// The three texts the attributes dialog shows for an area's attributes, in
// its boxes' order: the offered link or "#", the Target or its placeholder,
// the ALT or its placeholder.
struct ShownAttributes {
  std::string href;
  std::string target;
  std::string alt;
};
ShownAttributes shownAttributes(const Attributes& attributes);

// A typed value made safe inside a double-quoted attribute of a map block:
// each `"` becomes &quot;, each `>` &gt;, the "<" of each "<!--" &lt; (so
// that no value can open a comment that ends the block early), and each "&"
// that would start a character reference &amp;. Browsers, and the editing,
// read these back as the characters typed. Nothing else changes: "a&b" and
// "?x=1&y=2" are written as typed.
std::string escapeAttributeValue(std::string_view value);

// The attributes Enter in the attributes dialog gives an area, from the three
// values as they go into the tag (the editing has made typed texts safe). A
// Target or ALT counts unless it is empty or holds "if you would like..."
// (the placeholders' ending). Nothing when the link is emptied and neither a
// Target nor an ALT counts: the area then stays as it was.
std::optional<Attributes> enteredAttributes(const Attributes& before, std::string_view href, std::string_view target,
                                            std::string_view alt);

}  // namespace ornix
