#include "page_maps.h"

#include <cmath>

#include "ascii_case.h"
#include "map_format.h"

namespace ornix {
namespace {

// Lines counted as the walk goes on, never from the start again.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : text(text) {}
  std::size_t lineAt(std::size_t offset) {
    for (std::size_t end = text.find('\n', counted); end < offset; end = text.find('\n', end + 1)) ++line;
    counted = offset;
    return line;
  }

 private:
  std::string_view text;
  std::size_t counted = 0;
  std::size_t line = 1;
};

std::string valueOr(const HtmlAttribute* attribute) {
  return attribute == nullptr ? std::string() : std::string(attribute->value);
}

// A width or height as browsers read one: whole pixels after any blanks, the
// decimals rounded; nothing for a percentage, a missing value or none at all.
std::optional<std::int32_t> dimensionOf(const HtmlAttribute* attribute) {
  if (attribute == nullptr) return std::nullopt;
  const std::string_view value = attribute->value;
  std::size_t at = value.find_first_not_of(" \t\n\r\f");
  if (at == std::string_view::npos) return std::nullopt;
  double number = 0;
  const std::size_t digits = at;
  for (; at < value.size() && at - digits < 9 && value[at] >= '0' && value[at] <= '9'; ++at) {
    number = number * 10 + (value[at] - '0');
  }
  if (at == digits) return std::nullopt;
  double scale = 0.1;
  if (at < value.size() && value[at] == '.') {
    for (++at; at < value.size() && value[at] >= '0' && value[at] <= '9'; ++at, scale /= 10) {
      number += (value[at] - '0') * scale;
    }
  }
  if ((at < value.size() && value[at] == '%') || number < 1) return std::nullopt;
  return static_cast<std::int32_t>(std::nearbyint(number));
}

// The map a `usemap` names: "#" then a map's name or id, as written or else
// in another case; a usemap without its "#" is taken too, as old pages wrote it.
PageMap* mapNamed(std::vector<PageMap>& maps, std::string_view usemap) {
  if (!usemap.empty() && usemap.front() == '#') usemap.remove_prefix(1);
  if (usemap.empty()) return nullptr;
  for (PageMap& map : maps) {
    if (map.name == usemap || map.id == usemap) return &map;
  }
  const std::string lower = asciiLowered(usemap);
  for (PageMap& map : maps) {
    if (sameName(map.name, lower) || sameName(map.id, lower)) return &map;
  }
  return nullptr;
}

struct UsemapPicture {
  std::string usemap;
  PagePicture picture;
};

class PageWalk {
 public:
  explicit PageWalk(std::string_view page) : page(page), lines(page) {}

  PageSurvey survey() {
    HtmlTokenizer tokenizer(page);
    for (const HtmlToken* token = &tokenizer.next(); token->kind != HtmlTokenKind::endOfText;
         token = &tokenizer.next()) {
      if (token->cutShort && found.cutShortLine == 0) found.cutShortLine = lines.lineAt(token->range.begin);
      if (token->kind == HtmlTokenKind::comment) markOrnixBlock(*token);
      if (token->kind == HtmlTokenKind::startTag && !token->cutShort) startTag(*token);
      if (token->kind == HtmlTokenKind::endTag) endTag(*token);
    }
    for (const std::size_t open : openMaps) found.maps[open].content.end = page.size();
    matchPictures();
    return std::move(found);
  }

 private:
  void markOrnixBlock(const HtmlToken& comment) {
    const std::string_view text = page.substr(comment.range.begin, comment.range.size());
    if (text.starts_with(startMarker)) inOrnixBlock = true;
    if (text.starts_with(endMarker)) inOrnixBlock = false;
  }

  void startTag(const HtmlToken& tag) {
    if (tag.isTag("template")) ++templates;
    if (templates > 0) return;
    if (tag.isTag("map")) {
      openMaps.push_back(found.maps.size());
      PageMap& map = found.maps.emplace_back();
      map.id = valueOr(tag.attribute("id"));
      map.name = tag.attribute("name") != nullptr ? valueOr(tag.attribute("name")) : map.id;
      map.line = lines.lineAt(tag.range.begin);
      map.startTag = tag.range;
      map.content = {tag.range.end, tag.range.end};
      map.ornixBlock = inOrnixBlock;
    } else if (tag.isTag("area") && !openMaps.empty()) {
      found.maps[openMaps.back()].areaTags.push_back(tag.range);
    } else if (tag.isTag("img") && tag.attribute("usemap") != nullptr) {
      pictures.push_back({valueOr(tag.attribute("usemap")),
                          {valueOr(tag.attribute("src")), dimensionOf(tag.attribute("width")),
                           dimensionOf(tag.attribute("height")), lines.lineAt(tag.range.begin)}});
    }
  }

  void endTag(const HtmlToken& tag) {
    if (tag.isTag("template") && templates > 0) --templates;
    if (templates > 0 || !tag.isTag("map") || openMaps.empty()) return;
    PageMap& map = found.maps[openMaps.back()];
    map.content.end = tag.range.begin;
    map.closed = true;
    openMaps.pop_back();
  }

  // Each map gets the first picture that names it.
  void matchPictures() {
    for (UsemapPicture& each : pictures) {
      PageMap* map = mapNamed(found.maps, each.usemap);
      if (map == nullptr) {
        found.unanswered.push_back({each.usemap, each.picture.line});
      } else if (!map->picture) {
        map->picture = std::move(each.picture);
      }
    }
  }

  std::string_view page;
  LineCounter lines;
  PageSurvey found;
  std::vector<std::size_t> openMaps;  // innermost last
  std::vector<UsemapPicture> pictures;
  int templates = 0;
  bool inOrnixBlock = false;
};

}  // namespace

PageSurvey surveyPage(std::string_view page) { return PageWalk(page).survey(); }

}  // namespace ornix
