#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "map_element.h"
#include "notice.h"

namespace ornix {

// A page that holds a map block: the text before the block, the block itself
// (from the "<" of its start comment through its end comment) and the text
// after it. Joined again, the three give the page back byte for byte, so a new
// block can be saved between the untouched halves.
//
// A page a map was imported from is split around the content of its MAP
// element instead (`before` ends with the element's start tag, `after`
// begins with its end tag), whose pieces the layout holds, so that only that
// content is written anew. Its bytes are in its own `charset`.
struct SplitPage {
  std::string before;
  std::string block;
  std::string after;
  std::shared_ptr<const MapElementLayout> mapElement;
  std::string charset;  // empty for the system's code page

  friend bool operator==(const SplitPage&, const SplitPage&) = default;
};

// Splits the page read from `path` around its map block, which ends 49
// characters after the "<" of its end comment however that comment reads; or
// the notice that says why it cannot be split.
std::variant<SplitPage, Notice> splitPage(std::string_view page, const std::string& path);

// The image path of a block's image tag as the writer put it (folder prefix
// and file name); empty when the block has no image tag.
std::string imageSource(std::string_view block);

}  // namespace ornix
