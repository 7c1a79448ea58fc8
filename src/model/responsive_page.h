#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ornix {

// What a page's head says about its texts: the code page the map's bytes are
// in, and the language they are written in ("" when not known).
struct PageLocale {
  std::string_view charset = "utf-8";
  std::string_view language;
};

// The size a map's coordinates were written for: its picture's when it was mapped.
struct WrittenSize {
  std::string_view mapName;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// A page that shows a map block at any width: its picture scales down to fit
// its column and keeps its proportions, and a small script outside the block
// scales every AREA's coordinates to the size the picture is shown at, from
// the size they were written for, on load and whenever that size changes;
// whatever file the browser picks for the picture, whatever border and
// padding it is given, however many pictures share the map or Ornix blocks
// share the page. The block goes in as it is; `title` is written as text.
std::string responsivePage(std::string_view block, std::string_view title, const PageLocale& locale,
                           const WrittenSize& written);

}  // namespace ornix
