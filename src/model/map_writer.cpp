#include "map_writer.h"

#include <charconv>
#include <initializer_list>
#include <iterator>

#include "map_format.h"

namespace ornix {
namespace {

constexpr std::string_view mapClosing = "</MAP>";
constexpr std::string_view htmlPageTop = "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
constexpr std::string_view htmlPageBottom = "\r\n</BODY>\r\n</HTML>";

std::string_view shapeWord(Shape shape) {
  switch (shape) {
    case Shape::rectangle: return "rect";
    case Shape::circle: return "circle";
    case Shape::polygon: return "poly";
  }
  return {};
}

void appendNumber(std::string& text, long long number) {
  char digits[24];
  const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), number);
  text.append(digits, error == std::errc{} ? end : digits);
}

void appendCoords(std::string& text, const Area& area) {
  bool first = true;
  const auto add = [&](long long number) {
    if (!first) text += ", ";
    first = false;
    appendNumber(text, number);
  };
  for (const Point& point : area.points) {
    add(point.x);
    add(point.y);
  }
  if (area.shape == Shape::circle) add(roundedRadius(area.radius).value_or(0));
}

void appendAreaTag(std::string& text, const Area& area) {
  text.append("<AREA SHAPE=\"").append(shapeWord(area.shape)).append("\" COORDS=\"");
  appendCoords(text, area);
  text.append("\" HREF=\"").append(area.attributes.href);
  if (!area.attributes.target.empty()) text.append("\" Target=\"").append(area.attributes.target);
  if (!area.attributes.alt.empty()) text.append("\" ALT=\"").append(area.attributes.alt);
  text += "\">";
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

std::string buildOutput(const ImageMap& map, OutputKind kind, std::string_view folderPrefix) {
  std::string block = writeMapBlock(map, folderPrefix);
  switch (kind) {
    case OutputKind::clipboard: return block;
    case OutputKind::mapFile:
    case OutputKind::textFile: return block.append(crlf);
    case OutputKind::htmlPage: return joined({htmlPageTop, block, htmlPageBottom, crlf});
    case OutputKind::sourcePage: {
      const SplitPage noPage;
      const SplitPage& page = map.sourcePage ? *map.sourcePage : noPage;
      return joined({page.before, block, page.after, crlf});
    }
  }
  return block;
}

}  // namespace ornix
