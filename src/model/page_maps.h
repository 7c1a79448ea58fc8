#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "html_tokenizer.h"

namespace ornix {

// A picture tag of a page that names a map with `usemap`.
struct PagePicture {
  std::string source;  // its src as written, no character reference decoded
  // The size its width and height give; none where one is missing or in percent.
  std::optional<std::int32_t> width;
  std::optional<std::int32_t> height;
  std::size_t line = 0;
};

// One image map of a page, as a browser finds it: a MAP element outside
// comments, scripts, styles, templates, text areas and noscript, with its
// AREA tags and the first picture that uses it.
struct PageMap {
  std::string name;  // its name, or its id where it has none, as written
  std::string id;
  std::size_t line = 0;  // of its start tag, from 1
  ByteRange startTag;
  ByteRange content;  // after its start tag up to its end tag, or to the end of the page
  bool closed = false;
  std::vector<ByteRange> areaTags;
  std::optional<PagePicture> picture;
  bool ornixBlock = false;  // inside the marker comments of a block Ornix wrote
};

// A `usemap` that no map of the page answers.
struct UnansweredUsemap {
  std::string usemap;
  std::size_t line = 0;
};

// Everything a page offers to import: its maps in page order, the pictures
// that name no map, and the line of a tag or comment the page's end cuts
// short (0 when none is).
struct PageSurvey {
  std::vector<PageMap> maps;
  std::vector<UnansweredUsemap> unanswered;
  std::size_t cutShortLine = 0;
};

// Walks the whole page once.
PageSurvey surveyPage(std::string_view page);

}  // namespace ornix
