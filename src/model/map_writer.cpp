#include "map_writer.h"

#include <charconv>
#include <cstring>
#include <initializer_list>
#include <iterator>

#include "map_format.h"

namespace ornix {
namespace {

constexpr std::string_view mapClosing = "</MAP>";
constexpr std::string_view htmlPageTop = "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
constexpr std::string_view htmlPageBottom = "\r\n</BODY>\r\n</HTML>";

constexpr std::string_view tagStart = "<AREA SHAPE=\"";
constexpr std::string_view coordsStart = "\" COORDS=\"";

void appendNumber(std::string& text, long long number) {
  char digits[24];
  const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), number);
  text.append(digits, error == std::errc{} ? end : digits);
}

char* put(char* out, std::string_view part) {
  std::memcpy(out, part.data(), part.size());
  return out + part.size();
}

// A whole number's digits; `out` has room for them. The numbers of a map are
// nearly all under 10,000: those are written two digits at a time.
char* putNumber(char* out, std::int32_t number) {
  static constexpr char pairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  if (number < 0 || number >= 10000) return std::to_chars(out, out + 11, number).ptr;
  const auto value = static_cast<std::size_t>(number);
  if (value < 10) {
    *out = static_cast<char>('0' + value);
    return out + 1;
  }
  const std::size_t high = value / 100;
  const char* low = pairs + 2 * (value % 100);
  if (high == 0) return put(out, {low, 2});
  if (high < 10) *out++ = static_cast<char>('0' + high);
  if (high >= 10) out = put(out, {pairs + 2 * high, 2});
  return put(out, {low, 2});
}

// The most bytes an area's tag can take: a number of 32 bits has at most ten
// digits and a sign, and a separator of two before it.
std::size_t tagSizeBound(const Area& area) {
  const std::size_t numbers = 2 * area.points.size() + 1;
  const Attributes& attributes = area.attributes;
  std::size_t others = 0;
  for (const OtherAttribute& other : area.otherAttributes)
    others += 4 + other.name.size() + other.value.value_or("").size();
  return 64 + numbers * 13 + attributes.href.size() + attributes.target.size() + attributes.alt.size() + others;
}

// Writes straight into room made at the text's end, then gives back what was
// not used: the writer's time goes on these tags.
void appendAreaTag(std::string& text, const Area& area) {
  const std::size_t start = text.size();
  text.resize(start + tagSizeBound(area));
  char* out = put(put(put(text.data() + start, tagStart), shapeWord(area.shape)), coordsStart);
  const char* separator = "";
  for (const Point& point : area.points) {
    out = putNumber(put(out, separator), point.x);
    out = putNumber(put(out, ", "), point.y);
    separator = ", ";
  }
  if (area.shape == Shape::circle) out = putNumber(put(out, ", "), roundedRadius(area.radius).value_or(0));
  out = put(put(out, "\" HREF=\""), area.attributes.href);
  if (!area.attributes.target.empty()) out = put(put(out, "\" Target=\""), area.attributes.target);
  if (!area.attributes.alt.empty()) out = put(put(out, "\" ALT=\""), area.attributes.alt);
  out = put(out, "\"");
  if (!area.otherAttributes.empty()) out = put(put(out, " "), otherAttributesText(area.otherAttributes));
  out = put(out, ">");
  text.resize(static_cast<std::size_t>(out - text.data()));
}

// The image tag from the file name on, and the MAP opening after the signature.
void appendImageAndMapTags(std::string& block, const Picture& picture) {
  const std::string mapName = mapNameOf(picture);
  block.append(fileNameOf(picture)).append("\" width=");
  appendNumber(block, picture.width);
  block.append(" height=");
  appendNumber(block, picture.height);
  block.append(" border=0 USEMAP=\"#").append(mapName).append("\">").append(crlf).append(crlf);
  block.append(signatureComment).append(crlf).append("<MAP NAME=\"").append(mapName).append("\">");
}

std::string joined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (const std::string_view part : parts) text += part;
  return text;
}

}  // namespace

std::string areaTag(const Area& area) {
  std::string tag;
  appendAreaTag(tag, area);
  return tag;
}

// Names a page's stray text makes need care to be read back as they were: a
// name standing alone before one that begins with "=" is given an empty
// value, the same to a browser, so that the second is not read as its
// value; and a name ending in "<!--" is followed by a tab, not a blank, so
// that names cannot spell the marker comments that bound a map block.
std::string otherAttributesText(const std::vector<OtherAttribute>& others) {
  std::string text;
  for (std::size_t i = 0; i < others.size(); ++i) {
    if (i > 0) text += others[i - 1].name.ends_with("<!--") && !others[i - 1].value ? '\t' : ' ';
    text += others[i].name;
    const bool beforeEquals = i + 1 < others.size() && others[i + 1].name.starts_with('=');
    if (others[i].value || beforeEquals) text.append("=\"").append(others[i].value.value_or("")).append("\"");
  }
  return text;
}

std::string coordsText(const Area& area) {
  const std::string tag = areaTag(area);
  const std::size_t start = tagStart.size() + shapeWord(area.shape).size() + coordsStart.size();
  return tag.substr(start, tag.find('"', start) - start);
}

std::string writeMapBlock(const ImageMap& map, std::string_view folderPrefix) {
  std::string block;
  block.reserve(512 + 96 * map.areas.size());
  block.append(startComment).append(crlf).append("<img src=\"").append(folderPrefix);
  if (map.picture) {
    appendImageAndMapTags(block, *map.picture);
  } else {
    block.append(crlf).append(crlf);  // no picture: no tag pieces to write
  }
  for (const Area& area : map.areas) {
    block.append(crlf);
    appendAreaTag(block, area);
  }
  block.append(crlf).append(mapClosing).append(crlf).append(endComment);
  return block;
}

std::string buildOutput(const ImageMap& map, OutputKind kind, std::string_view folderPrefix, const PageLocale& locale) {
  if (kind == OutputKind::sourcePage && map.sourcePage && map.sourcePage->mapElement) {
    const SplitPage& page = *map.sourcePage;
    return joined({page.before, writeMapElement(*page.mapElement, map.areas), page.after});
  }
  std::string block = writeMapBlock(map, folderPrefix);
  switch (kind) {
    case OutputKind::clipboard: return block;
    case OutputKind::mapFile:
    case OutputKind::textFile: return block.append(crlf);
    case OutputKind::htmlPage: return joined({htmlPageTop, block, htmlPageBottom, crlf});
    case OutputKind::responsivePage: {
      if (!map.picture) return responsivePage(block, "Image map", locale, {});
      const std::string name = mapNameOf(*map.picture);
      return responsivePage(block, fileNameOf(*map.picture), locale, {name, map.picture->width, map.picture->height});
    }
    case OutputKind::sourcePage: {
      const SplitPage noPage;
      const SplitPage& page = map.sourcePage ? *map.sourcePage : noPage;
      return joined({page.before, block, page.after, crlf});
    }
  }
  return block;
}

}  // namespace ornix
